#include "search/survey.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <span>

#include "search/hash_slots.h"
#include "search/search_error.h"
#include "search/survey_texts.h"
#include "search/symbol_sequences.h"

// How it counts. Let P(w, B) be the positions of word w at which the pair
// search's substitution replaces B: in each run of adjacent B's, those at even
// offsets from the run's start (the others lose their leading space to the
// replacement before them). Words w1 and w2 pair for first symbol A and second
// symbol B exactly when w2 holds B, w1 holds A at P(w2, B) and w1 equals w2
// everywhere else. So w1, with every position of A set aside, equals w2 with
// P(w2, B) and every position of A set aside. Each distinct word is indexed once
// per symbol A it holds, by that key; each distinct word w2 then looks up, for
// each symbol B it holds, the key for every A that it does not hold (one key,
// whose entries give their own A) and the key for each A that it holds.
namespace search {
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

// The word-list lines that a cell's pairs of distinct words stand for, first
// ones only.
std::vector<SurveyPair> FirstLines(const CellExamples& cell, const SymbolSequences& words) {
  std::vector<SurveyPair> lines;
  const auto copies = [&](std::int32_t word, auto&& each) {
    std::size_t taken = 0;
    for (std::int32_t at = words.first_position(static_cast<std::size_t>(word));
         at != SymbolSequences::kNoPosition && taken++ < kSurveyExamplePairs;
         at = words.next_copy(at)) {
      each(at);
    }
  };
  for (std::size_t n = 0; n < cell.size; ++n) {
    copies(cell.pairs[n][0], [&](std::int32_t first) {
      copies(cell.pairs[n][1], [&](std::int32_t second) { lines.push_back({first, second}); });
    });
  }
  std::sort(lines.begin(), lines.end());
  lines.resize(std::min(lines.size(), kSurveyExamplePairs));
  return lines;
}

class PairCounter final {
 public:
  explicit PairCounter(const SymbolSequences& words)
      : words_(words),
        width_(words.symbol_count() + 1),
        shape_(width_),
        counts_(width_ * width_),
        examples_(width_ * width_),
        word_counts_(width_) {
    Index();
  }

  // Counts every pair in which `second_word` is the second word.
  void CountPairsOf(std::size_t second_word);

  [[nodiscard]] Survey Result() const;

 private:
  void Index();
  [[nodiscard]] std::uint16_t KeyAt(std::int32_t entry, std::size_t i) const {
    const std::uint16_t id = words_[entry_word_[entry]][i];
    return id == entry_symbol_[entry] ? kAside : id;
  }
  [[nodiscard]] bool SameKey(std::int32_t entry, std::int32_t other) const;
  [[nodiscard]] bool KeyMatches(std::int32_t entry, std::uint16_t also_aside) const;
  template <typename Accept>
  void Look(std::uint64_t sum, std::uint16_t also_aside, std::uint16_t second,
            std::size_t second_word, Accept&& accept);

  const SymbolSequences& words_;
  std::size_t width_;  // the number of ids, side of the tables indexed by id
  WordShape shape_;
  // One index entry per distinct word and symbol it holds; entries with equal
  // keys are chained.
  std::vector<std::int32_t> entry_word_;
  std::vector<std::uint16_t> entry_symbol_;
  std::vector<std::int32_t> next_entry_;
  HashSlots keys_{0};
  std::vector<std::uint16_t> pattern_;  // the second word with P(w2, B) set aside
  std::vector<std::int64_t> counts_;    // by (first id, second id)
  std::vector<CellExamples> examples_;
  std::vector<std::int64_t> word_counts_;  // by id
};

void PairCounter::Index() {
  std::vector<std::uint64_t> hashes;
  for (std::size_t word = 0; word < words_.size(); ++word) {
    shape_.Take(words_[word]);
    for (const std::uint16_t symbol : shape_.symbols()) {
      if (entry_word_.size() == std::numeric_limits<std::int32_t>::max()) {
        throw SearchError("the word list is too large to survey");
      }
      word_counts_[symbol] += words_.copies(word);
      entry_word_.push_back(static_cast<std::int32_t>(word));
      entry_symbol_.push_back(symbol);
      hashes.push_back(FinishHash(shape_.sum() + shape_.Aside(symbol), words_[word].size()));
    }
  }
  keys_ = HashSlots(hashes.size());
  next_entry_.assign(hashes.size(), HashSlots::kNone);
  for (std::size_t n = 0; n < hashes.size(); ++n) {
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

// Whether the entry's key is pattern_ with the positions of `also_aside` set aside.
bool PairCounter::KeyMatches(std::int32_t entry, std::uint16_t also_aside) const {
  if (words_[entry_word_[entry]].size() != pattern_.size()) return false;
  for (std::size_t i = 0; i < pattern_.size(); ++i) {
    const std::uint16_t wanted = pattern_[i] == also_aside ? kAside : pattern_[i];
    if (KeyAt(entry, i) != wanted) return false;
  }
  return true;
}

// Looks up the key with hash sum `sum` and counts the entries that `accept`
// takes by their symbol as first words.
template <typename Accept>
void PairCounter::Look(std::uint64_t sum, std::uint16_t also_aside, std::uint16_t second,
                       std::size_t second_word, Accept&& accept) {
  const std::int32_t head = keys_.Find(FinishHash(sum, pattern_.size()), [&](std::int32_t entry) {
    return KeyMatches(entry, also_aside);
  });
  for (std::int32_t entry = head; entry != HashSlots::kNone; entry = next_entry_[entry]) {
    const std::uint16_t first = entry_symbol_[entry];
    if (!accept(first)) continue;
    const std::int32_t first_word = entry_word_[entry];
    const std::size_t cell = first * width_ + second;
    counts_[cell] += words_.copies(first_word) * words_.copies(second_word);
    examples_[cell].Offer({first_word, static_cast<std::int32_t>(second_word)});
  }
}

void PairCounter::CountPairsOf(std::size_t second_word) {
  const Ids word = words_[second_word];
  shape_.Take(word);
  for (const std::uint16_t second : shape_.symbols()) {
    pattern_.assign(word.begin(), word.end());
    std::uint64_t sum = shape_.sum();
    bool replaced_before = false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const bool replaced = word[i] == second && !replaced_before;
      if (replaced) {
        pattern_[i] = kAside;
        sum += PositionValue(i, kAside) - PositionValue(i, second);
      }
      replaced_before = replaced;
    }
    // First symbols that the word does not hold: the entries name them.
    Look(sum, kNoSymbol, second, second_word, [&](std::uint16_t first) { return first != second; });
    for (const std::uint16_t first : shape_.symbols()) {
      if (first == second) continue;
      Look(sum + shape_.Aside(first), first, second, second_word,
           [&](std::uint16_t found) { return found == first; });
    }
  }
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
      survey.examples.push_back(FirstLines(examples_[first * width_ + second], words_));
    }
  }
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

Survey SurveyMinimalPairs(const WordList& words, const std::string& list_name,
                          const SurveyProgress& progress) {
  const SymbolSequences sequences(words, list_name);
  PairCounter counter(sequences);
  for (std::size_t word = 0; word < sequences.size(); ++word) {
    counter.CountPairsOf(word);
    if ((word + 1) % kSurveyProgressInterval == 0 && progress) progress(word + 1, sequences.size());
  }
  return counter.Result();
}

}  // namespace search
