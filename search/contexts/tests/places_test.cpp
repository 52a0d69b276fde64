#include "search/contexts/places.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "random_lines.h"
#include "search/lexicon/transcription.h"

namespace search::contexts {
namespace {

using texts::TextEncoding;

std::vector<Context> Contexts(const std::vector<std::string>& texts, const ClassTable* classes) {
  std::vector<Context> contexts;
  for (const std::string& text : texts) {
    const bool position = text == "initial" || text == "medial" || text == "final";
    contexts.push_back(position ? PositionContext(text) : ParseContext(text, classes));
  }
  return contexts;
}

struct PlaceCase {
  const char* word;
  const char* symbol;  // as typed
  std::vector<std::string> contexts;
  bool some_place_fits;
  bool replaced_places_fit;
  const char* strip = "";
  friend void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << '"' << c.word << "\" / \"" << c.symbol << "\" in \"" << c.contexts.front() << '"';
  }
};

class PlacesTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlacesTest, JudgesTheNeighboursOfThePlace) {
  const PlaceCase& c = GetParam();
  ClassTable classes;
  classes.AddText("V = AE1 IY1\n");
  const Fold fold(c.strip, TextEncoding::kUtf8);
  const PlaceRule rule(Contexts(c.contexts, &classes), TextEncoding::kUtf8, &fold);
  lexicon::WordList words;
  words.AppendLine("~");  // so that the word's position is 1
  words.AppendLine(c.word);
  const lexicon::WordList folded = fold.FoldWords(words);
  const std::string symbol = fold.FoldSymbol(lexicon::PadTranscription(c.symbol)).value();
  const auto expected = [](bool kept) {
    return kept ? std::vector<std::int32_t>{1} : std::vector<std::int32_t>{};
  };
  EXPECT_EQ(SelectWordsWithFittingPlace(folded, symbol, rule), expected(c.some_place_fits));
  EXPECT_EQ(SelectWordsWhoseReplacedPlacesFit(folded, symbol, rule),
            expected(c.replaced_places_fit));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacesTest,
    ::testing::Values(PlaceCase{"K AE1 T", "K", {"initial"}, true, true},
                      PlaceCase{"K AE1 T", "T", {"# _"}, false, false},
                      PlaceCase{"K AE1 T", "T", {"final"}, true, true},
                      PlaceCase{"K AE1 T", "AE1", {"medial"}, true, true},
                      PlaceCase{"K AE1", "K", {"medial"}, false, false},
                      PlaceCase{"K AE1 T", "T", {"# _", "_ #"}, true, true},  // any context
                      PlaceCase{"K AE1 T", "K", {"_ AE"}, false, false},      // whole symbols
                      PlaceCase{"K AE1 T", "Z", {"_"}, false, false},         // no place at all
                      // Two replaced places, one fitting: the word lists it, the pairs lose it.
                      PlaceCase{"T UW1 T", "T", {"# _"}, true, false},
                      // Adjacent equal symbols: only the first T is replaced, at both ends of
                      // a run of three the first and last.
                      PlaceCase{"T T AE1", "T", {"_ AE1"}, true, false},
                      PlaceCase{"T T AE1", "T", {"_ T"}, true, true},
                      PlaceCase{"T T T", "T", {"_ #"}, true, false},
                      PlaceCase{"T T T", "T", {"{ # T } _ { T # }"}, true, true},
                      // A typed sequence is one place, from its first symbol to its last.
                      PlaceCase{"S K AE1 T", "K AE1", {"S _ T"}, true, true},
                      PlaceCase{"S K AE1 T", "K AE1", {"_ AE1"}, false, false},
                      // Empty symbols are skipped, also to the edge of a folded word.
                      PlaceCase{"K  AE1", "K", {"_ AE1"}, true, true},
                      PlaceCase{"S  K  ", "K", {"S _ #"}, true, true},
                      PlaceCase{"1  K", "K", {"# _"}, true, true, "1"},
                      // Sets, classes and the symbols `@`, `{` and `@V`.
                      PlaceCase{"S K", "K", {"{ S T } _"}, true, true},
                      PlaceCase{"P K", "K", {"{ S T } _"}, false, false},
                      PlaceCase{"K AE1", "K", {"{ S # } _"}, true, true},
                      PlaceCase{"IY1 K", "K", {"@V _"}, true, true},
                      PlaceCase{"@V K", "K", {"@V _"}, false, false},
                      PlaceCase{"@V K", "K", {"\\@V _"}, true, true},
                      PlaceCase{"@ K {", "K", {"@ _ \\{"}, true, true},
                      // Folded: the word, the typed symbol and the contexts' symbols alike.
                      PlaceCase{"K AE1 T0", "AE2", {"K _ T2"}, true, true, "012"},
                      PlaceCase{"K 1 AE1 T", "AE", {"K _ T"}, true, true, "1"},
                      PlaceCase{"K AE1 T", "AE1", {"{ K } _ @V"}, false, false, "1"}));

TEST(PlaceRule, MatchesContextsInTheListsEncoding) {
  const Fold fold("\xC3\xA9", TextEncoding::kWindows1252);  // U+00E9, the byte E9
  const PlaceRule rule(Contexts({"\xC3\xA0 _ { \xCA\x83 o }"}, nullptr), TextEncoding::kWindows1252,
                       &fold);
  lexicon::WordList words;
  for (const char* line : {"\xE0 K o\xE9", "\xE0 K \xCA\x83", "a K o"}) words.AppendLine(line);
  EXPECT_EQ(SelectWordsWithFittingPlace(fold.FoldWords(words), " K ", rule),
            std::vector<std::int32_t>{0});
}

TEST(PlaceRule, RefusesAContextSymbolThatTheFoldEmpties) {
  const Fold fold("1", TextEncoding::kUtf8);
  try {
    const PlaceRule rule(Contexts({"K _ { a 1 }"}, nullptr), TextEncoding::kUtf8, &fold);
    ADD_FAILURE() << "no error";
  } catch (const ContextError& error) {
    EXPECT_STREQ(error.what(), "the fold leaves nothing of the symbol '1'");
  }
}

// A model of the rule on whole symbols: the word split at every space, a
// place where the typed symbols stand in a row, its neighbours the nearest
// non-empty symbols. The places replaced are those that SubstituteSymbol
// replaces, found by replacing them with a marker.
constexpr std::string_view kMarker = "\x01";

std::vector<std::string> Split(std::string_view padded) {
  std::vector<std::string> symbols;
  std::size_t start = 1;
  for (std::size_t space = padded.find(' ', 1); space != std::string_view::npos;
       space = padded.find(' ', start)) {
    symbols.emplace_back(padded.substr(start, space - start));
    start = space + 1;
  }
  return symbols;
}

bool SideFits(const Side& side, const std::optional<std::string>& neighbour) {
  if (!neighbour) return side.edge;
  return side.any_symbol ||
         std::find(side.symbols.begin(), side.symbols.end(), *neighbour) != side.symbols.end();
}

// Whether the place symbols[first, last] fits; a marker stands for the typed
// symbols, whose last or first then neighbours the place.
bool ModelFits(const std::vector<std::string>& symbols, std::size_t first, std::size_t last,
               const std::vector<std::string>& typed, const std::vector<Context>& contexts) {
  std::optional<std::string> left;
  std::optional<std::string> right;
  for (std::size_t at = first; at-- > 0 && !left;) {
    if (!symbols[at].empty()) left = symbols[at] == kMarker ? typed.back() : symbols[at];
  }
  for (std::size_t at = last + 1; at < symbols.size() && !right; ++at) {
    if (!symbols[at].empty()) right = symbols[at] == kMarker ? typed.front() : symbols[at];
  }
  return std::any_of(contexts.begin(), contexts.end(), [&](const Context& context) {
    return SideFits(context.left, left) && SideFits(context.right, right);
  });
}

TEST(PlaceRule, AgreesWithAModelOfWholeSymbolsOnRandomLists) {
  std::mt19937 random(19);
  const testing_support::RandomLineShape shape{{"T", "T", "T", "AE1", "K", "S"}, 60, 6, 10, 15, ""};
  const std::vector<std::string> sides = {"", "#", "T", "AE1", "{ K # }", "{ S AE1 }"};
  std::uniform_int_distribution<std::size_t> pick(0, sides.size() - 1);
  for (int round = 0; round < 100; ++round) {
    lexicon::WordList words;
    for (const std::string& line : testing_support::RandomLines(random, shape)) {
      words.AppendLine(line);
    }
    std::vector<Context> contexts;
    for (int n = round % 2 + 1; n > 0; --n) {
      contexts.push_back(ParseContext(sides[pick(random)] + " _ " + sides[pick(random)], nullptr));
    }
    const PlaceRule rule(contexts, TextEncoding::kUtf8, nullptr);
    for (const std::string symbol : {" T ", " T T ", " T AE1 "}) {
      const std::vector<std::string> typed = Split(symbol);
      std::vector<std::int32_t> fitting;
      std::vector<std::int32_t> replaced_fit;
      for (std::size_t index = 0; index < words.size(); ++index) {
        const std::vector<std::string> symbols = Split(words.Padded(index));
        bool some = false;
        for (std::size_t at = 0; at + typed.size() <= symbols.size(); ++at) {
          some = some || (std::equal(typed.begin(), typed.end(),
                                     symbols.begin() + static_cast<std::ptrdiff_t>(at)) &&
                          ModelFits(symbols, at, at + typed.size() - 1, typed, contexts));
        }
        if (some) fitting.push_back(static_cast<std::int32_t>(index));
        std::string padded_marker = " ";
        (padded_marker += kMarker) += ' ';
        const std::vector<std::string> replaced =
            Split(lexicon::SubstituteSymbol(words.Padded(index), symbol, padded_marker));
        bool all = std::find(replaced.begin(), replaced.end(), kMarker) != replaced.end();
        for (std::size_t at = 0; at < replaced.size(); ++at) {
          if (replaced[at] == kMarker) all = all && ModelFits(replaced, at, at, typed, contexts);
        }
        if (all) replaced_fit.push_back(static_cast<std::int32_t>(index));
      }
      EXPECT_EQ(SelectWordsWithFittingPlace(words, symbol, rule), fitting) << symbol;
      EXPECT_EQ(SelectWordsWhoseReplacedPlacesFit(words, symbol, rule), replaced_fit) << symbol;
    }
  }
}

}  // namespace
}  // namespace search::contexts
