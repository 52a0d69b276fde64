#include "search/survey/rule_pairs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>

#include "search/kit/hash_mixing.h"
#include "search/pairs/place_positions.h"
#include "search/survey/functional_load.h"
#include "search/survey/load_keys.h"

namespace search::survey {
namespace {

using Ids = std::span<const std::uint32_t>;

constexpr std::uint32_t kAside = 0xFFFFFFFF;  // a place set aside in a key

std::uint64_t PlaceValue(std::size_t place, std::uint32_t id) {
  return kit::MixBits(std::uint64_t{place} << 32 | id);
}

// The symbols of a trimmed word: the runs between single spaces, empty ones too.
template <typename Visit>
void ForEachSymbol(std::string_view word, Visit&& visit) {
  for (std::size_t start = 0;;) {
    const std::size_t space = std::min(word.find(' ', start), word.size());
    visit(word.substr(start, space - start), start);
    if (space == word.size()) return;
    start = space + 1;
  }
}

class RuleSearch final {
 public:
  RuleSearch(const lexicon::WordList& matched, options::PairRule rule, const RuleSide& first,
             const RuleSide& second, const contexts::PlaceRule* places)
      : matched_(matched), rule_(rule), places_(places) {
    ReadWords(first.positions, second.positions);
    symbols_[0] = Intern(first.symbol);
    symbols_[1] = Intern(second.symbol);
  }

  std::vector<RulePair> Find();

 private:
  void ReadWords(std::span<const std::int32_t> first, std::span<const std::int32_t> second);
  void AddWord(std::int32_t line, bool first, bool second);
  std::uint32_t Intern(std::string_view symbol) {
    return symbol_ids_.try_emplace(symbol, static_cast<std::uint32_t>(symbol_ids_.size()))
        .first->second;
  }
  [[nodiscard]] Ids Word(std::size_t word) const {
    return Ids(ids_).subspan(starts_[word], starts_[word + 1] - starts_[word]);
  }
  // The places of a side's symbol in a word.
  void TakePlaces(std::size_t word, int side) {
    held_.clear();
    const Ids ids = Word(word);
    for (std::size_t i = 0; i < ids.size(); ++i) {
      if (ids[i] == symbols_[side]) held_.push_back(i);
    }
  }
  [[nodiscard]] bool Fit(std::size_t word, std::span<const std::size_t> places);
  [[nodiscard]] std::size_t CountEntries();
  template <typename Add>
  void AddKeys(std::size_t word, int side, Add&& add);
  [[nodiscard]] bool SameKey(const KeyEntry& x, const KeyEntry& y) const;
  void Pair(std::size_t first_word, std::size_t second_word);
  void CompareCrowded();

  const lexicon::WordList& matched_;
  options::PairRule rule_;
  const contexts::PlaceRule* places_;
  std::unordered_map<std::string_view, std::uint32_t> symbol_ids_;
  std::unordered_map<std::string_view, std::size_t> word_of_text_;
  std::vector<std::vector<std::int32_t>> lines_;  // by distinct word, ascending
  std::vector<std::uint32_t> ids_;
  std::vector<std::size_t> starts_{0};  // of each word's ids, and one past the last
  std::vector<std::size_t> offsets_;    // of each symbol in its trimmed word
  std::vector<std::uint8_t> sides_;     // bit 0: holds the first symbol, bit 1: the second
  std::array<std::uint32_t, 2> symbols_{};
  std::array<std::vector<std::size_t>, 2> crowded_;  // words with too many places, by side
  std::vector<std::size_t> held_;
  std::vector<std::size_t> chosen_;
  std::string padded_;
  std::size_t padded_word_ = static_cast<std::size_t>(-1);
  std::vector<RulePair> pairs_;
};

void RuleSearch::ReadWords(std::span<const std::int32_t> first,
                           std::span<const std::int32_t> second) {
  std::size_t i = 0, j = 0;
  while (i < first.size() || j < second.size()) {
    const bool take_first = j == second.size() || (i < first.size() && first[i] <= second[j]);
    const bool take_second = i == first.size() || (j < second.size() && second[j] <= first[i]);
    AddWord(take_first ? first[i] : second[j], take_first, take_second);
    i += take_first ? 1 : 0;
    j += take_second ? 1 : 0;
  }
}

void RuleSearch::AddWord(std::int32_t line, bool first, bool second) {
  const std::string_view text = matched_.Trimmed(static_cast<std::size_t>(line));
  const auto [at, added] = word_of_text_.try_emplace(text, lines_.size());
  if (added) {
    lines_.emplace_back();
    sides_.push_back(0);
    ForEachSymbol(text, [&](std::string_view symbol, std::size_t offset) {
      ids_.push_back(Intern(symbol));
      offsets_.push_back(offset);
    });
    starts_.push_back(ids_.size());
  }
  lines_[at->second].push_back(line);
  sides_[at->second] |= static_cast<std::uint8_t>((first ? 1U : 0U) | (second ? 2U : 0U));
}

// Whether every one of the places fits in the word (see contexts::PlaceRule).
bool RuleSearch::Fit(std::size_t word, std::span<const std::size_t> places) {
  if (places_ == nullptr) return true;
  if (padded_word_ != word) {
    (void)matched_.Padded(static_cast<std::size_t>(lines_[word].front()), padded_);
    padded_word_ = word;
  }
  const Ids ids = Word(word);
  const std::size_t begin = starts_[word];
  return std::all_of(places.begin(), places.end(), [&](std::size_t place) {
    const std::size_t size = place + 1 < ids.size()
                                 ? offsets_[begin + place + 1] - offsets_[begin + place] + 1
                                 : padded_.size() - offsets_[begin + place];
    return places_->Fits(padded_, offsets_[begin + place], size);
  });
}

std::size_t RuleSearch::CountEntries() {
  std::size_t entries = 0;
  for (std::size_t word = 0; word < lines_.size(); ++word) {
    for (int side = 0; side < 2; ++side) {
      if (((sides_[word] >> side) & 1U) == 0) continue;
      TakePlaces(word, side);
      if (held_.size() > kMaxKeyedPlaces) {
        crowded_[side].push_back(word);
      } else {
        entries += rule_ == options::PairRule::kOnePlace ? held_.size()
                                                         : (std::size_t{1} << held_.size()) - 1;
      }
    }
  }
  return entries;
}

// The keys of a word's side: its places of the side's symbol, one at a time
// or each set of them, set aside; a mask over those places names the set.
template <typename Add>
void RuleSearch::AddKeys(std::size_t word, int side, Add&& add) {
  TakePlaces(word, side);
  if (held_.size() > kMaxKeyedPlaces) return;
  const Ids ids = Word(word);
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < ids.size(); ++i) sum += PlaceValue(i, ids[i]);
  for (std::size_t mask = 1; mask < (std::size_t{1} << held_.size()); ++mask) {
    if (rule_ == options::PairRule::kOnePlace && std::popcount(mask) != 1) continue;
    chosen_.clear();
    std::uint64_t key = sum;
    for (std::size_t bit = 0; bit < held_.size(); ++bit) {
      if (((mask >> bit) & 1U) == 0) continue;
      chosen_.push_back(held_[bit]);
      key += PlaceValue(held_[bit], kAside) - PlaceValue(held_[bit], symbols_[side]);
    }
    if (!Fit(word, chosen_)) continue;
    add(KeyEntry{kit::MixBits(key + ids.size() * kit::kGoldenRatio),
                 static_cast<std::int32_t>(word), static_cast<std::uint16_t>(side),
                 static_cast<std::uint16_t>(mask)});
  }
}

bool RuleSearch::SameKey(const KeyEntry& x, const KeyEntry& y) const {
  const Ids a = Word(static_cast<std::size_t>(x.word));
  const Ids b = Word(static_cast<std::size_t>(y.word));
  if (a.size() != b.size()) return false;
  unsigned a_seen = 0, b_seen = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool a_aside = a[i] == symbols_[x.tag] && ((x.second_tag >> a_seen++) & 1U) != 0;
    const bool b_aside = b[i] == symbols_[y.tag] && ((y.second_tag >> b_seen++) & 1U) != 0;
    if (a_aside != b_aside || (!a_aside && a[i] != b[i])) return false;
  }
  return true;
}

// Adds the pair when the words differ by the rule, their differing places fitting.
void RuleSearch::Pair(std::size_t first_word, std::size_t second_word) {
  const Ids a = Word(first_word);
  const Ids b = Word(second_word);
  if (a.size() != b.size()) return;
  chosen_.clear();
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (a[i] != symbols_[0] || b[i] != symbols_[1]) return;
    chosen_.push_back(i);
  }
  if (chosen_.empty() || (rule_ == options::PairRule::kOnePlace && chosen_.size() != 1)) return;
  if (!Fit(first_word, chosen_) || !Fit(second_word, chosen_)) return;
  pairs_.push_back({lines_[first_word], lines_[second_word], chosen_});
}

// A crowded word of either side is compared with every word of the other
// side; two crowded words, from the first side.
void RuleSearch::CompareCrowded() {
  for (const std::size_t word : crowded_[0]) {
    for (std::size_t other = 0; other < lines_.size(); ++other) {
      if ((sides_[other] & 2U) != 0) Pair(word, other);
    }
  }
  for (const std::size_t word : crowded_[1]) {
    for (std::size_t other = 0; other < lines_.size(); ++other) {
      if ((sides_[other] & 1U) != 0 &&
          !std::binary_search(crowded_[0].begin(), crowded_[0].end(), other)) {
        Pair(other, word);
      }
    }
  }
}

std::vector<RulePair> RuleSearch::Find() {
  if (symbols_[0] == symbols_[1]) return {};
  VisitSharedKeys(
      CountEntries(),
      [&](auto&& add) {
        for (std::size_t word = 0; word < lines_.size(); ++word) {
          for (int side = 0; side < 2; ++side) {
            if (((sides_[word] >> side) & 1U) != 0) AddKeys(word, side, add);
          }
        }
      },
      [&](const KeyEntry& x, const KeyEntry& y) { return SameKey(x, y); },
      [&](std::span<const KeyEntry> group) {
        // Words of one side under one key are one word: at most one per side.
        const auto first = std::find_if(group.begin(), group.end(),
                                        [](const KeyEntry& entry) { return entry.tag == 0; });
        const auto second = std::find_if(group.begin(), group.end(),
                                         [](const KeyEntry& entry) { return entry.tag == 1; });
        if (first != group.end() && second != group.end()) {
          Pair(static_cast<std::size_t>(first->word), static_cast<std::size_t>(second->word));
        }
      });
  CompareCrowded();
  std::sort(pairs_.begin(), pairs_.end(), [](const RulePair& x, const RulePair& y) {
    return std::pair(x.first_lines.front(), x.second_lines.front()) <
           std::pair(y.first_lines.front(), y.second_lines.front());
  });
  return std::move(pairs_);
}

}  // namespace

std::vector<RulePair> FindRulePairs(const lexicon::WordList& matched, options::PairRule rule,
                                    const RuleSide& first, const RuleSide& second,
                                    const contexts::PlaceRule* places) {
  return RuleSearch(matched, rule, first, second, places).Find();
}

RuleFrame RuleFrameOf(const lexicon::WordList& matched, const RulePair& pair) {
  RuleFrame made;
  std::size_t place = 0;
  const std::string_view word = matched.Trimmed(static_cast<std::size_t>(pair.first_lines.front()));
  ForEachSymbol(word, [&](std::string_view symbol, std::size_t offset) {
    if (place > 0) made.frame += ' ';
    const bool differs =
        std::find(pair.places.begin(), pair.places.end(), place) != pair.places.end();
    made.frame += differs ? std::string_view("_") : symbol;
    if (differs) pairs::AppendPlacePosition(made.positions, word, offset, offset + symbol.size());
    ++place;
  });
  return made;
}

}  // namespace search::survey
