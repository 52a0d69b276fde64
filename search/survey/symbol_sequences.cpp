#include "search/survey/symbol_sequences.h"

#include <unordered_map>

#include "search/texts/search_error.h"
#include "search/texts/status_texts.h"

namespace search::survey {
namespace {

bool SameIds(std::span<const std::uint16_t> a, std::span<const std::uint16_t> b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace

SymbolSequences::SymbolSequences(const lexicon::WordList& words, const std::string& list_name)
    : symbols_{std::string_view()}, next_copy_(words.size(), kNoPosition), distinct_(words.size()) {
  symbol_ids_.emplace(std::string_view(), kEmpty);
  starts_.push_back(0);
  std::vector<std::int32_t> last_copy;
  for (std::size_t position = 0; position < words.size(); ++position) {
    AppendIds(words.Trimmed(position), list_name);
    Add(position, last_copy);
  }
  symbol_ids_ = {};
}

// Keeps the ids just appended as a new distinct word, or counts a copy.
void SymbolSequences::Add(std::size_t position, std::vector<std::int32_t>& last_copy) {
  const auto at = static_cast<std::int32_t>(position);
  const auto added = std::span<const std::uint16_t>(ids_).subspan(starts_.back());
  const std::uint64_t hash = SequenceHash(added);
  const std::int32_t known =
      distinct_.Find(hash, [&](std::int32_t word) { return SameIds((*this)[word], added); });
  if (known == kit::HashSlots::kNone) {
    distinct_.Put(hash, static_cast<std::int32_t>(size()), [](std::int32_t) { return false; });
    starts_.push_back(ids_.size());
    first_position_.push_back(at);
    copies_.push_back(1);
    last_copy.push_back(at);
  } else {
    ids_.resize(starts_.back());  // a copy: keep only its place
    ++copies_[known];
    next_copy_[last_copy[known]] = at;
    last_copy[known] = at;
  }
}

void SymbolSequences::AppendIds(std::string_view word, const std::string& list_name) {
  std::string_view rest = word;
  for (;;) {
    const std::size_t space = rest.find(' ');
    ids_.push_back(Intern(rest.substr(0, space), list_name));
    if (space == std::string_view::npos) return;
    rest.remove_prefix(space + 1);
  }
}

std::uint16_t SymbolSequences::Intern(std::string_view symbol, const std::string& list_name) {
  const auto [found, added] = symbol_ids_.try_emplace(symbol, 0);
  if (added) {
    if (symbol_count() == kMaxSymbols) {
      throw texts::SearchError(texts::TooManySymbolsText(list_name, kMaxSymbols));
    }
    found->second = static_cast<std::uint16_t>(symbols_.size());
    symbols_.push_back(symbol);
  }
  return found->second;
}

}  // namespace search::survey
