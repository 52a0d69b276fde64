#include <algorithm>
#include <string>

#include "search/survey/survey_page.h"
#include "search/survey/survey_page_pairs.h"
#include "search/survey/survey_report.h"
#include "search/texts/decimal_text.h"

namespace search::survey {

const std::string_view kContrastListStyle =
    R"(.contrasts { max-width: 80rem; border-top: 1px solid #888; font-variant-numeric: tabular-nums; }
.contrast-head, .contrasts summary { display: grid; grid-template-columns: 1.2em repeat(2, minmax(3em, 7em)) repeat(6, 7.5em); gap: 0 0.6rem; align-items: end; padding: 0.15rem 0.3rem; }
.contrast-head { font-weight: 600; border-bottom: 1px solid #888; }
.contrast-head > :nth-child(n+4), .contrasts summary > :nth-child(n+4) { text-align: right; }
.contrast-head button { font: inherit; color: inherit; background: none; border: 0; padding: 0; cursor: pointer; text-align: inherit; text-decoration: underline dotted; }
.contrast-head [aria-sort="descending"] button::after { content: " \25BC"; }
.contrast-head [aria-sort="ascending"] button::after { content: " \25B2"; }
.contrasts details { border-bottom: 1px solid #e4e4e4; content-visibility: auto; contain-intrinsic-size: auto 1.6em; }
.contrasts summary { cursor: pointer; list-style: none; }
.contrasts summary::-webkit-details-marker { display: none; }
.contrasts summary .mark::before { content: "\25B8"; color: #555; }
.contrasts details[open] summary .mark::before { content: "\25BE"; }
.contrasts summary:hover { background: #f2f2f2; }
.contrasts summary:focus-visible { outline: 2px solid #d62728; outline-offset: -2px; }
.contrasts details:target > summary { background: #fff3b0; }
.contrasts table { border-collapse: collapse; margin: 0.2rem 0 0.4rem 1.8rem; }
.contrasts th, .contrasts td { text-align: left; padding: 1px 1.2em 1px 0; font-weight: normal; }
.contrasts th { color: #555; }
.contrasts td:nth-child(n+3) { color: #444; }
.contrasts details p { margin: 0 0 0.6rem 1.8rem; }
.contrasts code { white-space: nowrap; }
#contrast-filters { display: flex; flex-wrap: wrap; align-items: center; gap: 0.5rem 1.5rem; margin: 0.5rem 0; }
#contrast-filters[hidden] { display: none; }
#contrast-filters input { font: inherit; width: 6em; })";

namespace {

std::string Cell(const std::string& text) { return "<span>" + text + "</span>"; }

// The normalised change of entropy the list shows: over tokens where there
// are frequencies, else over types; nothing within contexts.
std::string LoadCell(const PageContext& page, const LoadRow* row) {
  if (row == nullptr || !page.loads.has_entropies) return Cell("");
  const ContrastLoad& load = row->load;
  return Cell(texts::EightDigitText(load.tokens_normalised.value_or(load.types_normalised)));
}

void WriteRow(const PageContext& page, const Contrast& contrast, os::OutputFile& file) {
  const std::string& earlier = page.shown[contrast.earlier];
  const std::string& later = page.shown[contrast.later];
  const LoadRow* row = page.loads.Find(contrast.earlier, contrast.later);
  file.WriteLine(R"(<details id=")" + ContrastId(contrast.earlier, contrast.later) +
                 R"("><summary><span class="mark"></span>)" + Cell(earlier) + Cell(later) +
                 Cell(std::to_string(contrast.word_pairs)) +
                 Cell(std::to_string(contrast.words_with_earlier)) +
                 Cell(std::to_string(contrast.words_with_later)) +
                 Cell(std::to_string(contrast.words_with_both)) +
                 Cell(std::to_string(row == nullptr ? 0 : row->load.one_place_pairs)) +
                 LoadCell(page, row) + "</summary>");
  WriteWordPairs(page, contrast, file);
  const auto shown = static_cast<std::int64_t>(contrast.examples.size());
  std::string note = shown < contrast.word_pairs
                         ? "The first " + std::to_string(shown) + " of " +
                               std::to_string(contrast.word_pairs) + " word pairs."
                         : "All the word pairs.";
  if (const auto command = CommandFor(page, contrast.earlier, contrast.later, true)) {
    note += " Every pair, once: <code>" + EscapedForHtml(*command) + "</code>";
  }
  file.WriteLine("<p>" + note + "</p></details>");
}

std::string LoadHeading(const PageContext& page) {
  return page.loads.tokens_entropy ? "ΔH tokens, normalised" : "ΔH types, normalised";
}

// One line for each of the columns that SurveyOfFunctionalLoad.tsv shares.
void WriteLoadDefinitions(const PageContext& page, os::OutputFile& file) {
  std::string text =
      "<p><strong>One-place pairs</strong>: the pairs of words of one length that differ in "
      "one place only, one word holding the first symbol there and the other the second. <strong>" +
      LoadHeading(page) + "</strong>: ";
  if (!page.loads.has_entropies) {
    text +=
        "left empty, as contexts keep some places of the two symbols apart, and merging "
        "them only there is no merger of the two.";
  } else {
    text += page.loads.tokens_entropy
                ? "the share of the words' entropy (over the frequencies of the distinct "
                  "transcriptions) lost when the two symbols become one, (H1 − H2) / H1."
                : "the share of the words' entropy (log2 of the number of distinct "
                  "transcriptions) lost when the two symbols become one, (H1 − H2) / H1.";
  }
  file.WriteLine(text + " More measures are in <code>SurveyOfFunctionalLoad.tsv</code>.</p>");
}

}  // namespace

void WriteContrastList(const PageContext& page, os::OutputFile& file) {
  file.WriteLine("<h2 id=\"contrasts-title\">Contrasts by word pairs</h2>");
  file.WriteLine(
      std::string("<p>The word pairs of two symbols are the different pairs of words that "
                  "<code>minpairs</code> pairs for them one way or the other, each pair once; a "
                  "word is a distinct transcription, however often it is written") +
      (page.words.columns.spelling ? ", and its spellings are shown together (homophones are "
                                     "one word)"
                                   : "") +
      ". The words with each symbol are counted the same way. Open a row to see its word "
      "pairs, up to the first " +
      std::to_string(kShownPairsPerRow) +
      " in the list's order, each with its frame (the rest of the word, with _ where the two "
      "differ) and the position of that place in the word" +
      (page.words.columns.frequency ? ", and the frequency of the rarer word" : "") +
      ". The filters of position, length and frequency hide pairs within the rows open; "
      "a row's practice sheet prints its pairs that they leave as cards.</p>");
  WriteLoadDefinitions(page, file);
  file.WriteLine(
      "<form id=\"contrast-filters\" hidden><label>Symbol <input id=\"symbol-filter\" "
      "type=\"search\" autocomplete=\"off\" spellcheck=\"false\"></label><label>At least "
      "<input id=\"minimum-filter\" type=\"number\" min=\"0\" step=\"1\"> word pairs</label>" +
      PairFilterFields(page) +
      R"(<output id="contrasts-shown" aria-live="polite"></output></form>)");
  if (page.survey.contrasts.empty()) {
    file.WriteLine("<p>No two symbols make a minimal pair.</p>");
    return;
  }
  file.WriteLine(
      "<div id=\"contrast-list\" class=\"contrasts\" role=\"region\" "
      "aria-labelledby=\"contrasts-title\"><div class=\"contrast-head\"><span></span>"
      "<span data-column=\"1\">Symbol</span><span data-column=\"2\">Symbol</span>"
      "<span data-column=\"3\">Word pairs</span><span data-column=\"4\">Words with first</span>"
      "<span data-column=\"5\">Words with second</span><span data-column=\"6\">Words with "
      "both</span><span data-column=\"7\">One-place pairs</span><span data-column=\"8\">" +
      LoadHeading(page) + "</span></div>");
  for (const Contrast& contrast : page.survey.contrasts) WriteRow(page, contrast, file);
  file.WriteLine("</div>");
}

}  // namespace search::survey
