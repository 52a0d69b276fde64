// What the hashes of the search and the survey mix their input with.
#pragma once

#include <cstdint>

namespace search::kit {

// 2^64 divided by the golden ratio: an odd constant whose multiples spread
// consecutive inputs over the whole range.
inline constexpr std::uint64_t kGoldenRatio = 0x9E3779B97F4A7C15u;

// splitmix64's finaliser: a bijection whose every output bit depends on every
// input bit.
inline std::uint64_t MixBits(std::uint64_t x) {
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
  return x ^ (x >> 31);
}

}  // namespace search::kit
