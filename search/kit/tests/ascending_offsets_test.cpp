#include "search/kit/ascending_offsets.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace search::kit {
namespace {

constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;

TEST(AscendingOffsets, GivesBackEveryOffsetAlsoPastFourGiB) {
  const std::vector<std::uint64_t> offsets = {
      0, 7, 7, kFourGiB - 1, kFourGiB, kFourGiB + 5, 3 * kFourGiB + 1, 3 * kFourGiB + 1};
  AscendingOffsets stored;
  for (const std::uint64_t offset : offsets) stored.Append(offset);
  ASSERT_EQ(stored.size(), offsets.size());
  for (std::size_t i = 0; i < offsets.size(); ++i) EXPECT_EQ(stored[i], offsets[i]) << i;
}

}  // namespace
}  // namespace search::kit
