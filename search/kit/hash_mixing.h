// What the hashes of the search and the survey mix their input with.
#pragma once

#include <cstdint>

namespace search::kit {

// 2^64 divided by the golden ratio: an odd constant whose multiples spread
// consecutive inputs over the whole range.
inline constexpr std::uint64_t kGoldenRatio = 0x9E3779B97F4A7C15u;

}  // namespace search::kit
