#include "search/pairs/search_symbol.h"

#include <gtest/gtest.h>

namespace search::pairs {
namespace {

TEST(MakeSearchSymbol, ShowsTheTypedTextAndMatchesInTheListsEncoding) {
  const SearchSymbol utf8 = MakeSearchSymbol(" \xC3\xA9 ", texts::TextEncoding::kUtf8);
  EXPECT_EQ(utf8.Shown, " \xC3\xA9 ");
  EXPECT_EQ(utf8.Match, " \xC3\xA9 ");

  const SearchSymbol legacy = MakeSearchSymbol("\xC3\xA9", texts::TextEncoding::kWindows1252);
  EXPECT_EQ(legacy.Shown, " \xC3\xA9 ");
  EXPECT_EQ(legacy.Match, " \xE9 ");

  EXPECT_EQ(MakeSearchSymbol("\xCA\x83", texts::TextEncoding::kWindows1252).Match, std::nullopt);
}

}  // namespace
}  // namespace search::pairs
