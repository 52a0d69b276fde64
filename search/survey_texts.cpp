#include "search/survey_texts.h"

namespace search {

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

}  // namespace search
