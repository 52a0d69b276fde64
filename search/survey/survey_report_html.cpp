#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "search/lexicon/transcription.h"
#include "search/options/run_options.h"
#include "search/os/output_names.h"
#include "search/survey/practice_sheet.h"
#include "search/survey/survey_page.h"
#include "search/survey/survey_page_pairs.h"
#include "search/survey/survey_page_pairs_script.h"
#include "search/survey/survey_page_script.h"
#include "search/survey/survey_report.h"
#include "search/texts/decimal_text.h"
#include "search/texts/message_text.h"
#include "search/texts/search_error.h"
#include "search/texts/status_texts.h"

namespace search::survey {

std::string EscapedForHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char character : text) {
    switch (character) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      case '\n':
        escaped += "&#10;";
        break;
      default:
        escaped += character;
    }
  }
  return escaped;
}

std::string VisibleText(std::string_view text) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kMarks = {
      {{"\xD8\x9C", "\\u061C"}, {"\xE2\x80\x8E", "\\u200E"}, {"\xE2\x80\x8F", "\\u200F"}}};
  std::string visible = texts::EscapedForMessage(text);
  for (const auto& [mark, escape] : kMarks) {
    for (std::size_t at = visible.find(mark); at != std::string::npos;
         at = visible.find(mark, at + escape.size())) {
      visible.replace(at, mark.size(), escape);
    }
  }
  return visible;
}

namespace {

// Viridis, light to dark: it reads as lightness in greyscale and stays distinct
// for the common kinds of colour blindness. Text turns white on the dark half.
constexpr std::array<std::string_view, 8> kShades = {"#fde725", "#a0da39", "#4ac16d", "#1fa187",
                                                     "#277f8e", "#365c8d", "#46327e", "#440154"};

constexpr std::string_view kStyle =
    R"(:root { print-color-adjust: exact; -webkit-print-color-adjust: exact; }
body { font: 14px/1.4 system-ui, "DejaVu Sans", sans-serif; margin: 1.5rem; color: #111; background: #fff; }
h1 { font-size: 1.4rem; margin: 0 0 0.5rem; }
p { max-width: 50rem; }
h2 { font-size: 1.15rem; margin: 1.5rem 0 0.4rem; }
.legend { display: flex; flex-wrap: wrap; align-items: center; gap: 0.25rem 1rem; margin: 0.5rem 0 1rem; }
.legend ul { display: flex; flex-wrap: wrap; gap: 0.25rem 1rem; list-style: none; padding: 0; margin: 0; }
.legend li { display: flex; align-items: center; gap: 0.35rem; }
.swatch { display: inline-block; width: 1.6em; height: 1.1em; border: 1px solid #888; }
.grid { overflow: auto; max-width: 100%; max-height: 90vh; border: 1px solid #ddd; }
table.map { border-collapse: separate; border-spacing: 0; font-size: 12px; font-variant-numeric: tabular-nums; }
.grid > p { margin: 0.4rem; }
.map th, .map td { border: 1px solid #fff; padding: 2px 4px; min-width: 2.4em; }
.map td { text-align: right; position: relative; }
.map td a { color: inherit; text-decoration: none; display: block; }
.map thead th, .map thead td { text-align: center; vertical-align: bottom; position: sticky; top: 0; background: #fff; z-index: 2; }
.map tbody th { text-align: left; white-space: nowrap; position: sticky; left: 0; background: #fff; z-index: 1; }
.map thead td { left: 0; z-index: 3; }
.map .words { display: block; font-weight: normal; font-size: 10px; color: #555; }
.map tbody th .words { display: inline; margin-left: 0.3em; }
.map td.none, .swatch.none { color: #aaa; background: #f4f4f4; }
.map td.na { text-align: center; color: #666; background: repeating-linear-gradient(135deg, #ccc 0 2px, #fff 2px 6px); }
.map abbr { text-decoration: none; }
.map td a:focus { outline: 2px solid #d62728; outline-offset: 0; }
.map td a:focus::after { content: attr(title); white-space: pre; position: absolute; left: 100%; top: 100%; z-index: 4; padding: 0.4rem 0.6rem; background: #fff; color: #111; border: 1px solid #444; text-align: left; font-size: 12px; }
@media print {
  @page { size: landscape; margin: 1cm; }
  body { margin: 0; font-size: 10px; }
  .map { font-size: 8px; }
  .grid { overflow: visible; max-height: none; border: 0; }
  .map thead th, .map thead td, .map tbody th { position: static; }
  #contrast-filters { display: none; }
  .contrasts summary, .contrasts .contrast-head { font-size: 9px; break-inside: avoid; }
})";

// `text` as one argument at the prompt, or nothing when it cannot be typed
// there as it is or the page shows it escaped.
std::optional<std::string> TypedArgument(os::CommandPrompt prompt, std::string_view text) {
  if (VisibleText(text) != text) return std::nullopt;
  return os::QuotedFor(prompt, text);
}

// "minpairs", the folder unless it is ".", the run's options, and "--";
// nothing when the folder or an option cannot be typed.
std::optional<std::string> CommandStart(const CommandPlace& place,
                                        const options::SearchOptions& options) {
  std::string start = "minpairs";
  if (place.folder != ".") {
    // The command line makes "" of the root folder "/".
    const auto folder = TypedArgument(place.prompt, place.folder.empty() ? "/" : place.folder);
    if (!folder) return std::nullopt;
    start += " --dir ";
    start += *folder;
  }
  const auto named = search::options::CommandOptions(options);
  if (!named) return std::nullopt;
  for (const auto& [name, value] : *named) {
    start += ' ';
    start += name;
    if (value.empty()) continue;  // an option without a value
    const auto typed = TypedArgument(place.prompt, value);
    if (!typed) return std::nullopt;
    start += ' ';
    start += *typed;
  }
  return start + " --";
}

std::string_view PromptName(os::CommandPrompt prompt) {
  return prompt == os::CommandPrompt::kCmd ? "the Windows command prompt, cmd.exe"
                                           : "a POSIX shell such as bash";
}

// The symbol as an argument of the command, when `minpairs` takes it as typed:
// it must be typable at the prompt and allowed in a file name. A symbol of a
// Windows-1252 list, typed as shown, converts back to the list's bytes.
std::optional<std::string> SymbolArgument(const std::string& shown, os::CommandPrompt prompt) {
  try {
    os::CheckSymbolForFileName(shown, "first");
  } catch (const texts::SearchError&) {
    return std::nullopt;
  }
  return TypedArgument(prompt, shown);
}

// Counts from `starts[k]` take shade k; the starts rise on a logarithmic scale
// from 1 to the largest count.
class ShadeScale final {
 public:
  explicit ShadeScale(std::int64_t largest) : largest_(largest) {
    if (largest < 1) return;
    const auto steps = static_cast<double>(kShades.size());
    for (std::size_t k = 0; k < kShades.size(); ++k) {
      const auto start = std::max<std::int64_t>(
          1, std::llround(std::pow(static_cast<double>(largest), static_cast<double>(k) / steps)));
      if (starts_.empty() || start > starts_.back()) starts_.push_back(start);
    }
  }

  [[nodiscard]] std::size_t size() const { return starts_.size(); }
  // The class name of the shade of range k; shades spread over the palette.
  [[nodiscard]] std::size_t Shade(std::size_t range) const {
    return size() == 1 ? kShades.size() - 1 : range * (kShades.size() - 1) / (size() - 1);
  }
  [[nodiscard]] std::size_t RangeOf(std::int64_t count) const {
    return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), count) -
                                    starts_.begin()) -
           1;
  }
  [[nodiscard]] std::string RangeText(std::size_t range) const {
    const std::int64_t last = range + 1 < size() ? starts_[range + 1] - 1 : largest_;
    const std::string first = std::to_string(starts_[range]);
    return last == starts_[range] ? first : first + "–" + std::to_string(last);
  }

 private:
  std::int64_t largest_;
  std::vector<std::int64_t> starts_;
};

// The positions of the words that the page shows: the contrasts' word pairs
// and the cells' first pairs.
std::vector<std::int32_t> ShownPositions(const Survey& survey) {
  std::vector<std::int32_t> positions;
  for (const Contrast& contrast : survey.contrasts) {
    for (const WordPair& pair : contrast.examples) {
      positions.push_back(pair.earlier_word);
      positions.push_back(pair.later_word);
    }
  }
  for (const std::vector<SurveyPair>& cell : survey.examples) {
    for (const SurveyPair& pair : cell) {
      positions.push_back(pair.first_word);
      positions.push_back(pair.second_word);
    }
  }
  return positions;
}

std::string ShadeRules() {
  std::string rules;
  for (std::size_t k = 0; k < kShades.size(); ++k) {
    const std::string name = ".s" + std::to_string(k);
    rules += name + " { background: " + std::string(kShades[k]) + ";" +
             (k >= kShades.size() / 2 ? " color: #fff;" : "") + " }\n";
  }
  return rules;
}

// The hover and focus text of a cell with pairs, escaped for an attribute.
std::string CellDetails(const PageContext& page, std::size_t first, std::size_t second) {
  const Survey& survey = page.survey;
  const std::int64_t count = survey.Count(first, second);
  std::string details = page.titled[first] + " for " + page.titled[second] + ": " +
                        std::to_string(count) + (count == 1 ? " minimal pair" : " minimal pairs");
  for (const SurveyPair& pair : survey.Examples(first, second)) {
    details += '\n';  // appended piece by piece: GCC 12 warns wrongly on "\n" + string
    details += WordText(page, pair.first_word);
    details += "  –  ";
    details += WordText(page, pair.second_word);
  }
  if (count > static_cast<std::int64_t>(survey.Examples(first, second).size())) details += "\n…";
  if (const auto command = CommandFor(page, first, second)) details += "\nAll of them: " + *command;
  return EscapedForHtml(details);
}

std::string Cell(const PageContext& page, const ShadeScale& scale, std::size_t first,
                 std::size_t second) {
  if (first == second) return R"(<td class="na"><abbr title="not applicable">n/a</abbr></td>)";
  const std::int64_t count = page.survey.Count(first, second);
  if (count == 0) return R"(<td class="none">0</td>)";
  // Both cells of a contrast link to its row in the list.
  return R"(<td class="s)" + std::to_string(scale.Shade(scale.RangeOf(count))) + R"("><a href="#)" +
         ContrastId(std::min(first, second), std::max(first, second)) + R"(" title=")" +
         CellDetails(page, first, second) + "\">" + std::to_string(count) + "</a></td>";
}

// The options that change which words take part, for the title: " (# _; strip
// 012)", or "" without any.
std::string OptionsInTitle(const options::SearchOptions& options) {
  std::string named;
  for (const std::string& option : options.NamedInFiles()) {
    named += named.empty() ? " (" : "; ";
    named += option;
  }
  return named.empty() ? named : named + ")";
}

void WriteHead(const std::string& title, os::OutputFile& file) {
  file.WriteLine("<!DOCTYPE html>");
  file.WriteLine("<html lang=\"en\">");
  file.WriteLine("<head>");
  file.WriteLine("<meta charset=\"utf-8\">");
  // Nothing but the page itself: any request elsewhere would be an error.
  file.WriteLine(
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
      "style-src 'unsafe-inline'; script-src " +
      SurveyPageScriptSource() + " " + PairListScriptSource() + "\">");
  file.WriteLine(R"(<meta name="viewport" content="width=device-width, initial-scale=1">)");
  file.WriteLine("<title>" + title + "</title>");
  file.WriteLine("<style>");
  file.WriteLine(kStyle);
  file.WriteLine(kContrastListStyle);
  file.WriteLine(kPairListStyle);
  file.WriteLine(kPracticeSheetStyle);
  file.WriteLine(ShadeRules() + "</style>");
  file.WriteLine("</head>");
}

// The entropy of the words before any merger, H1, over types and over tokens.
std::string EntropyInProse(const SurveyLoads& loads) {
  if (!loads.has_entropies) return "";
  std::string text = " The entropy H1 of the words is " +
                     texts::EightDigitText(loads.types_entropy) + " bits over types and ";
  text += loads.tokens_entropy ? texts::EightDigitText(*loads.tokens_entropy) + " bits over tokens."
                               : "not measured over tokens, without a frequency column.";
  return text;
}

void WriteIntroduction(const PageContext& page, const std::string& title,
                       const options::SearchOptions& options, os::CommandPrompt prompt,
                       os::OutputFile& file) {
  const Survey& survey = page.survey;
  file.WriteLine("<h1>" + title + "</h1>");
  file.WriteLine(
      "<p>" +
      EscapedForHtml(texts::SurveySummaryText(survey.size(), survey.SymbolPairsWithPairs(),
                                              survey.MinimalPairs()) +
                     search::options::OptionsInProse(options) + EntropyInProse(page.loads)) +
      "</p>");
  file.WriteLine(
      "<p>First the contrasts, ranked by their word pairs, then every ordered pair of symbols "
      "as a grid. " +
      (page.command_start ? "The commands are for " + std::string(PromptName(prompt)) +
                                "; run them in the folder where the survey ran."
                          : "The folder or the options of the survey cannot be typed safely at " +
                                std::string(PromptName(prompt)) + ", so no commands are shown.") +
      "</p>");
}

void WriteLegend(const ShadeScale& scale, os::OutputFile& file) {
  if (scale.size() == 0) return;
  file.WriteLine(
      "<div class=\"legend\"><span id=\"legend\">Minimal pairs in a cell:</span>"
      "<ul aria-labelledby=\"legend\">");
  file.WriteLine("<li><span class=\"swatch none\"></span>0</li>");
  for (std::size_t range = 0; range < scale.size(); ++range) {
    file.WriteLine("<li><span class=\"swatch s" + std::to_string(scale.Shade(range)) +
                   "\"></span>" + scale.RangeText(range) + "</li>");
  }
  file.WriteLine("</ul></div>");
}

void WriteMap(const PageContext& page, const ShadeScale& scale, os::OutputFile& file) {
  const Survey& survey = page.survey;
  file.WriteLine("<h2 id=\"grid-title\">Every ordered pair of symbols</h2>");
  file.WriteLine(
      "<p>Each row is a first symbol and each column a second symbol. A cell counts the "
      "pairs of words in which the second word becomes the first when its second symbol is "
      "replaced by the first symbol, as <code>minpairs</code> finds them, a word written twice "
      "counting twice. Point at a cell, or move to it with the Tab key, to see its first pairs "
      "and the command that lists them all; follow it to the contrast in the list.</p>");
  WriteLegend(scale, file);
  file.WriteLine(R"(<div class="grid" role="region" aria-labelledby="grid-title" tabindex="0">)");
  file.WriteLine("<table class=\"map\">");
  file.WriteLine(
      "<caption>Minimal pairs by first symbol (rows) and second symbol (columns); the small "
      "numbers are the words that hold each symbol.</caption>");
  std::string line = "<thead><tr><td></td>";
  for (std::size_t n = 0; n < survey.size(); ++n) {
    line += "<th scope=\"col\">" + page.shown[n] + "<span class=\"words\">" +
            std::to_string(survey.word_counts[n]) + "</span></th>";
  }
  file.WriteLine(line + "</tr></thead>");
  file.WriteLine("<tbody>");
  for (std::size_t first = 0; first < survey.size(); ++first) {
    line = "<tr><th scope=\"row\">" + page.shown[first] + "<span class=\"words\">" +
           std::to_string(survey.word_counts[first]) + "</span></th>";
    for (std::size_t second = 0; second < survey.size(); ++second) {
      line += Cell(page, scale, first, second);
    }
    file.WriteLine(line + "</tr>");
  }
  file.WriteLine("</tbody>");
  file.WriteLine("</table>");
  file.WriteLine("</div>");
}

}  // namespace

std::optional<std::string> PairsCommand(const CommandPlace& place, std::string_view first,
                                        std::string_view second) {
  const auto start = CommandStart(place, {});
  const auto first_argument = TypedArgument(place.prompt, first);
  const auto second_argument = TypedArgument(place.prompt, second);
  if (!start || !first_argument || !second_argument) return std::nullopt;
  return *start + " " + *first_argument + " " + *second_argument;
}

std::string WordText(const PageContext& page, std::int32_t position) {
  std::string transcription = VisibleText(
      ShownText(page.words.read.Trimmed(static_cast<std::size_t>(position)), page.encoding));
  const std::string_view spellings = page.homophones.Spellings(position);
  if (spellings.empty()) return transcription;
  return VisibleText(ShownText(spellings, page.encoding)) + " (" + transcription + ")";
}

std::string ContrastId(std::size_t earlier, std::size_t later) {
  // Built by appending: GCC 12 misreads "c" + std::to_string(...) as an overlapping copy.
  std::string id = "c";
  id += std::to_string(earlier);
  id += '-';
  id += std::to_string(later);
  return id;
}

std::optional<std::string> CommandFor(const PageContext& page, std::size_t first,
                                      std::size_t second, bool both_ways) {
  const std::optional<std::string>& start = both_ways ? page.both_ways_start : page.command_start;
  if (!start || !page.arguments[first] || !page.arguments[second]) return std::nullopt;
  return *start + " " + *page.arguments[first] + " " + *page.arguments[second];
}

void WriteSurveyPage(const Survey& survey, const SurveyLoads& loads, const PageWords& words,
                     texts::TextEncoding encoding, const CommandPlace& commands,
                     const options::SearchOptions& options, os::OutputFile& file) {
  options::SearchOptions both_ways = options;
  both_ways.both_ways = true;
  Homophones homophones(words.read, words.columns, ShownPositions(survey));
  PageContext page{survey,
                   loads,
                   words,
                   encoding,
                   {},
                   {},
                   CommandStart(commands, options),
                   {},
                   CommandStart(commands, both_ways),
                   std::move(homophones)};
  for (const std::string& symbol : survey.symbols) {
    const std::string shown = ShownText(symbol, encoding);
    page.titled.push_back(VisibleText(shown));
    page.shown.push_back(EscapedForHtml(page.titled.back()));
    page.arguments.push_back(SymbolArgument(shown, commands.prompt));
  }
  const ShadeScale scale(survey.pair_counts.empty() ? 0
                                                    : *std::max_element(survey.pair_counts.begin(),
                                                                        survey.pair_counts.end()));
  const std::string title = EscapedForHtml(
      VisibleText("Minimal pairs of every pair of symbols" + OptionsInTitle(options)));
  WriteHead(title, file);
  file.WriteLine("<body>");
  WriteIntroduction(page, title, options, commands.prompt, file);
  WriteContrastList(page, file);
  WriteMap(page, scale, file);
  // Last, so that the list it sorts and filters is there; the hash in the
  // Content-Security-Policy allows exactly this text.
  file.WriteLine("<script>" + std::string(kSurveyPageScript) + "</script>");
  file.WriteLine("<script>" + std::string(kPairListScript) + "</script>");
  file.WriteLine("</body>");
  file.WriteLine("</html>");
}

}  // namespace search::survey
