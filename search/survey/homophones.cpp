#include "search/survey/homophones.h"

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

#include "search/lexicon/lexicon_format.h"

namespace search::survey {
namespace {

// A line's spelling of a word, with the line's place in the list.
struct Spelling {
  std::string_view text;
  double frequency = 0.0;
  std::size_t line = 0;
};

double FrequencyAt(const lexicon::WordList& read, const lexicon::WordColumns& columns,
                   std::size_t line) {
  if (!columns.frequency) return 0.0;
  // Fields were checked when the lexicon was read; an empty one is 0.
  const std::string_view typed = columns.frequency->Of(read.Text(), line);
  return typed.empty() ? 0.0 : lexicon::ParseFrequency(typed).value_or(0.0);
}

// The distinct spellings of `lines`, which come in the list's order, joined.
std::string Joined(std::vector<Spelling> lines) {
  // Each spelling once, at its first line, with the sum of its lines' frequencies.
  std::stable_sort(lines.begin(), lines.end(),
                   [](const Spelling& a, const Spelling& b) { return a.text < b.text; });
  std::vector<Spelling> spellings;
  for (const Spelling& line : lines) {
    if (!spellings.empty() && spellings.back().text == line.text) {
      spellings.back().frequency += line.frequency;
    } else {
      spellings.push_back(line);
    }
  }
  std::sort(spellings.begin(), spellings.end(), [](const Spelling& a, const Spelling& b) {
    return std::tuple(-a.frequency, a.line) < std::tuple(-b.frequency, b.line);
  });
  std::string joined;
  for (const Spelling& spelling : spellings) {
    if (!joined.empty()) joined += " / ";
    joined += spelling.text;
  }
  return joined;
}

}  // namespace

Homophones::Homophones(const lexicon::WordList& read, const lexicon::WordColumns& columns,
                       std::span<const std::int32_t> positions)
    : read_(read) {
  if (!columns.spelling && !columns.frequency) return;
  std::unordered_map<std::string_view, std::vector<Spelling>> lines_of;
  for (const std::int32_t position : positions) {
    lines_of.try_emplace(read.Trimmed(static_cast<std::size_t>(position)));
  }
  for (std::size_t line = 0; line < read.size(); ++line) {
    const auto found = lines_of.find(read.Trimmed(line));
    if (found == lines_of.end()) continue;
    const std::string_view spelling =
        columns.spelling ? columns.spelling->Of(read.Text(), line) : std::string_view();
    found->second.push_back({spelling, FrequencyAt(read, columns, line), line});
  }
  for (auto& [transcription, lines] : lines_of) {
    double frequency = 0.0;
    for (const Spelling& line : lines) frequency += line.frequency;
    std::erase_if(lines, [](const Spelling& line) { return line.text.empty(); });
    words_.emplace(transcription, Word{Joined(std::move(lines)), frequency});
  }
}

const Homophones::Word* Homophones::Find(std::int32_t position) const {
  const auto found = words_.find(read_.Trimmed(static_cast<std::size_t>(position)));
  return found == words_.end() ? nullptr : &found->second;
}

std::string_view Homophones::Spellings(std::int32_t position) const {
  const Word* word = Find(position);
  return word == nullptr ? std::string_view() : std::string_view(word->spellings);
}

double Homophones::Frequency(std::int32_t position) const {
  const Word* word = Find(position);
  return word == nullptr ? 0.0 : word->frequency;
}

}  // namespace search::survey
