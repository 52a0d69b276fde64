#include "search/survey/survey_load_table.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "search/survey/load_keys.h"
#include "search/survey/same_difference_pairs.h"
#include "search/survey/survey_places.h"
#include "search/survey/survey_report.h"
#include "search/survey/symbol_sequences.h"
#include "search/texts/decimal_text.h"

namespace search::survey {
namespace {

std::uint64_t PlacesKey(std::size_t earlier, std::size_t later) {
  return std::uint64_t{earlier} << 32 | later;
}

// Each distinct transcription once, with the sum of its lines' frequencies.
LoadWords LoadWordsOf(const SymbolSequences& sequences,
                      const std::function<double(std::size_t)>& frequency) {
  LoadWords words;
  words.id_count = sequences.symbol_count() + 1;
  words.words.reserve(sequences.size());
  for (std::size_t word = 0; word < sequences.size(); ++word)
    words.words.push_back(sequences[word]);
  if (!frequency) return words;
  words.frequencies.reserve(sequences.size());
  for (std::size_t word = 0; word < sequences.size(); ++word) {
    double sum = 0;
    for (std::int32_t at = sequences.first_position(word); at != SymbolSequences::kNoPosition;
         at = sequences.next_copy(at)) {
      sum += frequency(static_cast<std::size_t>(at));
    }
    words.frequencies.push_back(sum);
  }
  return words;
}

// Of each word, the symbols with a place that fits: those it counts for.
struct FittingSymbols {
  std::vector<std::uint16_t> ids;
  std::vector<SymbolIds> words;
};

FittingSymbols FittingSymbolsOf(const LoadWords& words, SurveyPlaces& places) {
  FittingSymbols fitting;
  std::vector<std::size_t> ends;
  for (const SymbolIds word : words.words) {
    places.Take(word);
    for (const std::uint16_t id : word) {
      if (places.AnyFits(id)) fitting.ids.push_back(id);
    }
    ends.push_back(fitting.ids.size());
  }
  std::size_t start = 0;
  for (const std::size_t end : ends) {
    fitting.words.push_back(SymbolIds(fitting.ids).subspan(start, end - start));
    start = end;
  }
  return fitting;
}

// Within contexts: the pairs whose differing places fit, and no entropies.
FunctionalLoads CountWithin(const LoadWords& words, SurveyPlaces& places) {
  std::size_t taken = std::numeric_limits<std::size_t>::max();
  const PlacesFit fits = [&](std::size_t word, std::span<const std::size_t> at) {
    if (word != taken) places.Take(words.words[word]), taken = word;
    return places.AllFit(at);
  };
  const PairTallies pairs =
      CountSameDifferencePairs(words.words, words.id_count, kMaxKeyedPlaces, fits);
  FunctionalLoads loads;
  for (std::size_t high = 1; high < words.id_count; ++high) {
    for (std::size_t low = 0; low < high; ++low) {
      const auto a = static_cast<std::uint16_t>(low), b = static_cast<std::uint16_t>(high);
      const std::size_t cell = PairCell(a, b);
      if (pairs.same_difference[cell] == 0) continue;
      ContrastLoad& load = loads.contrasts.emplace_back();
      load.first = a;
      load.second = b;
      load.one_place_pairs = pairs.one_place[cell];
      load.same_difference_pairs = pairs.same_difference[cell];
    }
  }
  return loads;
}

// Makes the rows from the loads by pair of ids.
class RowMaker final {
 public:
  RowMaker(const Survey& survey, const WordLoads& words)
      : place_of_(words.symbols.size(), kNoPlace),
        id_of_(survey.size()),
        symbol_words_(words.symbol_words),
        has_frequencies_(words.loads.tokens_entropy.has_value()) {
    std::unordered_map<std::string_view, std::size_t> places;
    for (std::size_t place = 0; place < survey.size(); ++place) {
      places[survey.symbols[place]] = place;
    }
    for (std::size_t id = 1; id < place_of_.size(); ++id) {
      const auto found = places.find(words.symbols[id]);
      if (found == places.end()) continue;
      place_of_[id] = found->second;
      id_of_[found->second] = static_cast<std::uint16_t>(id);
    }
    for (const ContrastLoad& load : words.loads.contrasts) {
      by_cell_[PairCell(load.first, load.second)] = &load;
    }
  }

  void AddSurveyed(const Contrast& contrast, std::vector<LoadRow>& rows) {
    rows.push_back(Row(id_of_[contrast.earlier], id_of_[contrast.later], contrast.word_pairs));
    made_.insert(PairCell(id_of_[contrast.earlier], id_of_[contrast.later]));
  }

  // The loads' contrasts of two symbols of the table not made yet.
  void AddOthers(const FunctionalLoads& loads, std::vector<LoadRow>& rows) {
    const std::size_t first_other = rows.size();
    for (const ContrastLoad& load : loads.contrasts) {
      if (place_of_[load.first] == kNoPlace || place_of_[load.second] == kNoPlace ||
          made_.contains(PairCell(load.first, load.second))) {
        continue;
      }
      rows.push_back(Row(load.first, load.second, 0));
    }
    std::sort(rows.begin() + static_cast<std::ptrdiff_t>(first_other), rows.end(),
              [](const LoadRow& x, const LoadRow& y) {
                return std::pair(x.earlier, x.later) < std::pair(y.earlier, y.later);
              });
  }

 private:
  static constexpr std::size_t kNoPlace = std::numeric_limits<std::size_t>::max();

  LoadRow Row(std::uint16_t a, std::uint16_t b, std::int64_t every_place_pairs) const {
    LoadRow row;
    row.earlier = std::min(place_of_[a], place_of_[b]);
    row.later = std::max(place_of_[a], place_of_[b]);
    row.every_place_pairs = every_place_pairs;
    const std::size_t cell = PairCell(a, b);
    const auto found = by_cell_.find(cell);
    if (found != by_cell_.end()) {
      row.load = *found->second;
    } else {
      std::tie(row.load.first, row.load.second) = std::minmax(a, b);
      if (has_frequencies_) row.load.tokens_delta = row.load.tokens_normalised = 0.0;
    }
    row.load.words_with_either =
        symbol_words_.with[a] + symbol_words_.with[b] - symbol_words_.both[cell];
    return row;
  }

  std::vector<std::size_t> place_of_;  // by id
  std::vector<std::uint16_t> id_of_;   // by place
  const SymbolWords& symbol_words_;
  bool has_frequencies_;
  std::unordered_map<std::size_t, const ContrastLoad*> by_cell_;
  std::unordered_set<std::size_t> made_;
};

void AppendNumber(std::string& line, const std::optional<double>& value) {
  line += '\t';
  if (value) line += texts::EightDigitText(*value);
}

}  // namespace

void SurveyLoads::IndexRows() {
  row_of_.clear();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    row_of_[PlacesKey(rows[row].earlier, rows[row].later)] = row;
  }
}

const LoadRow* SurveyLoads::Find(std::size_t earlier, std::size_t later) const {
  const auto found = row_of_.find(PlacesKey(earlier, later));
  return found == row_of_.end() ? nullptr : &rows[found->second];
}

WordLoads MeasureWordLoads(const LoadInput& input) {
  const SymbolSequences sequences(input.matched, input.list_name);
  const LoadWords words = LoadWordsOf(sequences, input.frequency);
  SurveyPlaces places(sequences, input.rule);
  WordLoads measured;
  measured.has_entropies = input.rule == nullptr;
  measured.loads =
      input.rule != nullptr ? CountWithin(words, places) : MeasureFunctionalLoads(words);
  measured.symbol_words =
      input.rule != nullptr
          ? CountSymbolWords(FittingSymbolsOf(words, places).words, words.id_count)
          : CountSymbolWords(words.words, words.id_count);
  for (std::size_t id = 0; id < words.id_count; ++id) {
    measured.symbols.emplace_back(sequences.symbol(static_cast<std::uint16_t>(id)));
  }
  return measured;
}

SurveyLoads SurveyLoadsOf(const Survey& survey, const WordLoads& words) {
  SurveyLoads result;
  result.has_entropies = words.has_entropies;
  result.types_entropy = words.loads.types_entropy;
  result.tokens_entropy = words.loads.tokens_entropy;
  RowMaker maker(survey, words);
  for (const Contrast& contrast : survey.contrasts) maker.AddSurveyed(contrast, result.rows);
  maker.AddOthers(words.loads, result.rows);
  result.IndexRows();
  return result;
}

void WriteLoadTable(const Survey& survey, const SurveyLoads& loads, texts::TextEncoding encoding,
                    os::OutputFile& file) {
  file.WriteLine(
      "first\tsecond\tone-place pairs\tsame-difference pairs\tevery-place pairs\t"
      "words with either\tdelta H types\tdelta H types normalised\tdelta H tokens\t"
      "delta H tokens normalised\ttrigram delta H normalised");
  std::string line;
  for (const LoadRow& row : loads.rows) {
    const ContrastLoad& load = row.load;
    line.clear();
    texts::AppendTsvField(line, ShownText(survey.symbols[row.earlier], encoding));
    line += '\t';
    texts::AppendTsvField(line, ShownText(survey.symbols[row.later], encoding));
    for (const std::int64_t count : {load.one_place_pairs, load.same_difference_pairs,
                                     row.every_place_pairs, load.words_with_either}) {
      (line += '\t') += std::to_string(count);
    }
    const bool measured = loads.has_entropies;
    AppendNumber(line, measured ? std::optional(load.types_delta) : std::nullopt);
    AppendNumber(line, measured ? std::optional(load.types_normalised) : std::nullopt);
    AppendNumber(line, measured ? load.tokens_delta : std::nullopt);
    AppendNumber(line, measured ? load.tokens_normalised : std::nullopt);
    AppendNumber(line, measured ? std::optional(load.trigrams_normalised) : std::nullopt);
    file.WriteLine(line);
  }
}

}  // namespace search::survey
