#include "search/os/platform_win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace search::os {
namespace {

struct Conversion {
  const char* name;
  std::wstring wide;
  std::string utf8;
};

void PrintTo(const Conversion& conversion, std::ostream* out) { *out << conversion.name; }

const Conversion kBothWays[] = {
    {"Empty", L"", ""},
    {"Ascii", L"K AE1", "K AE1"},
    {"TiedEsh", L"t\u0361\u0283", "t\xCD\xA1\xCA\x83"},
    {"SurrogatePair", L"\U0001D465", "\xF0\x9D\x91\xA5"},
};

class TextEncodingTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(TextEncodingTest, Utf8FromWide) {
  EXPECT_EQ(Utf8FromWide(GetParam().wide), GetParam().utf8);
}

TEST_P(TextEncodingTest, WideFromUtf8) {
  EXPECT_EQ(WideFromUtf8(GetParam().utf8), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextEncodingTest, ::testing::ValuesIn(kBothWays),
                         [](const ::testing::TestParamInfo<Conversion>& row) {
                           return std::string(row.param.name);
                         });

TEST(Utf8FromWide, TurnsAnUnpairedSurrogateIntoTheReplacementCharacter) {
  EXPECT_EQ(Utf8FromWide(std::wstring{L'\xD800', L'a'}),
            "\xEF\xBF\xBD"
            "a");
}

TEST(WideFromUtf8, TurnsAByteThatIsNotUtf8IntoTheReplacementCharacter) {
  EXPECT_EQ(WideFromUtf8("\xFF"
                         "a"),
            L"\uFFFDa");
}

TEST(ProgramFilePath, IsTheFullPathOfTheRunningTestProgram) {
  const std::filesystem::path path(ProgramFilePath());
  EXPECT_TRUE(path.is_absolute());
  EXPECT_EQ(path.filename(), L"search_tests.exe");
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

}  // namespace
}  // namespace search::os
