// The hash that places texts in the pair search's index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "search/kit/hash_mixing.h"

namespace search::kit {

// A hash of a text. Any function gives the same pairs, which tests check with
// poor ones.
using TextHash = std::uint64_t (*)(std::string_view text);

// The hash the pair search uses: fixed-size loads only, the last one
// overlapping the one before, so that a short word costs a few instructions
// and no call. Every input bit reaches both halves of the result: the high
// half places a slot, the low bits pick a filter's bits.
inline std::uint64_t HashText(std::string_view text) {
  const auto mix_in = [](std::uint64_t hash, std::uint64_t eight_bytes) {
    hash = (hash ^ eight_bytes) * kGoldenRatio;
    return hash ^ (hash >> 29);
  };
  const auto load8 = [&](std::size_t offset) {
    std::uint64_t eight_bytes = 0;
    std::memcpy(&eight_bytes, text.data() + offset, sizeof eight_bytes);
    return eight_bytes;
  };
  const auto load4 = [&](std::size_t offset) {
    std::uint32_t four_bytes = 0;
    std::memcpy(&four_bytes, text.data() + offset, sizeof four_bytes);
    return std::uint64_t{four_bytes};
  };
  const std::size_t size = text.size();
  std::uint64_t hash = size * kGoldenRatio;
  if (size >= 8) {
    for (std::size_t offset = 0; offset + 8 < size; offset += 8) hash = mix_in(hash, load8(offset));
    hash = mix_in(hash, load8(size - 8));
  } else if (size >= 4) {
    hash = mix_in(hash, (load4(0) << 32) | load4(size - 4));
  } else if (size > 0) {
    const auto byte = [&](std::size_t offset) {
      return std::uint64_t{static_cast<unsigned char>(text[offset])};
    };
    hash = mix_in(hash, (byte(0) << 16) | (byte(size / 2) << 8) | byte(size - 1));
  }
  hash *= kGoldenRatio;
  return hash ^ (hash >> 31);
}

}  // namespace search::kit
