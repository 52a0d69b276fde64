#include "search/survey/survey_page_pairs.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "search/pairs/place_positions.h"
#include "search/survey/survey_report.h"

namespace search::survey {

const std::string_view kPairListStyle =
    R"(.contrasts pre.pairs { font: inherit; margin: 0.2rem 0 0.4rem 1.8rem; tab-size: 16; overflow-x: auto; }
.contrasts .pair-tools { display: flex; flex-wrap: wrap; gap: 0.3rem 1.2rem; align-items: center; margin: 0.3rem 0 0 1.8rem; }
.contrasts th button { font: inherit; color: inherit; background: none; border: 0; padding: 0; cursor: pointer; text-decoration: underline dotted; }
.contrasts th[aria-sort="descending"] button::after { content: " \25BC"; }
.contrasts th[aria-sort="ascending"] button::after { content: " \25B2"; }
.contrasts td.frequency { text-align: right; }
#contrast-filters select { font: inherit; }
#practice-sheet { display: none; }
@media print {
  #contrast-filters, .pair-tools button, .contrasts details p code { display: none !important; }
  .contrasts summary, .contrasts .contrast-head { font-size: 10pt; }
  .contrasts table, .contrasts pre.pairs { font-size: 9pt; }
  #grid-title, #grid-title ~ * { display: none !important; }
  html.printing-sheet body > * { display: none !important; }
  html.printing-sheet body > #practice-sheet { display: block !important; }
})";

namespace {

// Where two words differ: the frame, their shared symbols with "_" where they
// differ, and the positions of those places in the words.
struct Difference {
  std::string frame;
  std::string positions;
};

Difference DifferenceOf(std::string_view one, std::string_view other) {
  Difference difference;
  for (std::size_t start = 0;;) {
    const std::size_t one_end = std::min(one.find(' ', start), one.size());
    const std::size_t other_end = other.find(' ');
    const std::string_view symbol = one.substr(start, one_end - start);
    if (symbol == other.substr(0, other_end)) {
      difference.frame += symbol;
    } else {
      difference.frame += '_';
      pairs::AppendPlacePosition(difference.positions, one, start, one_end);
    }
    if (one_end == one.size() || other_end == std::string_view::npos) return difference;
    difference.frame += ' ';
    start = one_end + 1;
    other.remove_prefix(other_end + 1);
  }
}

// A field of a line: shown as messages show it, so that it holds no tab or
// line break, and escaped for the page.
std::string Field(std::string_view bytes, texts::TextEncoding encoding) {
  return EscapedForHtml(VisibleText(ShownText(bytes, encoding)));
}

// A word's fields: its spellings and its transcription, or the transcription.
std::string WordFields(const PageContext& page, std::int32_t position) {
  std::string fields;
  if (page.words.columns.spelling) {
    fields = Field(page.homophones.Spellings(position), page.encoding) + '\t';
  }
  return fields + Field(page.words.read.Trimmed(static_cast<std::size_t>(position)), page.encoding);
}

std::string HeaderLine(const PageContext& page, const Contrast& contrast) {
  const bool spelled = page.words.columns.spelling.has_value();
  std::string line;
  for (const std::size_t symbol : {contrast.earlier, contrast.later}) {
    line += "With " + page.shown[symbol] + '\t';
    if (spelled) line += "Transcription\t";
  }
  line += "Frame\tPosition";
  if (page.words.columns.frequency) line += "\tFrequency";
  return line;
}

}  // namespace

std::string FrequencyText(double frequency) {
  std::array<char, 400> text{};  // DBL_MAX in fixed notation has 309 digits
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), frequency, std::chars_format::fixed);
  return {text.data(), written.ptr};
}

std::string PairFilterFields(const PageContext& page) {
  std::string fields =
      "<label>Position <select id=\"position-filter\"><option value=\"\">any</option>"
      "<option>initial</option><option>medial</option><option>final</option></select></label>"
      "<label>At most <input id=\"length-filter\" type=\"number\" min=\"1\" step=\"1\"> "
      "symbols a word</label>";
  if (page.words.columns.frequency) {
    fields +=
        "<label>Frequency at least <input id=\"frequency-filter\" type=\"number\" min=\"0\" "
        "step=\"any\"></label>";
  }
  return fields;
}

void WriteWordPairs(const PageContext& page, const Contrast& contrast, os::OutputFile& file) {
  file.WriteLine(R"(<pre class="pairs" data-spelled=")" +
                 std::string(page.words.columns.spelling ? "yes" : "no") + "\">" +
                 HeaderLine(page, contrast));
  std::string line;
  for (const WordPair& pair : contrast.examples) {
    // Where the words differ as matched: a fold may make other symbols alike.
    const Difference difference =
        DifferenceOf(page.words.matched.Trimmed(static_cast<std::size_t>(pair.earlier_word)),
                     page.words.matched.Trimmed(static_cast<std::size_t>(pair.later_word)));
    line = WordFields(page, pair.earlier_word) + '\t' + WordFields(page, pair.later_word) + '\t' +
           Field(difference.frame, page.encoding) + '\t' + difference.positions;
    if (page.words.columns.frequency) {
      line += '\t' + FrequencyText(std::min(page.homophones.Frequency(pair.earlier_word),
                                            page.homophones.Frequency(pair.later_word)));
    }
    file.WriteLine(line);
  }
  file.WriteLine("</pre>");
}

}  // namespace search::survey
