// An open-addressing table of entry numbers keyed by 64-bit hashes. It keeps no
// keys: the caller confirms every candidate on its own data, so a collision of
// hashes can cost a comparison but never change a result. The slots and the
// filter use the low bits and the high half alike, so the hashes must be good
// in every bit, as MixBits' are.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/kit/hash_filter.h"
#include "search/kit/prefetch.h"

namespace search::kit {

class HashSlots final {
 public:
  static constexpr std::int32_t kNone = -1;

  // Room for `entries` distinct keys at most half full, so every probe ends.
  explicit HashSlots(std::size_t entries)
      : slots_(std::bit_ceil(entries * 2 + 2)), filter_(entries, 8) {}

  // The entry whose key `same_key(entry)` confirms, or kNone.
  template <typename SameKey>
  [[nodiscard]] std::int32_t Find(std::uint64_t hash, SameKey&& same_key) const {
    if (!MayHold(hash)) return kNone;
    for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
      const Slot& found = slots_[slot];
      if (found.entry == kNone) return kNone;
      if (found.tag == Tag(hash) && same_key(found.entry)) return found.entry;
    }
  }

  // Whether a key with this hash may be present; false is certain.
  [[nodiscard]] bool MayHold(std::uint64_t hash) const { return filter_.MayHold(hash); }

  // Asks for the memory that MayHold and Find will read, ahead of them, so that
  // the waits for many lookups overlap.
  void PrefetchFilter(std::uint64_t hash) const { filter_.PrefetchFor(hash); }
  void PrefetchSlot(std::uint64_t hash) const { Prefetch(&slots_[hash & Mask()]); }

  // Stores `entry` in place of the entry with the same key, or in a free slot;
  // returns the entry it replaced, or kNone.
  template <typename SameKey>
  std::int32_t Put(std::uint64_t hash, std::int32_t entry, SameKey&& same_key) {
    filter_.Add(hash);
    for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
      Slot& found = slots_[slot];
      if (found.entry == kNone || (found.tag == Tag(hash) && same_key(found.entry))) {
        const std::int32_t replaced = found.entry;
        found = Slot{Tag(hash), entry};
        return replaced;
      }
    }
  }

 private:
  // The slot comes from the hash's low bits; the tag, its high half, spares
  // nearly every confirmation of a wrong candidate.
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t entry = kNone;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }
  [[nodiscard]] std::size_t Mask() const { return slots_.size() - 1; }

  std::vector<Slot> slots_;
  // Most lookups find nothing. A filter of about eight bits per key turns most
  // of them away without touching the far larger slots, which would cost a
  // cache miss each.
  HashFilter filter_;
};

}  // namespace search::kit
