#include "search/texts/status_texts.h"

#include "search/texts/message_text.h"

namespace search::texts {
namespace {
constexpr std::string_view kProgressStart = "Completed ";
}

std::string CountText(std::int32_t count) {
  std::string text = std::to_string(count);
  if (count >= 0) text.insert(text.begin(), ' ');
  return text;
}

std::string SummaryText(std::int32_t first_count, std::string_view first_shown,
                        std::int32_t second_count, std::string_view second_shown) {
  std::string text = CountText(first_count) + " words have ";
  text += EscapedForMessage(first_shown);
  text += ", " + CountText(second_count) + " words have ";
  text += EscapedForMessage(second_shown);
  text += ".  Click OK to continue.";
  return text;
}

std::string ProgressText(std::int32_t position, std::int32_t first_count,
                         std::string_view first_shown) {
  std::string text(kProgressStart);
  text += CountText(position) + " / " + CountText(first_count) + " words containing ";
  text += EscapedForMessage(first_shown);
  text += '.';
  return text;
}

bool IsProgressText(std::string_view text) { return text.starts_with(kProgressStart); }

std::string PairCountText(std::size_t pairs, std::string_view file_name) {
  std::string text = std::to_string(pairs) + " pairs in '";
  text += EscapedForMessage(file_name);
  text += '\'';
  return text;
}

std::string OutputFolderText(std::string_view folder) {
  std::string text = "The files are in '";
  (text += EscapedForMessage(folder)) += "'.";
  return text;
}

std::string PageNotOpenedText(std::string_view page, std::string_view reason) {
  std::string text = "cannot open '";
  (((text += page) += "' in a browser: ") += reason) += "; open it from its folder";
  return EscapedForMessage(text);
}

std::string SurveyProgressText(std::size_t done, std::size_t total) {
  return "Counted " + std::to_string(done) + " / " + std::to_string(total) + " distinct words ...";
}

std::string SurveySummaryText(std::size_t symbols, std::int64_t symbol_pairs,
                              std::int64_t minimal_pairs) {
  return std::to_string(symbols) + " symbols, " + std::to_string(symbol_pairs) +
         " ordered pairs of symbols with minimal pairs, " + std::to_string(minimal_pairs) +
         " minimal pairs in all.";
}

std::string TooManySymbolsText(const std::string& list_name, std::size_t limit) {
  return "cannot survey '" + list_name + "': it has more than " + std::to_string(limit) +
         " different symbols (are the symbols of each word separated by spaces?)";
}

}  // namespace search::texts
