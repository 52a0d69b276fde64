#include "cli/wide_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cli {
namespace {

struct Conversion {
  const char* name;
  std::wstring wide;
  std::string utf8;
};

void PrintTo(const Conversion& conversion, std::ostream* out) { *out << conversion.name; }

class Utf8FromWideTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(Utf8FromWideTest, Converts) { EXPECT_EQ(Utf8FromWide(GetParam().wide), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8FromWideTest,
    ::testing::Values(Conversion{"Empty", L"", ""}, Conversion{"Ascii", L"K AE1", "K AE1"},
                      Conversion{"TiedEsh", L"t\u0361\u0283", "t\xCD\xA1\xCA\x83"},
                      Conversion{"SurrogatePair", L"\U0001D465", "\xF0\x9D\x91\xA5"},
                      Conversion{"UnpairedSurrogate", std::wstring{L'\xD800', L'a'},
                                 "\xEF\xBF\xBD"
                                 "a"}),
    [](const ::testing::TestParamInfo<Conversion>& row) { return std::string(row.param.name); });

TEST(Utf8Arguments, LeavesOutTheProgramNameAndKeepsEmptyArguments) {
  const wchar_t* argv[] = {L"C:\\W\u00F6rter\\minpairs.exe", L"--dir", L"C:\\W\u00F6rter", L"",
                           L"\u0283"};
  EXPECT_EQ(Utf8Arguments(5, argv),
            (std::vector<std::string>{"--dir", "C:\\W\xC3\xB6rter", "", "\xCA\x83"}));
}

}  // namespace
}  // namespace cli
