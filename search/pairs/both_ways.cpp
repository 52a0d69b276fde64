#include "search/pairs/both_ways.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <utility>

namespace search::pairs {
namespace {

using Transcriptions = std::pair<std::string_view, std::string_view>;

struct TranscriptionsHash {
  std::size_t operator()(const Transcriptions& pair) const {
    const std::size_t first = std::hash<std::string_view>{}(pair.first);
    return first ^ (std::hash<std::string_view>{}(pair.second) + 0x9E3779B97F4A7C15U +
                    (first << 6U) + (first >> 2U));
  }
};

}  // namespace

std::vector<PairRow> PairsBothWays(std::span<const PairRow> this_way,
                                   std::span<const PairRow> other_way,
                                   const lexicon::WordList& shown) {
  std::vector<PairRow> rows;
  rows.reserve(this_way.size() + other_way.size());
  std::unordered_set<Transcriptions, TranscriptionsHash> seen;
  seen.reserve(this_way.size() + other_way.size());
  const auto keep_new = [&](PairRow row) {
    if (seen.emplace(shown.Trimmed(row.first), shown.Trimmed(row.second)).second) {
      rows.push_back(row);
    }
  };
  for (const PairRow& row : this_way) keep_new(row);
  for (const PairRow& row : other_way) keep_new({row.second, row.first, true});
  return rows;
}

void WritePairLines(os::OutputFile& file, const lexicon::WordList& shown,
                    std::span<const PairRow> rows, std::string_view line_end) {
  std::string second;
  for (const PairRow& row : rows) {
    second.assign(shown.Trimmed(row.second));
    second += line_end;
    file.WriteLine(shown.Trimmed(row.first), "\t", second);
  }
}

}  // namespace search::pairs
