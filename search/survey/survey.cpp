#include "search/survey/survey.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <span>

#include "search/kit/hash_slots.h"
#include "search/survey/survey_places.h"
#include "search/survey/symbol_sequences.h"
#include "search/texts/search_error.h"
#include "search/texts/status_texts.h"

// How it counts. Let P(w, B) be the positions of word w at which the pair
// search's substitution replaces B: in each run of adjacent B's, those at even
// offsets from the run's start (the others lose their leading space to the
// replacement before them). Words w1 and w2 pair for first symbol A and second
// symbol B exactly when w2 holds B and w1 is w2 with A at P(w2, B). Each
// distinct word w2 and symbol B it holds then give:
//  - for each A that w2 holds, one first word, looked up among the distinct words;
//  - for every A that w2 does not hold at once, the first words that are w2
//    outside P(w2, B) and hold their A exactly at P(w2, B): an index keeps each
//    distinct word once per symbol it holds, with that symbol's places set aside.
// With contexts, a pair is kept when every place of P(w2, B) fits, which is a
// question about (w2, B) alone: the first word holds A at those places, with
// the same neighbours, so it is in A's restricted list. A word counts among
// the words with a symbol when some occurrence of it fits, as in its list.
namespace search::survey {
namespace {

using Ids = std::span<const std::uint16_t>;

constexpr std::uint16_t kAside = 0xFFFF;     // a position set aside in a key
constexpr std::uint16_t kNoSymbol = 0xFFFE;  // an id that no position holds

// One word's hash sum, its distinct non-empty symbols in order, and for each of
// them what setting all its positions aside adds to the sum.
class WordShape final {
 public:
  explicit WordShape(std::size_t width) : aside_(width), seen_(width) {}

  void Take(Ids word) {
    for (const std::uint16_t symbol : symbols_) aside_[symbol] = 0, seen_[symbol] = 0;
    symbols_.clear();
    sum_ = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const std::uint16_t id = word[i];
      const std::uint64_t value = PositionValue(i, id);
      sum_ += value;
      if (id == SymbolSequences::kEmpty) continue;
      if (seen_[id] == 0) seen_[id] = 1, symbols_.push_back(id);
      aside_[id] += PositionValue(i, kAside) - value;
    }
  }

  [[nodiscard]] std::uint64_t sum() const { return sum_; }
  [[nodiscard]] const std::vector<std::uint16_t>& symbols() const { return symbols_; }
  [[nodiscard]] std::uint64_t Aside(std::uint16_t symbol) const { return aside_[symbol]; }

 private:
  std::uint64_t sum_ = 0;
  std::vector<std::uint16_t> symbols_;
  std::vector<std::uint64_t> aside_;
  std::vector<std::uint8_t> seen_;
};

// The first few pairs of distinct words of one cell. Distinct words are
// numbered by first appearance, so these hold the first lines of the pairs file.
struct CellExamples {
  using DistinctPair = std::array<std::int32_t, 2>;
  std::array<DistinctPair, kSurveyExamplePairs> pairs{};
  std::size_t size = 0;

  void Offer(DistinctPair pair) {
    if (size == pairs.size() && pair >= pairs.back()) return;
    std::size_t at = size < pairs.size() ? size++ : pairs.size() - 1;
    pairs[at] = pair;
    for (; at > 0 && pairs[at] < pairs[at - 1]; --at) std::swap(pairs[at], pairs[at - 1]);
  }
};

// The first lines of a cell that hold different words, from its first pairs of
// distinct words as matched: a pair's lines come no earlier than its first line.
std::vector<SurveyPair> FirstLines(const CellExamples& cell, const ContrastCounter& contrasts) {
  std::vector<SurveyPair> lines;
  for (std::size_t n = 0; n < cell.size; ++n) {
    for (const std::int32_t first : contrasts.ReadCopies(cell.pairs[n][0], kSurveyExamplePairs)) {
      for (const std::int32_t second :
           contrasts.ReadCopies(cell.pairs[n][1], kSurveyExamplePairs)) {
        lines.push_back({first, second});
      }
    }
  }
  std::sort(lines.begin(), lines.end());
  lines.resize(std::min(lines.size(), kSurveyExamplePairs));
  return lines;
}

// A lookup to make for a second word and its symbol `second`: of the first
// words in the index when `first` is kAnyFirst, else of one distinct word.
struct Probe {
  std::uint64_t hash;
  std::int32_t second_word;
  std::uint16_t first;
  std::uint16_t second;
};
constexpr std::uint16_t kAnyFirst = kNoSymbol;

// Lookups are made in batches of about this many, so that their memory can be
// asked for ahead and the waits overlap: the tables are far larger than the
// processor's caches and are read at random.
constexpr std::size_t kBatch = 1024;

class PairCounter final {
 public:
  PairCounter(const SymbolSequences& words, const lexicon::WordList* read,
              const contexts::PlaceRule* rule)
      : words_(words),
        width_(words.symbol_count() + 1),
        shape_(width_),
        places_(words, rule),
        counts_(width_ * width_),
        examples_(width_ * width_),
        word_counts_(width_),
        contrasts_(words, read) {
    Index();
  }

  // Counts every pair whose second word is one of the distinct words from
  // `begin`; returns where it stopped.
  std::size_t CountBatch(std::size_t begin);

  [[nodiscard]] Survey Result() const;

 private:
  void Index();
  [[nodiscard]] std::uint16_t KeyAt(std::int32_t entry, std::size_t i) const {
    const std::uint16_t id = words_[entry_word_[entry]][i];
    return id == entry_symbol_[entry] ? kAside : id;
  }
  [[nodiscard]] bool SameKey(std::int32_t entry, std::int32_t other) const;
  [[nodiscard]] bool IsTurned(Ids ids, std::uint16_t aside, const Probe& probe,
                              std::uint16_t put) const;
  void AddProbes(std::size_t second_word);
  [[nodiscard]] const kit::HashSlots& Table(const Probe& probe) const {
    return probe.first == kAnyFirst ? keys_ : words_.distinct();
  }
  void Run(const Probe& probe);
  void Record(std::uint16_t first, std::uint16_t second, std::int32_t first_word,
              std::int32_t second_word);

  const SymbolSequences& words_;
  std::size_t width_;  // the number of ids, side of the tables indexed by id
  WordShape shape_;
  SurveyPlaces places_;
  // One index entry per distinct word and symbol it holds, keyed by the word
  // with that symbol's places set aside; entries with equal keys are chained.
  std::vector<std::int32_t> entry_word_;
  std::vector<std::uint16_t> entry_symbol_;
  std::vector<std::int32_t> next_entry_;
  kit::HashSlots keys_{0};
  std::vector<Probe> probes_;
  std::vector<std::size_t> replaced_;  // P(w2, B)
  std::vector<std::uint16_t> held_;    // the symbols of a word with a fitting place
  std::vector<std::int64_t> counts_;   // by (first id, second id)
  std::vector<CellExamples> examples_;
  std::vector<std::int64_t> word_counts_;  // by id
  ContrastCounter contrasts_;
};

void PairCounter::Index() {
  std::vector<std::uint64_t> hashes;
  for (std::size_t word = 0; word < words_.size(); ++word) {
    shape_.Take(words_[word]);
    places_.Take(words_[word]);
    held_.clear();
    for (const std::uint16_t symbol : shape_.symbols()) {
      if (!places_.AnyFits(symbol)) continue;
      held_.push_back(symbol);
      if (entry_word_.size() == std::numeric_limits<std::int32_t>::max()) {
        throw texts::SearchError("the word list is too large to survey");
      }
      word_counts_[symbol] += words_.copies(word);
      entry_word_.push_back(static_cast<std::int32_t>(word));
      entry_symbol_.push_back(symbol);
      hashes.push_back(FinishHash(shape_.sum() + shape_.Aside(symbol), words_[word].size()));
    }
    contrasts_.CountWord(word, held_);
  }
  keys_ = kit::HashSlots(hashes.size());
  next_entry_.assign(hashes.size(), kit::HashSlots::kNone);
  constexpr std::size_t kAhead = 16;
  for (std::size_t n = 0; n < hashes.size(); ++n) {
    if (n + kAhead < hashes.size()) {
      keys_.PrefetchFilter(hashes[n + kAhead]);
      keys_.PrefetchSlot(hashes[n + kAhead]);
    }
    const auto entry = static_cast<std::int32_t>(n);
    next_entry_[n] =
        keys_.Put(hashes[n], entry, [&](std::int32_t other) { return SameKey(entry, other); });
  }
}

bool PairCounter::SameKey(std::int32_t entry, std::int32_t other) const {
  const std::size_t length = words_[entry_word_[entry]].size();
  if (words_[entry_word_[other]].size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (KeyAt(entry, i) != KeyAt(other, i)) return false;
  }
  return true;
}

// Whether `ids`, reading `aside` as set aside, are the probe's second word with
// `put` in the places where its symbol is replaced.
bool PairCounter::IsTurned(Ids ids, std::uint16_t aside, const Probe& probe,
                           std::uint16_t put) const {
  const Ids word = words_[static_cast<std::size_t>(probe.second_word)];
  if (ids.size() != word.size()) return false;
  bool replaced_before = false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const bool replaced = word[i] == probe.second && !replaced_before;
    replaced_before = replaced;
    if ((ids[i] == aside ? kAside : ids[i]) != (replaced ? put : word[i])) return false;
  }
  return true;
}

void PairCounter::AddProbes(std::size_t second_word) {
  const Ids word = words_[second_word];
  const auto at = static_cast<std::int32_t>(second_word);
  shape_.Take(word);
  places_.Take(word);
  for (const std::uint16_t second : shape_.symbols()) {
    replaced_.clear();
    std::uint64_t key_sum = shape_.sum();
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (word[i] != second || (!replaced_.empty() && replaced_.back() + 1 == i)) continue;
      key_sum += PositionValue(i, kAside) - PositionValue(i, second);
      replaced_.push_back(i);
    }
    if (!places_.AllFit(replaced_)) continue;
    // First symbols that the word does not hold: the index entries name them.
    probes_.push_back({FinishHash(key_sum, word.size()), at, kAnyFirst, second});
    // First symbols that it holds: the first word is known; is it in the list?
    for (const std::uint16_t first : shape_.symbols()) {
      if (first == second) continue;
      std::uint64_t sum = shape_.sum();
      for (const std::size_t i : replaced_)
        sum += PositionValue(i, first) - PositionValue(i, second);
      probes_.push_back({FinishHash(sum, word.size()), at, first, second});
    }
  }
}

void PairCounter::Run(const Probe& probe) {
  if (probe.first != kAnyFirst) {
    const std::int32_t first_word = words_.distinct().Find(probe.hash, [&](std::int32_t word) {
      return IsTurned(words_[static_cast<std::size_t>(word)], kNoSymbol, probe, probe.first);
    });
    if (first_word != kit::HashSlots::kNone) {
      Record(probe.first, probe.second, first_word, probe.second_word);
    }
    return;
  }
  const std::int32_t head = keys_.Find(probe.hash, [&](std::int32_t entry) {
    return IsTurned(words_[entry_word_[entry]], entry_symbol_[entry], probe, kAside);
  });
  for (std::int32_t entry = head; entry != kit::HashSlots::kNone; entry = next_entry_[entry]) {
    const std::uint16_t first = entry_symbol_[entry];
    if (first != probe.second) Record(first, probe.second, entry_word_[entry], probe.second_word);
  }
}

std::size_t PairCounter::CountBatch(std::size_t begin) {
  probes_.clear();
  std::size_t end = begin;
  while (end < words_.size() && probes_.size() < kBatch) AddProbes(end++);
  for (const Probe& probe : probes_) Table(probe).PrefetchFilter(probe.hash);
  std::size_t kept = 0;
  for (const Probe& probe : probes_) {
    if (!Table(probe).MayHold(probe.hash)) continue;
    Table(probe).PrefetchSlot(probe.hash);
    probes_[kept++] = probe;
  }
  for (std::size_t n = 0; n < kept; ++n) Run(probes_[n]);
  return end;
}

void PairCounter::Record(std::uint16_t first, std::uint16_t second, std::int32_t first_word,
                         std::int32_t second_word) {
  const std::size_t cell = first * width_ + second;
  counts_[cell] += words_.copies(static_cast<std::size_t>(first_word)) *
                   words_.copies(static_cast<std::size_t>(second_word));
  examples_[cell].Offer({first_word, second_word});
  contrasts_.Add(first, second, first_word, second_word);
}

Survey PairCounter::Result() const {
  std::vector<std::uint16_t> order(width_ - 1);
  std::iota(order.begin(), order.end(), std::uint16_t{1});
  std::stable_sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) {
    return word_counts_[a] > word_counts_[b];
  });
  Survey survey;
  for (const std::uint16_t id : order) {
    survey.symbols.emplace_back(words_.symbol(id));
    survey.word_counts.push_back(word_counts_[id]);
  }
  for (const std::uint16_t first : order) {
    for (const std::uint16_t second : order) {
      survey.pair_counts.push_back(counts_[first * width_ + second]);
      const CellExamples& cell = examples_[first * width_ + second];
      survey.examples.push_back(cell.size == 0 ? std::vector<SurveyPair>()
                                               : FirstLines(cell, contrasts_));
    }
  }
  survey.contrasts = contrasts_.Result(order);
  return survey;
}

}  // namespace

std::int64_t Survey::SymbolPairsWithPairs() const {
  return std::count_if(pair_counts.begin(), pair_counts.end(),
                       [](std::int64_t count) { return count > 0; });
}

std::int64_t Survey::MinimalPairs() const {
  return std::accumulate(pair_counts.begin(), pair_counts.end(), std::int64_t{0});
}

Survey SurveyMinimalPairs(const lexicon::WordList& words, const std::string& list_name,
                          const SurveyProgress& progress, const lexicon::WordList* read,
                          const contexts::PlaceRule* rule) {
  const SymbolSequences sequences(words, list_name);
  PairCounter counter(sequences, read, rule);
  for (std::size_t word = 0; word < sequences.size();) {
    const std::size_t next = counter.CountBatch(word);
    for (std::size_t step = word / texts::kSurveyProgressInterval + 1;
         step <= next / texts::kSurveyProgressInterval && progress; ++step) {
      progress(step * texts::kSurveyProgressInterval, sequences.size());
    }
    word = next;
  }
  return counter.Result();
}

}  // namespace search::survey
