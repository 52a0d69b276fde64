// A filter of 64-bit hashes: three bits in one 64-bit word per key, so a query
// costs at most one cache miss. "No" is certain; "maybe" must be confirmed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/kit/prefetch.h"

namespace search::kit {

class HashFilter final {
 public:
  // About `bits_per_key` bits for each of `keys` keys; more bits, fewer false
  // maybes.
  HashFilter(std::size_t keys, std::size_t bits_per_key)
      : words_(std::bit_ceil(keys * bits_per_key / 64 + 1), 0) {}

  void Add(std::uint64_t hash) { words_[WordOf(hash)] |= BitsOf(hash); }
  [[nodiscard]] bool MayHold(std::uint64_t hash) const {
    return (words_[WordOf(hash)] & BitsOf(hash)) == BitsOf(hash);
  }
  // Asks for the memory that Add or MayHold will touch, ahead of them.
  void PrefetchFor(std::uint64_t hash) const { Prefetch(&words_[WordOf(hash)]); }

 private:
  // The word comes from the high half and the bits from the low bits, which
  // kit::HashText spreads as well as the high half.
  [[nodiscard]] std::size_t WordOf(std::uint64_t hash) const {
    return (hash >> 32) & (words_.size() - 1);
  }
  static std::uint64_t BitsOf(std::uint64_t hash) {
    return (std::uint64_t{1} << (hash & 63)) | (std::uint64_t{1} << ((hash >> 6) & 63)) |
           (std::uint64_t{1} << ((hash >> 12) & 63));
  }

  std::vector<std::uint64_t> words_;
};

}  // namespace search::kit
