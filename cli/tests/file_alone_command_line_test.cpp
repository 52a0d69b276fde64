// A word list given alone, as a file manager gives it: surveyed beside itself,
// its page opened, the console held open only when it was made for the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/command_line.h"
#include "expected_texts.h"
#include "fake_desktop.h"
#include "temp_folder.h"

namespace cli {
namespace {

using testing_support::kExpectedReading;
using testing_support::TempFolder;

constexpr const char* kSummary =
    "5 symbols, 4 ordered pairs of symbols with minimal pairs, 8 minimal pairs in all.\n";
constexpr const char* kStatuses =
    "Reading input file ...\n"
    "Counting the minimal pairs of every pair of symbols ...\n"
    "Writing the survey ...\n";

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

class FileAloneTest : public ::testing::Test {
 protected:
  FileAloneTest() {
    lists.Write("words.tsv",
                "transcription\tspelling\tfrequency\n"
                "K AE1 T\tcat\t50\nG AE1 T\tgat\t2\nK OW1 T\tcoat\t10\nG OW1 T\tgoat\t8\n");
  }

  Outcome Run(const std::string& argument, FakeDesktop& desktop) const {
    std::ostringstream out, err;
    const int status = RunCommandLine({argument}, out, err, desktop);
    return {status, out.str(), err.str()};
  }

  [[nodiscard]] std::string Folder() const {
    const std::u8string text = lists.path().u8string();
    return {text.begin(), text.end()};
  }
  [[nodiscard]] std::string Words() const { return Folder() + "/words.tsv"; }
  [[nodiscard]] std::string Page() const { return Folder() + "/output/SurveyOfMinimalPairs.html"; }
  [[nodiscard]] std::string FolderLine() const {
    return "The files are in '" + Folder() + "/output'.\n";
  }

  TempFolder lists;  // the list's own folder, without an output folder yet
};

TEST_F(FileAloneTest, SurveysTheListBesideItInItsFormatAndOpensThePage) {
  FakeDesktop desktop(2);  // a console shared with the prompt that started it
  const Outcome outcome = Run(Words(), desktop);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, kSummary + FolderLine());
  EXPECT_EQ(outcome.err, kStatuses);
  EXPECT_EQ(desktop.opened, std::vector<std::string>{Page()});
  EXPECT_EQ(desktop.waits, 0);
  // Read as a tsv lexicon: the header is no word, the spellings are in the page.
  EXPECT_EQ(lists.Read("output/SurveyOfSymbols.tsv"),
            "symbol\twords\tpairs as first symbol\tpairs as second symbol\r\n"
            "T\t4\t0\t0\r\nK\t2\t2\t2\r\nAE1\t2\t2\t2\r\nG\t2\t2\t2\r\nOW1\t2\t2\t2\r\n");
  EXPECT_NE(lists.Read("output/SurveyOfMinimalPairs.html").find("coat"), std::string::npos);
  for (const char* name : {"SurveyOfMinimalPairs.tsv", "SurveyOfContrasts.tsv"}) {
    EXPECT_TRUE(lists.Exists(std::string("output/") + name)) << name;
  }
}

// Explorer makes a console for the program alone and closes it at the end.
TEST_F(FileAloneTest, WaitsForEnterOnlyWhenAloneOnItsConsole) {
  const struct {
    unsigned long console_processes;
    bool waits;
  } cases[] = {{0, false}, {1, true}, {2, false}, {5, false}};
  for (const auto& test : cases) {
    FakeDesktop desktop(test.console_processes);
    const Outcome outcome = Run(Words(), desktop);  // the second run finds the folder made
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, kSummary + FolderLine() + (test.waits ? "Press Enter to close" : ""))
        << test.console_processes;
    EXPECT_EQ(desktop.waits, test.waits ? 1 : 0) << test.console_processes;
    EXPECT_EQ(desktop.opened, std::vector<std::string>{Page()});
  }
}

TEST_F(FileAloneTest, APageThatCannotOpenIsANoteAndTheRunSucceeds) {
  FakeDesktop desktop(1, "xdg-open ended with status 3");
  const Outcome outcome = Run(Words(), desktop);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, kSummary + FolderLine() + "Press Enter to close");
  EXPECT_EQ(outcome.err, kStatuses + ("minpairs: note: cannot open '" + Page() +
                                      "' in a browser: xdg-open ended with status 3; open it "
                                      "from its folder\n"));
  EXPECT_EQ(desktop.waits, 1);
}

// The error stays on the console until read; there is no page to open.
TEST_F(FileAloneTest, AFailedSurveyOpensNothingAndStillHoldsItsConsole) {
  lists.Write("spellings.tsv", "word\tspelling\ncat\tcat\n");
  FakeDesktop desktop(1);
  const Outcome outcome = Run(Folder() + "/spellings.tsv", desktop);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "Press Enter to close");
  EXPECT_EQ(outcome.err, std::string(kExpectedReading) + "\nminpairs: error: '" + Folder() +
                             "/spellings.tsv' line 1: no column is named 'transcription'; the "
                             "columns are 'word', 'spelling': name the transcription column with "
                             "--columns transcription=word\n");
  EXPECT_TRUE(desktop.opened.empty());
  EXPECT_EQ(desktop.waits, 1);
}

TEST_F(FileAloneTest, OneArgumentThatIsNoFileIsStillAUsageError) {
  for (const std::string& argument : {Folder(), Folder() + "/missing.tsv", std::string("K")}) {
    FakeDesktop desktop(1);
    const Outcome outcome = Run(argument, desktop);
    EXPECT_EQ(outcome.status, 2) << argument;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')),
              "minpairs: expected two symbols, got 1");
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_EQ(desktop.waits, 0);
  }
  EXPECT_FALSE(lists.Exists("output"));
}

}  // namespace
}  // namespace cli
