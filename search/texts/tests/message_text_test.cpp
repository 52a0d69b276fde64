#include "search/texts/message_text.h"

#include <gtest/gtest.h>

#include "search/texts/search_error.h"

namespace search::texts {
namespace {

TEST(EscapedForMessage, KeepsMessagesOnOneLineAndTheTerminalUntouched) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"K AE1 \xCA\x83 \\ '", "K AE1 \xCA\x83 \\ '"},  // text, IPA and backslashes stay
      {"K\nX\rY\tZ", R"(K\nX\rY\tZ)"},
      {"\x1B[31mred", "\\x1B[31mred"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"K\x7F", "K\\x7F"},
      {"caf\xE9!", "caf\\xE9!"},  // not UTF-8
      {"\xCA", "\\xCA"},          // cut short at the end
      {"\xC2\x9B"
       "2J",
       "\\u009B2J"},  // C1 control sequence introducer
      {"a\xE2\x80\xA8"
       "b",
       "a\\u2028b"},  // line separator
      {"\xE2\x80\xAE"
       "txt.exe",
       "\\u202Etxt.exe"},  // right-to-left override
  };
  for (const auto& [text, escaped] : rows) {
    EXPECT_EQ(EscapedForMessage(text), escaped) << ::testing::PrintToString(text);
  }
}

TEST(SearchError, MessageIsEscaped) {
  EXPECT_STREQ(SearchError("cannot read 'a\nb'").what(), "cannot read 'a\\nb'");
}

}  // namespace
}  // namespace search::texts
