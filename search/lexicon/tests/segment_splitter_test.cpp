#include "search/lexicon/segment_splitter.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace search::lexicon {
namespace {

enum Splitting { kAuto, kWithInventory, kWindows1252, kWindows1252WithInventory };

struct SplitCase {
  const char* text;
  const char* expected;
  Splitting how;
  friend void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.text));
  }
};

// t tʃ tʃʰ eɪ d̠ʒ aʊ œu
const SegmentInventory kInventory{{"t", "t\xCA\x83", "t\xCA\x83\xCA\xB0", "e\xC9\xAA",
                                   "d\xCC\xA0\xCA\x92", "a\xCA\x8A", "\xC5\x93u"}};

SegmentSplitter SplitterFor(Splitting how) {
  const bool windows_1252 = how == kWindows1252 || how == kWindows1252WithInventory;
  const bool inventory = how == kWithInventory || how == kWindows1252WithInventory;
  return SegmentSplitter(
      windows_1252 ? texts::TextEncoding::kWindows1252 : texts::TextEncoding::kUtf8,
      inventory ? &kInventory : nullptr);
}

class SegmentSplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SegmentSplitterTest, AppendsTheSymbolsSeparatedBySingleSpaces) {
  const SplitCase& c = GetParam();
  const SegmentSplitter splitter = SplitterFor(c.how);
  std::string out = "before|";
  splitter.Split(c.text, out);
  EXPECT_EQ(out, std::string("before|") + c.expected);
  // SplitTo keeps within the room it asks for, which the sanitizers check.
  const std::string_view text = c.text;
  const auto room = std::make_unique<char[]>(SegmentSplitter::RoomToSplit(text.size()));
  const char* end = splitter.SplitTo(text, room.get());
  EXPECT_EQ(std::string_view(room.get(), static_cast<std::size_t>(end - room.get())), c.expected);
}

// Each row: the text, the symbols expected, and how it is split; the comment
// shows the text and the symbols as characters.
const SplitCase kSplitCases[] = {
    // ʃɪp → ʃ ɪ p; nothing, and spaces only, give nothing
    {"\xCA\x83\xC9\xAAp", "\xCA\x83 \xC9\xAA p", kAuto},
    {"", "", kAuto},
    {"   ", "", kAuto},
    // already spaced: only the runs of spaces change
    {"  \xCA\x83  \xC9\xAA p ", "\xCA\x83 \xC9\xAA p", kAuto},
    // a with U+0300 U+036F, e with U+1AB0 U+1AFF, i with U+1DC0 U+1DFF, o with
    // U+20D0 U+20FF, u with U+FE20 U+FE2F: the first and last of each range
    {"a\xCC\x80\xCD\xAF"
     "e\xE1\xAA\xB0\xE1\xAB\xBF"
     "i\xE1\xB7\x80\xE1\xB7\xBF"
     "o\xE2\x83\x90\xE2\x83\xBF"
     "u\xEF\xB8\xA0\xEF\xB8\xAF",
     "a\xCC\x80\xCD\xAF e\xE1\xAA\xB0\xE1\xAB\xBF i\xE1\xB7\x80\xE1\xB7\xBF "
     "o\xE2\x83\x90\xE2\x83\xBF u\xEF\xB8\xA0\xEF\xB8\xAF",
     kAuto},
    // just outside the ranges, bases: U+02FF U+0370 U+1AAF U+1B00 U+1DBE U+1E00
    // U+20CF U+2100 U+FE1F U+FE30
    {"a\xCB\xBF\xCD\xB0\xE1\xAA\xAF\xE1\xAC\x80\xE1\xB6\xBE\xE1\xB8\x80\xE2\x83\x8F\xE2\x84\x80"
     "\xEF\xB8\x9F\xEF\xB8\xB0",
     "a \xCB\xBF \xCD\xB0 \xE1\xAA\xAF \xE1\xAC\x80 \xE1\xB6\xBE \xE1\xB8\x80 \xE2\x83\x8F "
     "\xE2\x84\x80 \xEF\xB8\x9F \xEF\xB8\xB0",
     kAuto},
    // t with every attaching modifier, a: ʰ ʱ ʲ ʷ ʼ ˀ ˁ ː ˑ ˞ ˠ ˡ ˣ ˤ ᵊ ᵐ ᵑ ᵝ ᶞ ᶣ ᶮ ᶯ ᶿ ⁿ ꜝ
    {"t\xCA\xB0\xCA\xB1\xCA\xB2\xCA\xB7\xCA\xBC\xCB\x80\xCB\x81\xCB\x90\xCB\x91\xCB\x9E\xCB\xA0"
     "\xCB\xA1\xCB\xA3\xCB\xA4\xE1\xB5\x8A\xE1\xB5\x90\xE1\xB5\x91\xE1\xB5\x9D\xE1\xB6\x9E"
     "\xE1\xB6\xA3\xE1\xB6\xAE\xE1\xB6\xAF\xE1\xB6\xBF\xE2\x81\xBF\xEA\x9C\x9D"
     "a",
     "t\xCA\xB0\xCA\xB1\xCA\xB2\xCA\xB7\xCA\xBC\xCB\x80\xCB\x81\xCB\x90\xCB\x91\xCB\x9E\xCB\xA0"
     "\xCB\xA1\xCB\xA3\xCB\xA4\xE1\xB5\x8A\xE1\xB5\x90\xE1\xB5\x91\xE1\xB5\x9D\xE1\xB6\x9E"
     "\xE1\xB6\xA3\xE1\xB6\xAE\xE1\xB6\xAF\xE1\xB6\xBF\xE2\x81\xBF\xEA\x9C\x9D a",
     kAuto},
    // a˥˩ → a ˥ ˩: tone letters are bases
    {"a\xCB\xA5\xCB\xA9", "a \xCB\xA5 \xCB\xA9", kAuto},
    // t͡ʃʰa → t͡ʃʰ a; k͜pa → k͜p a; d̥͡ʒ̊ːa → d̥͡ʒ̊ː a (each side of a tie keeps its marks)
    {"t\xCD\xA1\xCA\x83\xCA\xB0"
     "a",
     "t\xCD\xA1\xCA\x83\xCA\xB0 a", kAuto},
    {"k\xCD\x9Cpa", "k\xCD\x9Cp a", kAuto},
    {"d\xCC\xA5\xCD\xA1\xCA\x92\xCC\x8A\xCB\x90"
     "a",
     "d\xCC\xA5\xCD\xA1\xCA\x92\xCC\x8A\xCB\x90 a", kAuto},
    // t͡ s t͡ˈa t͡ → t͡ s t͡ ˈ a t͡: a tie before a space, a stress mark or the end joins nothing
    {"t\xCD\xA1 s t\xCD\xA1\xCB\x88"
     "a t\xCD\xA1",
     "t\xCD\xA1 s t\xCD\xA1 \xCB\x88 a t\xCD\xA1", kAuto},
    // ˈʃɪp.ə → ˈ ʃ ɪ p . ə; ˌaˈba. → ˌ a ˈ b a .
    {"\xCB\x88\xCA\x83\xC9\xAAp.\xC9\x99", "\xCB\x88 \xCA\x83 \xC9\xAA p . \xC9\x99", kAuto},
    {"\xCB\x8C"
     "a\xCB\x88"
     "ba.",
     "\xCB\x8C a \xCB\x88 b a .", kAuto},
    // ʰt → ʰ t; ⁿd → ⁿ d; a ʰtˈʰa.ⁿd → a ʰ t ˈ ʰ a . ⁿ d: modifiers with no base
    {"\xCA\xB0t", "\xCA\xB0 t", kAuto},
    {"\xE2\x81\xBF"
     "d",
     "\xE2\x81\xBF d", kAuto},
    {"a \xCA\xB0t\xCB\x88\xCA\xB0"
     "a.\xE2\x81\xBF"
     "d",
     "a \xCA\xB0 t \xCB\x88 \xCA\xB0 a . \xE2\x81\xBF d", kAuto},
    // ̰̃a ʰʷt → ̰̃ a ʰʷ t: what follows a mark or modifier with no base joins it
    {"\xCC\x83\xCC\xB0"
     "a \xCA\xB0\xCA\xB7t",
     "\xCC\x83\xCC\xB0 a \xCA\xB0\xCA\xB7 t", kAuto},
    // Invalid UTF-8, each bad byte a base: a stray byte that takes a mark, a
    // sequence cut short, a tie bar cut short at the end, a lead byte before
    // ASCII, a surrogate
    {"a\xFF\xCC\x83"
     "b",
     "a \xFF\xCC\x83 b", kAuto},
    {"\xE2\x82", "\xE2 \x82", kAuto},
    {"t\xCD", "t \xCD", kAuto},
    {"\xC3(", "\xC3 (", kAuto},
    {"\xED\xA0\x80", "\xED \xA0 \x80", kAuto},
    // The inventory, longest first: tʃeɪs → tʃ eɪ s; tʃʰaʊt → tʃʰ aʊ t; tʃːt → tʃː t
    {"t\xCA\x83"
     "e\xC9\xAAs",
     "t\xCA\x83 e\xC9\xAA s", kWithInventory},
    {"t\xCA\x83\xCA\xB0"
     "a\xCA\x8At",
     "t\xCA\x83\xCA\xB0 a\xCA\x8A t", kWithInventory},
    {"t\xCA\x83\xCB\x90t", "t\xCA\x83\xCB\x90 t", kWithInventory},
    // A symbol with a mark, taken only whole: d̠ʒə → d̠ʒ ə; dʒə ẽɪ → d ʒ ə ẽ ɪ
    {"d\xCC\xA0\xCA\x92\xC9\x99", "d\xCC\xA0\xCA\x92 \xC9\x99", kWithInventory},
    {"d\xCA\x92\xC9\x99 \xE1\xBA\xBD\xC9\xAA", "d \xCA\x92 \xC9\x99 \xE1\xBA\xBD \xC9\xAA",
     kWithInventory},
    // t͡ʃeɪ k͡tʃa → t͡ʃ eɪ k͡tʃ a; ˈeɪ.tʃ → ˈ eɪ . tʃ
    {"t\xCD\xA1\xCA\x83"
     "e\xC9\xAA k\xCD\xA1t\xCA\x83"
     "a",
     "t\xCD\xA1\xCA\x83 e\xC9\xAA k\xCD\xA1t\xCA\x83 a", kWithInventory},
    {"\xCB\x88"
     "e\xC9\xAA.t\xCA\x83",
     "\xCB\x88 e\xC9\xAA . t\xCA\x83", kWithInventory},
    // Windows-1252, byte by byte: ét → é t; aˆ˜ → a ˆ ˜; the bytes of UTF-8 ͡ and ː;
    // bœuft.a → b œu f t . a, œu from the inventory by its byte
    {"\xE9t", "\xE9 t", kWindows1252},
    {"a\x88\x98", "a \x88 \x98", kWindows1252},
    {"\xCD\xA1\xCB\x90", "\xCD \xA1 \xCB \x90", kWindows1252},
    {"b\x9Cuft.a", "b \x9Cu f t . a", kWindows1252WithInventory},
};

INSTANTIATE_TEST_SUITE_P(Cases, SegmentSplitterTest, ::testing::ValuesIn(kSplitCases));

std::string WithoutSpaces(std::string text) {
  std::erase(text, ' ');
  return text;
}

// On random texts of awkward pieces, valid or not: splitting only adds and
// removes spaces, and what it gives splits to itself.
TEST(SegmentSplitter, OnlyMovesSpacesAndSplitsItsOwnOutputToItself) {
  // a t ʃ, ʰ, U+0303, U+0361, ˈ, ".", ⁿ, a space, a stray byte, a cut tie bar, é in 1252
  const std::vector<std::string> pieces = {
      "a", "t",    "\xCA\x83", "\xCA\xB0", "\xCC\x83", "\xCD\xA1", "\xCB\x88", ".", "\xE2\x81\xBF",
      " ", "\xFF", "\xCD",     "\xE9"};
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int length = std::uniform_int_distribution<int>(0, 10)(random); length > 0; --length) {
      text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    for (const auto how : {kAuto, kWithInventory, kWindows1252, kWindows1252WithInventory}) {
      const SegmentSplitter splitter = SplitterFor(how);
      std::string split;
      splitter.Split(text, split);
      ASSERT_EQ(WithoutSpaces(split), WithoutSpaces(text)) << ::testing::PrintToString(text);
      std::string again;
      splitter.Split(split, again);
      ASSERT_EQ(again, split) << ::testing::PrintToString(text);
    }
  }
}

}  // namespace
}  // namespace search::lexicon
