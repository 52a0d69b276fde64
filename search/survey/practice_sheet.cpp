#include "search/survey/practice_sheet.h"

#include <algorithm>
#include <numeric>

#include "search/lexicon/lexicon_format.h"
#include "search/survey/survey_page.h"
#include "search/survey/survey_report.h"

namespace search::survey {

// Letter's printable height, the smaller, holds the title and six rows of
// two cards: 12 + 6 x 37 + 5 x 3.5 mm < 279.4 - 2 x 10 mm.
const std::string_view kPracticeSheetStyle =
    R"(.sheet { font-family: system-ui, "DejaVu Sans", sans-serif; color: #000; max-width: 190mm; }
.sheet h1 { font-size: 18pt; line-height: 1.2; font-weight: 600; margin: 0 0 4mm; }
.sheet + .sheet { break-before: page; margin-top: 8mm; }
.cards { display: grid; grid-template-columns: repeat(2, minmax(0, 1fr)); gap: 3.5mm; }
.card { break-inside: avoid; height: 37mm; box-sizing: border-box; overflow: hidden; border: 0.4mm solid #555; border-radius: 2mm; padding: 2mm; display: grid; grid-template-columns: repeat(2, minmax(0, 1fr)); gap: 2mm; }
.card > div { display: flex; flex-direction: column; align-items: center; text-align: center; min-width: 0; }
.card .spelled { font-size: 22pt; line-height: 1.1; overflow-wrap: anywhere; }
.card .sounds { font-size: 9pt; color: #333; }
.card .picture { flex: 1; align-self: stretch; margin-top: 1mm; border: 0.3mm dashed #888; border-radius: 1mm; }
@media print { @page sheet { size: portrait; margin: 10mm; } .sheet { page: sheet; max-width: none; } })";

namespace {

void AppendWord(std::string& html, const CardWord& word) {
  html += R"(<div><span class="spelled">)" + EscapedForHtml(word.spelled) + "</span>";
  if (!word.transcription.empty()) {
    html += R"(<span class="sounds">)" + EscapedForHtml(word.transcription) + "</span>";
  }
  html += R"(<span class="picture"></span></div>)";
}

// Fields were checked when the lexicon was read; an empty one is 0.
double FrequencyOf(const pairs::LexiconView& lexicon, std::int32_t position) {
  if (!lexicon.columns.frequency) return 0.0;
  const std::string_view typed = lexicon.columns.frequency->Of(lexicon.words.Text(), position);
  return typed.empty() ? 0.0 : lexicon::ParseFrequency(typed).value_or(0.0);
}

CardWord WordOf(const pairs::LexiconView& lexicon, std::int32_t position) {
  std::string transcription =
      VisibleText(ShownText(lexicon.words.Trimmed(position), lexicon.encoding));
  const std::string_view spelling =
      lexicon.columns.spelling ? lexicon.columns.spelling->Of(lexicon.words.Text(), position)
                               : std::string_view();
  if (spelling.empty()) return {std::move(transcription), {}};
  return {VisibleText(ShownText(spelling, lexicon.encoding)), std::move(transcription)};
}

}  // namespace

void WriteSheetSection(const SheetSection& section, os::OutputFile& file) {
  file.WriteLine("<section class=\"sheet\"><h1>" + EscapedForHtml(section.title) +
                 "</h1><div class=\"cards\">");
  std::string html;
  for (const SheetCard& card : section.cards) {
    html = R"(<div class="card">)";
    AppendWord(html, card.first);
    AppendWord(html, card.second);
    file.WriteLine(html + "</div>");
  }
  file.WriteLine("</div></section>");
}

void WritePracticeSheet(std::string_view page_title, std::span<const SheetSection> sections,
                        os::OutputFile& file) {
  file.WriteLine("<!DOCTYPE html>");
  file.WriteLine("<html lang=\"en\">");
  file.WriteLine("<head>");
  file.WriteLine("<meta charset=\"utf-8\">");
  // Nothing but the page itself, and no script.
  file.WriteLine(
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
      "style-src 'unsafe-inline'\">");
  file.WriteLine(R"(<meta name="viewport" content="width=device-width, initial-scale=1">)");
  file.WriteLine("<title>" + EscapedForHtml(page_title) + "</title>");
  file.WriteLine("<style>");
  file.WriteLine(
      "body { margin: 1.5rem; background: #fff; }\n@media print { body { margin: 0; } }");
  file.WriteLine(kPracticeSheetStyle);
  file.WriteLine("</style>");
  file.WriteLine("</head>");
  file.WriteLine("<body>");
  for (const SheetSection& section : sections) WriteSheetSection(section, file);
  file.WriteLine("</body>");
  file.WriteLine("</html>");
  file.Close();
}

std::vector<SheetCard> PracticeCards(const pairs::LexiconView& lexicon,
                                     std::span<const pairs::PairRow> rows) {
  std::vector<double> rarer(rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) {
    rarer[row] =
        std::min(FrequencyOf(lexicon, rows[row].first), FrequencyOf(lexicon, rows[row].second));
  }
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return rarer[a] > rarer[b]; });
  std::vector<SheetCard> cards;
  cards.reserve(rows.size());
  for (const std::size_t row : order) {
    cards.push_back({WordOf(lexicon, rows[row].first), WordOf(lexicon, rows[row].second)});
  }
  return cards;
}

}  // namespace search::survey
