#include "search/contexts/context.h"

#include <gtest/gtest.h>

namespace search::contexts {
namespace {

const Side kAnything{true, true, {}};
const Side kEdge{true, false, {}};
Side OneOf(std::vector<std::string> symbols, bool edge = false) {
  return {edge, false, std::move(symbols)};
}

struct ParseCase {
  const char* text;
  bool with_classes;
  Side left;
  Side right;
  const char* normal;  // the text kept
};

class ParseContextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseContextTest, ReadsEachSide) {
  ClassTable classes;
  classes.AddText("V = a e\n");
  const ParseCase& c = GetParam();
  const Context context = ParseContext(c.text, c.with_classes ? &classes : nullptr);
  EXPECT_EQ(context.left, c.left);
  EXPECT_EQ(context.right, c.right);
  EXPECT_EQ(context.text, c.normal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseContextTest,
    ::testing::Values(ParseCase{"# _", true, kEdge, kAnything, "# _"},
                      ParseCase{"  _   # ", true, kAnything, kEdge, "_ #"},
                      ParseCase{"_", true, kAnything, kAnything, "_"},
                      ParseCase{"K _ AE1", true, OneOf({"K"}), OneOf({"AE1"}), "K _ AE1"},
                      ParseCase{"{ a # i } _", true, OneOf({"a", "i"}, true), kAnything,
                                "{ a # i } _"},
                      ParseCase{"@V _ { @V o }", true, OneOf({"a", "e"}), OneOf({"a", "e", "o"}),
                                "@V _ { @V o }"},
                      // `@`, braces and `_` inside a symbol are symbols unless they are
                      // a defined class, a token of their own, or escaped.
                      ParseCase{"@V _ @W", false, OneOf({"@V"}), OneOf({"@W"}), "@V _ @W"},
                      ParseCase{"@ _ @W", true, OneOf({"@"}), OneOf({"@W"}), "@ _ @W"},
                      ParseCase{"\\@V _ \\{", true, OneOf({"@V"}), OneOf({"{"}), "\\@V _ \\{"},
                      ParseCase{"{a _ a}", true, OneOf({"{a"}), OneOf({"a}"}), "{a _ a}"},
                      ParseCase{"\\_ _ t_h", true, OneOf({"_"}), OneOf({"t_h"}), "\\_ _ t_h"},
                      ParseCase{"{ \\# \\} \\\\ } _", true, OneOf({"#", "}", "\\"}), kAnything,
                                "{ \\# \\} \\\\ } _"}));

TEST(PositionContext, IsAShorterWayToWriteAContext) {
  const Side symbol{false, true, {}};
  EXPECT_EQ(PositionContext("initial").left, kEdge);
  EXPECT_EQ(PositionContext("initial").right, kAnything);
  EXPECT_EQ(PositionContext("final").left, kAnything);
  EXPECT_EQ(PositionContext("final").right, kEdge);
  EXPECT_EQ(PositionContext("medial").left, symbol);
  EXPECT_EQ(PositionContext("medial").right, symbol);
  EXPECT_EQ(PositionContext("medial").text, "medial");
}

struct ErrorCase {
  const char* text;
  const char* message;
};

class ContextErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ContextErrorTest, SaysWhere) {
  try {
    const std::string_view text = GetParam().text;
    (void)(text == "middle" ? PositionContext(text) : ParseContext(text, nullptr));
    ADD_FAILURE() << "no error";
  } catch (const ContextError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContextErrorTest,
    ::testing::Values(
        ErrorCase{"", "context '': no '_' marks the place (write LEFT _ RIGHT, such as '# _')"},
        ErrorCase{"\xE9 _", "context '\xE9 _': the characters are not UTF-8"},
        ErrorCase{"# t_h",
                  "context '# t_h': no '_' marks the place (write LEFT _ RIGHT, such as "
                  "'# _')"},
        ErrorCase{"a _ _",
                  "context 'a _ _': token 3 '_' is a second place; a context has one "
                  "'_' (write \\_ for the symbol)"},
        ErrorCase{"# _ { a e", "context '# _ { a e': token 3 '{' opens a set that no '}' closes"},
        ErrorCase{"{ a _ }",
                  "context '{ a _ }': token 3 '_' stands inside the set opened at "
                  "token 1"},
        ErrorCase{"{ { a } } _",
                  "context '{ { a } } _': token 2 '{' opens a set inside a set "
                  "(write \\{ for the symbol)"},
        ErrorCase{"a } _",
                  "context 'a } _': token 2 '}' closes no set (write \\} for the "
                  "symbol)"},
        ErrorCase{"_ { }", "context '_ { }': token 2 '{' opens an empty set"},
        ErrorCase{"K AE1 _",
                  "context 'K AE1 _': token 2 'AE1' is a second token on the left; a "
                  "side is one symbol, '#', a class @NAME or a set { ... }"},
        ErrorCase{"_ { a } #",
                  "context '_ { a } #': token 5 '#' is a second token on the right; "
                  "a side is one symbol, '#', a class @NAME or a set { ... }"},
        ErrorCase{"\\ _",
                  "context '\\ _': token 1 '\\' escapes nothing (write \\\\ for the "
                  "symbol '\\')"},
        ErrorCase{"middle", "position 'middle': write initial, medial or final"}));

}  // namespace
}  // namespace search::contexts
