// A search in a context, end to end on random lists: its pairs file is the
// unrestricted one less the lines whose replaced places do not all fit,
// judged here by a model of the rule on whole symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "program_folder.h"
#include "random_lines.h"
#include "recording_host.h"
#include "search/contexts/context.h"
#include "search/lexicon/transcription.h"
#include "search/runs/search_run.h"

namespace search::runs {
namespace {

using options::SearchOptions;

using Neighbour = std::optional<std::string>;  // none: the word's edge

// The words as a list's whitespace splits them, an empty symbol for each
// double space; `strip` folded away, a symbol it empties gone.
std::vector<std::string> FoldedSymbols(std::string_view word, std::string_view strip) {
  std::vector<std::string> symbols;
  std::istringstream in{std::string(word)};
  for (std::string symbol; std::getline(in, symbol, ' ');) {
    const bool empty_before = symbol.empty();
    std::erase_if(symbol, [&](char c) { return strip.find(c) != std::string_view::npos; });
    if (empty_before || !symbol.empty()) symbols.push_back(symbol);
  }
  return symbols;
}

std::string Joined(const std::vector<std::string>& symbols) {
  std::string word;
  for (const std::string& symbol : symbols) (word += ' ') += symbol;
  return word + ' ';
}

// True when every place where SubstituteSymbol replaces `second` in the
// second word fits: a marker stands in for the replaced symbol.
bool ReplacedPlacesFit(std::string_view second_word, std::string_view second,
                       std::string_view strip,
                       const std::function<bool(const Neighbour&, const Neighbour&)>& fits) {
  const std::string marked =
      lexicon::SubstituteSymbol(Joined(FoldedSymbols(second_word, strip)), second, " # ");
  const std::vector<std::string> symbols = FoldedSymbols(marked.substr(1), "");
  for (std::size_t at = 0; at < symbols.size(); ++at) {
    if (symbols[at] != "#") continue;
    Neighbour left;
    Neighbour right;
    for (std::size_t before = at; before-- > 0 && !left;) {
      if (!symbols[before].empty()) left = symbols[before];
    }
    for (std::size_t after = at + 1; after < symbols.size() && !right; ++after) {
      if (!symbols[after].empty()) right = symbols[after];
    }
    if (!fits(left, right)) return false;
  }
  return true;
}

std::vector<std::string> FileLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Whether a neighbour is the symbol, both folded.
using Is = std::function<bool(const Neighbour&, std::string_view)>;

struct ContextCase {
  std::vector<std::string> contexts;  // "initial", "medial", "final" or LEFT _ RIGHT
  std::function<bool(const Neighbour& left, const Neighbour& right, const Is& is)> fits;
};

std::vector<contexts::Context> Parsed(const std::vector<std::string>& texts) {
  std::vector<contexts::Context> parsed;
  parsed.reserve(texts.size());
  for (const std::string& text : texts) {
    parsed.push_back(text.find('_') == std::string::npos ? contexts::PositionContext(text)
                                                         : contexts::ParseContext(text, nullptr));
  }
  return parsed;
}

TEST(ContextRun, IsTheUnrestrictedPairsFileLessTheLinesWhoseReplacedPlacesDoNotFit) {
  const std::vector<ContextCase> cases = {
      {{"initial"}, [](const Neighbour& left, const Neighbour&, const Is&) { return !left; }},
      {{"final"}, [](const Neighbour&, const Neighbour& right, const Is&) { return !right; }},
      {{"medial"},
       [](const Neighbour& left, const Neighbour& right, const Is&) { return left && right; }},
      {{"_ AE1"},
       [](const Neighbour&, const Neighbour& right, const Is& is) { return is(right, "AE1"); }},
      {{"{ K # } _", "_ S"},
       [](const Neighbour& left, const Neighbour& right, const Is& is) {
         return !left || is(left, "K") || is(right, "S");
       }},
  };
  // Typed first and second symbols: single ones, and a sequence.
  const std::vector<std::pair<std::string, std::string>> searches = {{"K", "T"}, {"S K", "T AE1"}};
  const testing_support::RandomLineShape shape{
      {"T", "T", "T", "T1", "AE1", "AE", "K", "K", "S", "1"}, 80, 6, 10, 10, " "};
  std::size_t kept = 0;
  std::size_t removed = 0;  // both counted so that the lists are known to test the rule
  std::mt19937 random(1919);
  const testing_support::ProgramFolder folder;
  for (int round = 0; round < 12; ++round) {
    std::string list;
    for (const std::string& line : testing_support::RandomLines(random, shape)) list += line + "\n";
    folder.Write("in.txt", list);
    for (const std::string strip : {"", "1"}) {
      for (const auto& [first, second] : searches) {
        SearchOptions unrestricted;
        unrestricted.strip = strip;
        SearchState all_state;
        testing_support::RecordingHost host(folder.utf8());
        const std::vector<std::string> all_lines =
            FileLines(folder.Read(RunSearch(first, second, all_state, host, unrestricted).pairs));
        const std::string matched_second =
            Joined(FoldedSymbols(second, strip));  // padded and folded as matched
        const Is is = [&](const Neighbour& neighbour, std::string_view symbol) {
          return neighbour && *neighbour == FoldedSymbols(symbol, strip).front();
        };
        for (const ContextCase& context_case : cases) {
          SearchOptions options = unrestricted;
          options.contexts = Parsed(context_case.contexts);
          const auto model_fits = [&](const Neighbour& left, const Neighbour& right) {
            return context_case.fits(left, right, is);
          };
          std::vector<std::string> expected;
          for (const std::string& line : all_lines) {
            const std::string second_word = line.substr(line.find('\t') + 1);
            if (ReplacedPlacesFit(second_word, matched_second, strip, model_fits)) {
              expected.push_back(line);
            }
          }
          kept += expected.size();
          removed += all_lines.size() - expected.size();
          SearchState state;
          const WrittenFiles written = RunSearch(first, second, state, host, options);
          EXPECT_EQ(FileLines(folder.Read(written.pairs)), expected)
              << "round " << round << ", strip '" << strip << "', " << first << " / " << second
              << ", " << context_case.contexts.front() << "\n"
              << list;
        }
      }
    }
  }
  EXPECT_GT(kept, 100U);
  EXPECT_GT(removed, 100U);
}

}  // namespace
}  // namespace search::runs
