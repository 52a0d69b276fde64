#pragma once

namespace search::kit {

// Asks for the cache line at `address` ahead of its use, where the compiler
// offers that; a hint only, never a fault.
inline void Prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

}  // namespace search::kit
