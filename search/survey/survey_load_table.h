// The survey's functional loads: the measures of functional_load.h for its
// contrasts, on its words, as SurveyOfFunctionalLoad.tsv and the page show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/contexts/places.h"
#include "search/lexicon/word_list.h"
#include "search/os/output_file.h"
#include "search/survey/functional_load.h"
#include "search/survey/survey.h"
#include "search/texts/encoding.h"

namespace search::survey {

inline constexpr std::string_view kSurveyLoadFile = "SurveyOfFunctionalLoad.tsv";

// One contrast's measures. Its load's ids are those of the words' symbols.
struct LoadRow {
  std::size_t earlier = 0;  // places of the two symbols in the survey's table
  std::size_t later = 0;
  std::int64_t every_place_pairs = 0;  // the contrast's word pairs
  ContrastLoad load;
};

struct SurveyLoads {
  // Those of SurveyOfContrasts.tsv in its order, then the others with a
  // same-difference pair or a change of entropy, by the places of their symbols.
  std::vector<LoadRow> rows;
  // Within contexts no merger is measured: the entropies are left out.
  bool has_entropies = true;
  double types_entropy = 0;
  std::optional<double> tokens_entropy;

  // Makes Find find the rows as they are now.
  void IndexRows();
  // The row of the contrast of the symbols at these places, or null.
  [[nodiscard]] const LoadRow* Find(std::size_t earlier, std::size_t later) const;

 private:
  std::unordered_map<std::uint64_t, std::size_t> row_of_;  // by the two places
};

// What the loads are measured on: the survey's words as matched (folded), each
// distinct transcription one word whose frequency is the sum of its lines'
// (`frequency` of a position, or none without frequencies); the contexts'
// rule, or null.
struct LoadInput {
  const lexicon::WordList& matched;
  const std::string& list_name;
  std::function<double(std::size_t position)> frequency;
  const contexts::PlaceRule* rule = nullptr;
};

// The measures of every pair of symbols, which need nothing of the survey, so
// that they are made while it counts.
struct WordLoads {
  FunctionalLoads loads;
  SymbolWords symbol_words;
  std::vector<std::string> symbols;  // by id, as the loads name them
  bool has_entropies = true;
};

// A pair counts within contexts when every place where its words differ fits,
// in each of the two words. Throws SearchError as the survey does for a list
// with too many symbols.
WordLoads MeasureWordLoads(const LoadInput& input);

// The rows of the survey's contrasts and of the others with a load.
SurveyLoads SurveyLoadsOf(const Survey& survey, const WordLoads& words);

// The header, then a row per contrast: its symbols, earlier first, the counts
// and the measures with eight significant digits; the entropies' cells are
// empty without them, the tokens' without frequencies.
void WriteLoadTable(const Survey& survey, const SurveyLoads& loads, texts::TextEncoding encoding,
                    os::OutputFile& file);

}  // namespace search::survey
