#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/os/platform.h"

namespace search::kit {

// A non-decreasing sequence of offsets into a text, at four bytes each: the low
// 32 bits are kept per offset and, for texts of 4 GiB or more, the few indexes
// at which the high bits step up are kept aside. Halving the offsets of two
// million words spares 16 MB of fresh memory, which costs more to touch than
// to fill.
class AscendingOffsets final {
 public:
  // Room for `count` offsets, which are expected to come: a large room is
  // asked for in large pages.
  void Reserve(std::size_t count) {
    low_.reserve(count);
    if (count >= kLargeCount) os::AdviseFilledSoon(low_.data(), count * sizeof(std::uint32_t));
  }
  [[nodiscard]] std::size_t size() const { return low_.size(); }
  [[nodiscard]] bool empty() const { return low_.empty(); }

  // Where offset `index` is kept, for prefetching.
  [[nodiscard]] const void* Address(std::size_t index) const { return &low_[index]; }

  // `offset` must not be below the last one added.
  void Append(std::uint64_t offset) {
    while ((offset >> 32) > steps_.size()) steps_.push_back(low_.size());
    low_.push_back(static_cast<std::uint32_t>(offset));
  }

  // Appends every offset of `later`, none of which is below the last one here.
  void AppendAll(const AscendingOffsets& later) {
    if (steps_.empty() && later.steps_.empty()) {
      low_.insert(low_.end(), later.low_.begin(), later.low_.end());
      return;
    }
    for (std::size_t index = 0; index < later.size(); ++index) Append(later[index]);
  }

  [[nodiscard]] std::size_t operator[](std::size_t index) const {
    if (steps_.empty()) return low_[index];
    const auto high = static_cast<std::uint64_t>(
        std::upper_bound(steps_.begin(), steps_.end(), index) - steps_.begin());
    return static_cast<std::size_t>((high << 32) | low_[index]);
  }

 private:
  static constexpr std::size_t kLargeCount = std::size_t{1} << 20;  // 4 MB, two large pages

  std::vector<std::uint32_t> low_;
  // steps_[h] is the first index whose offset is at least (h + 1) << 32.
  std::vector<std::size_t> steps_;
};

}  // namespace search::kit
