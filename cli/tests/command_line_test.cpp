#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "temp_folder.h"

namespace cli {
namespace {

using testing_support::TempFolder;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunMinpairs(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunCommandLine(arguments, out, err);
  return {status, out.str(), err.str()};
}

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineTest() {
    folder.Write("in.txt", "P AE1 T\nT AE1 T\nP IH1 N\nT IH1 N\n");
    std::filesystem::create_directory(folder.path() / "output");
  }
  TempFolder folder;
};

TEST_F(CommandLineTest, StatusGoesToStderrAndTheSummaryToStdout) {
  const Outcome outcome = RunMinpairs({"--dir", folder.utf8() + "/", "P", "T"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, " 2 words have  P ,  3 words have  T .  Click OK to continue.\n");
  EXPECT_EQ(outcome.err,
            "Reading input file ...\nMaking lists of words that have the relevant phonemes ...\n"
            "Begun search for minimal pairs ...\nDone!  Click again to exit.\n");
  EXPECT_EQ(folder.Read("output/VendrelForPAndT.txt"), "P IH1 N\tT IH1 N\r\n");
}

TEST_F(CommandLineTest, QuietKeepsOnlyTheSummary) {
  const Outcome outcome = RunMinpairs({"--quiet", "--dir", folder.utf8(), "P", "T"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out, " 2 words have  P ,  3 words have  T .  Click OK to continue.\n");
}

TEST_F(CommandLineTest, SymbolsMayBeEmptyOrLookLikeOptionsAfterDoubleDash) {
  folder.Write("in.txt", "-X A\n\nA\n");
  const Outcome outcome = RunMinpairs({"--quiet", "--dir", folder.utf8(), "--", "-X", ""});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, " 1 words have  -X ,  1 words have   .  Click OK to continue.\n");
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith -X.txt"));
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith .txt"));
}

TEST_F(CommandLineTest, FailureIsOneErrorLineAndStatusOne) {
  std::filesystem::remove(folder.path() / "output");
  const Outcome outcome = RunMinpairs({"--quiet", "--dir", folder.utf8(), "P", "T"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "minpairs: error: cannot create '" + folder.utf8() +
                             "/output/ListOfWordsWith P.txt': No such file or directory\n");
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
  for (const auto& arguments : std::vector<std::vector<std::string>>{{},
                                                                     {"P"},
                                                                     {"P", "T", "K"},
                                                                     {"--dir"},
                                                                     {"--dir", "", "P", "T"},
                                                                     {"--frobnicate", "P", "T"}}) {
    const Outcome outcome = RunMinpairs(arguments);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("usage: minpairs [--dir FOLDER] [--quiet] [--] FIRST SECOND"),
              std::string::npos);
  }
  EXPECT_EQ(RunMinpairs({"--frobnicate", "P", "T"}).err.substr(0, 41),
            "minpairs: unknown option '--frobnicate'\nu");
}

TEST_F(CommandLineTest, ALostSummaryIsAFailure) {
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);  // as when standard output is a full disk
  EXPECT_EQ(RunCommandLine({"--quiet", "--dir", folder.utf8(), "P", "T"}, out, err), 1);
  EXPECT_EQ(err.str(), "minpairs: error: cannot write to standard output\n");
  EXPECT_EQ(RunCommandLine({"--version"}, out, err), 1);
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_EQ(RunMinpairs({"--version"}).out, "minpairs 1.0.0.0\n");
  const Outcome help = RunMinpairs({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: minpairs", 0), 0u);
}

}  // namespace
}  // namespace cli
