#include "search/survey/survey_report.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace search::survey {
namespace {

using os::CommandPrompt;

// Commands of the page for both prompts: each symbol and folder comes back to
// the program as it is, or there is no command.
TEST(PairsCommand, QuotesForThePromptOrGivesNone) {
  struct Case {
    CommandPrompt prompt;
    std::string folder;
    std::string first;
    std::string second;
    std::optional<std::string> expected;
  };
  const CommandPrompt posix = CommandPrompt::kPosixShell;
  const CommandPrompt cmd = CommandPrompt::kCmd;
  const std::vector<Case> cases = {
      {posix, ".", "\xCA\x83", "\xCA\x92", "minpairs -- '\xCA\x83' '\xCA\x92'"},  // ʃ ʒ
      {posix, "my words/R&D 100%", "50%", "^(a)&!",
       "minpairs --dir 'my words/R&D 100%' -- '50%' '^(a)&!'"},
      {posix, "it's", "it's", "-x", "minpairs --dir 'it'\\''s' -- 'it'\\''s' '-x'"},
      {posix, "", "K", "G", "minpairs --dir '/' -- 'K' 'G'"},
      {cmd, ".", "\xCA\x83", "AE1", "minpairs -- \xCA\x83 AE1"},
      {cmd, "C:\\data", "t\xCD\xA1\xCA\x83",
       "e:", "minpairs --dir C:\\data -- t\xCD\xA1\xCA\x83 e:"},
      {cmd, "C:\\My Words", "a&b", "(x)", "minpairs --dir \"C:\\My Words\" -- \"a&b\" \"(x)\""},
      {cmd, "R&D\\", "^", "a|b<c>", R"(minpairs --dir "R&D\\" -- "^" "a|b<c>")"},
      {cmd, "C:\\100%", "K", "G", std::nullopt},
      {cmd, ".", "50%", "K", std::nullopt},
      {cmd, ".", "K", "!", std::nullopt},
      {cmd, ".", "\"q\"", "K", std::nullopt},
      {posix, ".", "x\xE2\x80\xAEy", "K", std::nullopt},   // U+202E
      {posix, "dir\xE2\x80\x8F", "K", "G", std::nullopt},  // U+200F
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PairsCommand({c.prompt, c.folder}, c.first, c.second), c.expected)
        << (c.prompt == cmd ? "cmd " : "posix ") << c.folder << " " << c.first << " " << c.second;
  }
}

}  // namespace
}  // namespace search::survey
