#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/wide_arguments.h"

namespace cli {
namespace {

TEST(Utf8Arguments, LeavesOutTheProgramNameAndKeepsEmptyArguments) {
  const wchar_t* argv[] = {L"C:\\W\u00F6rter\\minpairs.exe", L"--dir", L"C:\\W\u00F6rter", L"",
                           L"\u0283"};
  EXPECT_EQ(Utf8Arguments(5, argv),
            (std::vector<std::string>{"--dir", "C:\\W\xC3\xB6rter", "", "\xCA\x83"}));
}

TEST(Utf8Arguments, TurnsAnUnpairedSurrogateIntoTheReplacementCharacter) {
  const wchar_t unpaired[] = {L'\xD800', L'a', L'\0'};
  const wchar_t* argv[] = {L"minpairs.exe", unpaired};
  EXPECT_EQ(Utf8Arguments(2, argv), (std::vector<std::string>{"\xEF\xBF\xBD"
                                                              "a"}));
}

}  // namespace
}  // namespace cli
