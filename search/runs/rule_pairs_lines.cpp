#include "search/runs/rule_pairs_lines.h"

#include <string>

#include "search/lexicon/transcription.h"
#include "search/survey/rule_pairs.h"

namespace search::runs {

std::size_t WriteRulePairs(os::OutputFile& file, options::PairRule rule,
                           const pairs::MatchedList& list, const lexicon::WordList& shown,
                           const RuleSearchSides& sides, std::string_view line_end,
                           std::vector<pairs::FramedPairRow>* rows) {
  if (!sides.first.Match || !sides.second.Match) return 0;  // a symbol the list cannot hold
  const std::vector<survey::RulePair> found = survey::FindRulePairs(
      list.Words(), rule, {lexicon::TrimSpaces(*sides.first.Match), sides.first_list},
      {lexicon::TrimSpaces(*sides.second.Match), sides.second_list}, list.Rule());
  std::string second;
  for (const survey::RulePair& pair : found) {
    second = shown.Trimmed(static_cast<std::size_t>(pair.second_lines.front()));
    second += line_end;
    file.WriteLine(shown.Trimmed(static_cast<std::size_t>(pair.first_lines.front())), "\t", second);
    if (rows == nullptr) continue;
    const survey::RuleFrame frame = survey::RuleFrameOf(list.Words(), pair);
    for (const std::int32_t first_line : pair.first_lines) {
      for (const std::int32_t second_line : pair.second_lines) {
        rows->push_back({{first_line, second_line}, frame.frame, frame.positions});
      }
    }
  }
  return found.size();
}

}  // namespace search::runs
