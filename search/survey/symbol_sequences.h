// A word list seen as sequences of symbol ids. A padded word " S1 S2 ... Sn "
// is the symbols between its single spaces; two spaces in a row enclose an empty
// symbol, and a blank line is one empty symbol. Since symbols hold no spaces,
// two padded words are equal exactly when their sequences are, and a padded
// symbol " B " occurs in a word exactly where the sequence holds B.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/kit/hash_mixing.h"
#include "search/kit/hash_slots.h"
#include "search/lexicon/word_list.h"

namespace search::survey {

class SymbolSequences final {
 public:
  // The id of the empty symbol; the others count from 1 in order of first
  // appearance in the list.
  static constexpr std::uint16_t kEmpty = 0;
  static constexpr std::size_t kMaxSymbols = 1000;

  // Throws SearchError when the list has more than kMaxSymbols non-empty
  // symbols; `list_name` names the list in the message.
  SymbolSequences(const lexicon::WordList& words, const std::string& list_name);

  [[nodiscard]] std::size_t symbol_count() const { return symbols_.size() - 1; }
  [[nodiscard]] std::string_view symbol(std::uint16_t id) const { return symbols_[id]; }

  // Distinct words, numbered in order of first appearance.
  [[nodiscard]] std::size_t size() const { return first_position_.size(); }
  [[nodiscard]] std::span<const std::uint16_t> operator[](std::size_t word) const {
    return std::span<const std::uint16_t>(ids_).subspan(starts_[word],
                                                        starts_[word + 1] - starts_[word]);
  }
  // How often the word stands in the list, and where: its first position and
  // each next one, ascending (kNoPosition after the last).
  [[nodiscard]] std::int64_t copies(std::size_t word) const { return copies_[word]; }
  [[nodiscard]] std::int32_t first_position(std::size_t word) const {
    return first_position_[word];
  }
  [[nodiscard]] std::int32_t next_copy(std::int32_t position) const {
    return next_copy_[static_cast<std::size_t>(position)];
  }
  static constexpr std::int32_t kNoPosition = -1;

  // The distinct words by the hash of their ids (see SequenceHash).
  [[nodiscard]] const kit::HashSlots& distinct() const { return distinct_; }

 private:
  void Add(std::size_t position, std::vector<std::int32_t>& last_copy);
  void AppendIds(std::string_view word, const std::string& list_name);
  std::uint16_t Intern(std::string_view symbol, const std::string& list_name);

  std::vector<std::string_view> symbols_;
  std::unordered_map<std::string_view, std::uint16_t> symbol_ids_;  // while reading only
  std::vector<std::uint16_t> ids_;
  std::vector<std::size_t> starts_;
  std::vector<std::int32_t> first_position_;
  std::vector<std::int32_t> copies_;
  std::vector<std::int32_t> next_copy_;
  kit::HashSlots distinct_;
};

// Hashes of id sequences that can be updated by changing one position: the
// hash of a sequence is FinishHash(the sum of PositionValue(i, id) over its
// positions, its length).
inline std::uint64_t PositionValue(std::size_t position, std::uint16_t id) {
  return kit::MixBits((std::uint64_t{position} << 16) | id);
}
inline std::uint64_t FinishHash(std::uint64_t sum, std::size_t length) {
  return kit::MixBits(sum + std::uint64_t{length} * kit::kGoldenRatio);
}
inline std::uint64_t SequenceHash(std::span<const std::uint16_t> ids) {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < ids.size(); ++i) sum += PositionValue(i, ids[i]);
  return FinishHash(sum, ids.size());
}

}  // namespace search::survey
