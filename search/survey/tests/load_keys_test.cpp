#include "search/survey/load_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "search/kit/hash_mixing.h"

namespace search::survey {
namespace {

using Groups = std::set<std::vector<std::int32_t>>;

// Entries with few hashes, so that many share one, and a tag that tells keys
// of one hash apart half the time, as a collision of hashes would.
std::vector<KeyEntry> RandomEntries(std::mt19937& random) {
  std::uniform_int_distribution<int> hash(0, 40), tag(0, 1);
  constexpr std::int32_t kEntries = 300;
  std::vector<KeyEntry> entries;
  entries.reserve(kEntries);
  for (std::int32_t word = 0; word < kEntries; ++word) {
    entries.push_back({kit::MixBits(static_cast<std::uint64_t>(hash(random))), word,
                       static_cast<std::uint16_t>(tag(random))});
  }
  return entries;
}

Groups ExpectedGroups(const std::vector<KeyEntry>& entries) {
  std::map<std::pair<std::uint64_t, std::uint16_t>, std::vector<std::int32_t>> keys;
  for (const KeyEntry& entry : entries) keys[{entry.hash, entry.tag}].push_back(entry.word);
  Groups groups;
  for (const auto& [key, words] : keys) {
    if (words.size() > 1) groups.insert(words);
  }
  return groups;
}

// However many passes the entries are taken in, each group comes once, whole.
TEST(VisitSharedKeys, VisitsEveryGroupOfEqualKeysOnceInAnyNumberOfPasses) {
  const std::vector<std::size_t> counts = {0, kEntriesPerPass, 6 * kEntriesPerPass};
  std::mt19937 random(7);
  for (const std::size_t count : counts) {
    const std::vector<KeyEntry> entries = RandomEntries(random);
    Groups visited;
    std::size_t visits = 0;
    VisitSharedKeys(
        count,
        [&](auto&& add) {
          for (const KeyEntry& entry : entries) add(entry);
        },
        [](const KeyEntry& x, const KeyEntry& y) { return x.tag == y.tag; },
        [&](std::span<const KeyEntry> group) {
          std::vector<std::int32_t> words;
          for (const KeyEntry& entry : group) words.push_back(entry.word);
          std::sort(words.begin(), words.end());
          visited.insert(words);
          ++visits;
        });
    EXPECT_EQ(visited, ExpectedGroups(entries)) << count;
    EXPECT_EQ(visits, visited.size()) << count;
  }
}

}  // namespace
}  // namespace search::survey
