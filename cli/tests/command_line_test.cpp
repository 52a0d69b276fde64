#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "expected_texts.h"
#include "fake_desktop.h"
#include "program_folder.h"

namespace cli {
namespace {

using testing_support::kExpectedBegunSearch;
using testing_support::kExpectedDone;
using testing_support::kExpectedMakingLists;
using testing_support::kExpectedReading;
using testing_support::ProgramFolder;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Lines(std::initializer_list<std::string_view> texts) {
  std::string lines;
  for (const std::string_view text : texts) (lines += text) += '\n';
  return lines;
}

Outcome RunMinpairs(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  FakeDesktop desktop;
  const int status = RunCommandLine(arguments, out, err, desktop);
  return {status, out.str(), err.str()};
}

class CommandLineTest : public ::testing::Test {
 protected:
  ProgramFolder folder{"P AE1 T\nT AE1 T\nP IH1 N\nT IH1 N\n"};
};

TEST_F(CommandLineTest, StatusGoesToStderrAndTheSummaryToStdout) {
  const Outcome outcome = RunMinpairs({"--dir", folder.utf8() + "/", "P", "T"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, Lines({" 2 words have  P ,  3 words have  T .  Click OK to continue.",
                                "1 pairs in 'VendrelForPAndT.txt'"}));
  EXPECT_EQ(outcome.err,
            Lines({kExpectedReading, kExpectedMakingLists, kExpectedBegunSearch, kExpectedDone}));
  EXPECT_EQ(folder.Read("output/VendrelForPAndT.txt"), "P IH1 N\tT IH1 N\r\n");
}

TEST_F(CommandLineTest, QuietKeepsOnlyTheSummary) {
  const Outcome outcome = RunMinpairs({"--quiet", "--dir", folder.utf8(), "P", "T"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out, Lines({" 2 words have  P ,  3 words have  T .  Click OK to continue.",
                                "1 pairs in 'VendrelForPAndT.txt'"}));
}

TEST_F(CommandLineTest, SymbolsMayBeEmptyOrLookLikeOptionsAfterDoubleDash) {
  folder.Write("in.txt", "-X A\n\nA\n");
  const Outcome outcome = RunMinpairs({"--quiet", "--dir", folder.utf8(), "--", "-X", ""});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, Lines({" 1 words have  -X ,  1 words have   .  Click OK to continue.",
                                "0 pairs in 'VendrelFor-XAnd.txt'"}));
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith -X.txt"));
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith .txt"));
}

TEST_F(CommandLineTest, FailureIsOneErrorLineAndStatusOne) {
  std::filesystem::remove(folder.path() / "output");
  const Outcome outcome = RunMinpairs({"--quiet", "--dir", folder.utf8(), "P", "T"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "minpairs: error: cannot create '" + folder.utf8() +
                             "/output/ListOfWordsWith P.txt': the folder '" + folder.utf8() +
                             "/output' does not exist: create it\n");
}

// A symbol in no word that looks like one of the list is noted after the run,
// quiet or not; the run succeeds as it would without the note.
TEST_F(CommandLineTest, LookAlikeSymbolIsNotedAfterTheRun) {
  folder.Write("in.txt", "K AE1 T\n\xC9\xA1 AE1 T\n");
  const std::string note = "minpairs: note: no word has 'g'; the list has '\xC9\xA1' (U+0261)";
  const Outcome outcome = RunMinpairs({"--dir", folder.utf8(), "K", "g"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, Lines({" 1 words have  K ,  0 words have  g .  Click OK to continue.",
                                "0 pairs in 'VendrelForKAndg.txt'"}));
  EXPECT_EQ(outcome.err, Lines({kExpectedReading, kExpectedMakingLists, kExpectedBegunSearch,
                                kExpectedDone, note}));
  EXPECT_EQ(RunMinpairs({"-q", "--dir", folder.utf8(), "P", " 'K' "}).err,
            "minpairs: note: no word has ''K''; the list has 'K' (cmd.exe keeps single quotes "
            "as part of a symbol: use double quotes there)\n");
}

TEST_F(CommandLineTest, SurveyWritesItsFilesAndOneSummaryLine) {
  const Outcome outcome = RunMinpairs({"--survey", "--quiet", "--dir", folder.utf8()});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out,
            "5 symbols, 2 ordered pairs of symbols with minimal pairs, 3 minimal pairs in all.\n");
  for (const char* name :
       {"SurveyOfMinimalPairs.tsv", "SurveyOfSymbols.tsv", "SurveyOfMinimalPairs.html"}) {
    EXPECT_TRUE(folder.Exists(std::string("output/") + name)) << name;
  }
  EXPECT_EQ(RunMinpairs({"--survey", "--dir", folder.utf8(), "P"}).status, 2);
}

TEST(CommandLine, UsageErrorsPrintTheUsageAndStatusTwo) {
  const struct {
    std::vector<std::string> arguments;
    std::string error;  // the first line
  } cases[] = {
      {{}, "expected two symbols, got 0"},
      {{"P"}, "expected two symbols, got 1"},
      {{"P", "T", "K"}, "expected two symbols, got 3"},
      {{"--dir"}, "--dir needs a folder"},
      {{"--dir", "", "P", "T"}, "--dir needs a folder"},
      {{"--frobnicate", "P", "T"}, "unknown option '--frobnicate'"},
      {{"--format", "csv", "P", "T"}, "unknown format 'csv'; use plain, tsv or cmudict"},
      {{"--input", "P", "T"}, "expected two symbols, got 1"},
      {{"--format", "tsv", "--min-frequency", "3,5", "P", "T"},
       "--min-frequency needs a non-negative decimal number such as 3 or 2.5, got '3,5'"},
      {{"--min-frequency", "3", "P", "T"},
       "--min-frequency needs --format tsv: frequencies come from its 'frequency' column"},
      {{"--format", "cmudict", "--sort", "frequency", "P", "T"},
       "--sort frequency needs --format tsv: frequencies come from its 'frequency' column"},
      {{"--format", "tsv", "--sort", "spelling", "P", "T"},
       "unknown order 'spelling'; --sort takes frequency"},
      {{"--survey", "--format", "tsv", "--sort", "frequency"},
       "--sort frequency orders a search's pairs; the survey has none to order"},
      {{"--survey", "--both-ways"},
       "--both-ways pairs a search's words one way and the other; the survey's contrasts count "
       "both ways already"},
  };
  for (const auto& test : cases) {
    const Outcome outcome = RunMinpairs(test.arguments);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), "minpairs: " + test.error);
    EXPECT_NE(outcome.err.find("\nusage: minpairs [--dir FOLDER]"), std::string::npos);
  }
}

// After its summary a search says how many lines its pairs file holds, quiet
// or not, always "pairs"; a class run's lines are its counts.
TEST_F(CommandLineTest, ASearchSaysHowManyPairsItsFileHolds) {
  const struct {
    std::vector<std::string> arguments;
    std::string said;
  } cases[] = {
      {{"P", "T"}, "1 pairs in 'VendrelForPAndT.txt'\n"},
      {{"T", "P"}, "2 pairs in 'VendrelForTAndP.txt'\n"},
      {{"--both-ways", "P", "T"}, "2 pairs in 'VendrelForPAndT (both ways).txt'\n"},
      {{"T", "P", "--both-ways", "--position", "initial"},
       "2 pairs in 'VendrelForTAndP (initial; both ways).txt'\n"},
      {{"K", "G"}, "0 pairs in 'VendrelForKAndG.txt'\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"-q", "--dir", folder.utf8()};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const Outcome outcome = RunMinpairs(arguments);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.substr(outcome.out.find('\n') + 1), c.said);
  }
  folder.Write("classes.txt", "a = P\nb = T\n");
  const std::string classes = (folder.path() / "classes.txt").string();
  EXPECT_EQ(RunMinpairs({"-q", "--dir", folder.utf8(), "--classes", classes, "@a", "@b"}).out,
            "P\tT\t1\ntotal\t1\n");
  EXPECT_EQ(
      RunMinpairs({"-q", "--dir", folder.utf8(), "--classes", classes, "--both-ways", "@b", "@a"})
          .out,
      "T\tP\t2\ntotal\t2\n");
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith @b.txt"));
  EXPECT_TRUE(folder.Exists("output/VendrelFor@bAnd@a (both ways).txt"));
}

// Errors in a lexicon come after reading starts, with status 1; the run
// names its files after the options that change which words take part.
TEST_F(CommandLineTest, LexiconOptionsReadAnotherFileAndNameTheOutputs) {
  folder.Write("words.tsv",
               "Spelling\tTranscription\tFrequency\npin\tP IH1 N\t7\ntin\tT IH1 N\t\n");
  const std::string input = (folder.path() / "words.tsv").string();
  const Outcome run = RunMinpairs({"--dir", folder.utf8(), "--input", input, "--format", "tsv",
                                   "--min-frequency", "0", "-q", "P", "T"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Lines({" 1 words have  P ,  1 words have  T .  Click OK to continue.",
                            "1 pairs in 'VendrelForPAndT (min-frequency 0).txt'"}));
  EXPECT_EQ(folder.Read("output/VendrelForPAndT (min-frequency 0).tsv"),
            "first spelling\tfirst transcription\tfirst frequency\tsecond spelling\t"
            "second transcription\tsecond frequency\tframe\tposition\r\npin\tP IH1 N\t7\ttin\t"
            "T IH1 N\t\t_ IH1 N\tinitial\r\n");
  folder.Write("words.tsv", "transcription\tfrequency\nP\tmany\n");
  const Outcome bad = RunMinpairs({"--dir", folder.utf8(), "--input", input, "--format", "tsv",
                                   "--min-frequency", "1", "P", "T"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, Lines({kExpectedReading,
                            "minpairs: error: '" + input +
                                "' line 2: the column 'frequency' holds 'many', which is not a "
                                "number; write a non-negative decimal number with a point, such "
                                "as 12 or 3.5"}));
}

// As when standard output is a full disk or a closed pipe: the run stops at
// the summary, before the pairs, and never reports that it is done.
TEST_F(CommandLineTest, ALostSummaryStopsTheRunWithOneError) {
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);
  FakeDesktop desktop;
  EXPECT_EQ(RunCommandLine({"--dir", folder.utf8(), "P", "T"}, out, err, desktop), 1);
  EXPECT_EQ(err.str(), Lines({kExpectedReading, kExpectedMakingLists,
                              "minpairs: error: cannot write to standard output"}));
  EXPECT_FALSE(folder.Exists("output/VendrelForPAndT.txt"));
  std::ostringstream version_err;
  EXPECT_EQ(RunCommandLine({"--version"}, out, version_err, desktop), 1);
  EXPECT_EQ(version_err.str(), "minpairs: error: cannot write to standard output\n");
}

// Short options, a lone "-" as a symbol, and a folder given with trailing
// separators, which the paths in messages show once.
TEST_F(CommandLineTest, ShortOptionsLoneDashAndTrailingSeparator) {
  folder.Write("in.txt", "- A\nP A\n");
  const Outcome quiet = RunMinpairs({"-q", "--dir", folder.utf8() + "//", "P", "-"});
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.err, "");
  EXPECT_EQ(quiet.out, Lines({" 1 words have  P ,  1 words have  - .  Click OK to continue.",
                              "1 pairs in 'VendrelForPAnd-.txt'"}));
  EXPECT_EQ(folder.Read("output/VendrelForPAnd-.txt"), "P A\t- A\r\n");

  EXPECT_EQ(RunMinpairs({"-h", "P"}).out.rfind("usage: minpairs", 0), 0u);
  std::filesystem::remove_all(folder.path() / "output");
  EXPECT_EQ(RunMinpairs({"-q", "--dir", folder.utf8() + "///", "P", "T"}).err,
            "minpairs: error: cannot create '" + folder.utf8() +
                "/output/ListOfWordsWith P.txt': the folder '" + folder.utf8() +
                "/output' does not exist: create it\n");
}

TEST(CommandLine, ArgumentsAreShownEscaped) {
  EXPECT_EQ(RunMinpairs({"--fr\x1B[2J"}).err.substr(0, 39),
            "minpairs: unknown option '--fr\\x1B[2J'\n");
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_EQ(RunMinpairs({"--version"}).out, "minpairs 1.0.0.0\n");
  const Outcome help = RunMinpairs({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: minpairs", 0), 0u);
}

}  // namespace
}  // namespace cli
