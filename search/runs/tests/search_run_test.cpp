#include "search/runs/search_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>

#include "expected_texts.h"
#include "program_folder.h"
#include "recording_host.h"
#include "search/texts/search_error.h"
#include "worked_example.h"

namespace search::runs {
namespace {

using os::RunHost;

using testing_support::kExpectedBegunSearch;
using testing_support::kExpectedDone;
using testing_support::kExpectedMakingLists;
using testing_support::kExpectedReading;
using testing_support::ProgramFolder;
using testing_support::RecordingHost;
using testing_support::Utf8Path;

// A program folder with an output folder, and a host that records.
class SearchRunTest : public ::testing::Test {
 protected:
  void Run(std::string_view first, std::string_view second) {
    RunSearch(first, second, state, host);
  }

  // Runs and returns the error message, or "" when the run succeeded.
  std::string RunAndFail(std::string_view first, std::string_view second) {
    try {
      Run(first, second);
    } catch (const texts::SearchError& error) {
      return error.what();
    }
    return "";
  }

  ProgramFolder folder;
  RecordingHost host{folder.utf8()};
  SearchState state;
};

TEST_F(SearchRunTest, WorkedExampleWritesTheThreeFilesByteForByte) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  Run("K", "G");
  for (const std::string& name : testing_support::WorkedExampleOutputNames()) {
    EXPECT_EQ(folder.Output(name), testing_support::WorkedExampleExpected(name)) << name;
  }
  EXPECT_EQ(host.shown, (std::vector<std::string>{
                            std::string(kExpectedReading),
                            std::string(kExpectedMakingLists),
                            "message:  6 words have  K ,  6 words have  G .  Click OK to continue.",
                            std::string(kExpectedBegunSearch),
                            std::string(kExpectedDone),
                        }));
  EXPECT_EQ(state.WordCount, 10);
  EXPECT_EQ(state.FirstCount, 6);
  EXPECT_EQ(state.SecondCount, 6);
  EXPECT_EQ(state.FirstList, (std::vector<std::int32_t>{0, 2, 5, 6, 7, 8}));
}

TEST_F(SearchRunTest, EmptyWordListGivesEmptyFilesAndZeroCounts) {
  folder.Write("in.txt", "");
  Run("P", "T");
  EXPECT_EQ(folder.Output("ListOfWordsWith P.txt"), "");
  EXPECT_EQ(folder.Output("ListOfWordsWith T.txt"), "");
  EXPECT_EQ(folder.Output("VendrelForPAndT.txt"), "");
  EXPECT_EQ(host.shown.at(2),
            "message:  0 words have  P ,  0 words have  T .  Click OK to continue.");
  EXPECT_EQ(host.shown.back(), std::string(kExpectedDone));
}

TEST_F(SearchRunTest, SameSymbolTwicePairsEveryWordWithItsEqualsAndItself) {
  folder.Write("in.txt", "P AE1 T\nP IH1 N\nP AE1 T\nB IH1 N\n");
  Run("P", " P ");
  EXPECT_EQ(folder.Output("ListOfWordsWith P.txt"), " P AE1 T \r\n P IH1 N \r\n P AE1 T \r\n");
  EXPECT_EQ(folder.Output("VendrelForPAndP.txt"),
            "P AE1 T\tP AE1 T\r\nP AE1 T\tP AE1 T\r\nP IH1 N\tP IH1 N\r\n"
            "P AE1 T\tP AE1 T\r\nP AE1 T\tP AE1 T\r\n");
}

TEST_F(SearchRunTest, EmptyFirstSymbolListsBlankLines) {
  folder.Write("in.txt", "A\n\n  \nB  C\n");
  Run("", "B");
  EXPECT_EQ(folder.Output("ListOfWordsWith .txt"), "  \r\n  \r\n B  C \r\n");
  EXPECT_EQ(host.shown.at(2),
            "message:  3 words have   ,  1 words have  B .  Click OK to continue.");
}

TEST_F(SearchRunTest, SymbolSequencesAndIpaWork) {
  folder.Write("in.txt", "\xCA\x83 IY1\ns IY1\nt\xCD\xA1\xCA\x83 IY1\n");  // ʃ IY1, s IY1, t͡ʃ IY1
  Run("\xCA\x83", "s");
  EXPECT_EQ(folder.Output("ListOfWordsWith \xCA\x83.txt"), " \xCA\x83 IY1 \r\n");
  EXPECT_EQ(folder.Output("VendrelFor\xCA\x83"
                          "Ands.txt"),
            "\xCA\x83 IY1\ts IY1\r\n");

  SearchState sequence_state;
  RecordingHost sequence_host(folder.utf8());
  RunSearch("K AE1", "G AE1", sequence_state, sequence_host);
  EXPECT_TRUE(folder.Exists("output/VendrelForK AE1AndG AE1.txt"));
}

TEST_F(SearchRunTest, OlderWindows1252ListsKeepTheirBytes) {
  folder.Write("in.txt", "K AE1 \xE9\nG AE1 \xE9\nK \xCA\n");  // é in Windows-1252; 0xCA alone
  Run("K", "\xC3\xA9");                                        // é typed as UTF-8
  EXPECT_EQ(folder.Output("ListOfWordsWith \xC3\xA9.txt"), " K AE1 \xE9 \r\n G AE1 \xE9 \r\n");
  EXPECT_EQ(host.shown.at(2),
            "message:  2 words have  K ,  2 words have  \xC3\xA9 .  Click OK to continue.");

  SearchState ipa_state;
  RecordingHost ipa_host(folder.utf8());
  RunSearch("K", "\xCA\x83", ipa_state, ipa_host);  // ʃ has no Windows-1252 byte
  EXPECT_EQ(ipa_state.SecondCount, 0);
}

TEST_F(SearchRunTest, ProgressTextsComeAtEveryHundredthFirstWord) {
  std::string words;
  for (int i = 0; i < 250; ++i) words += "K W" + std::to_string(i) + "\n";
  folder.Write("in.txt", words);
  Run("K", "G");
  EXPECT_EQ(host.shown,
            (std::vector<std::string>{
                std::string(kExpectedReading),
                std::string(kExpectedMakingLists),
                "message:  250 words have  K ,  0 words have  G .  Click OK to continue.",
                std::string(kExpectedBegunSearch),
                "Completed  100 /  250 words containing  K .",
                "Completed  200 /  250 words containing  K .",
                std::string(kExpectedDone),
            }));
}

TEST_F(SearchRunTest, MissingWordListWritesNothing) {
  EXPECT_EQ(RunAndFail("P", "T"),
            "cannot read '" + folder.utf8() + "/in.txt': No such file or directory");
  EXPECT_EQ(host.shown, std::vector<std::string>{std::string(kExpectedReading)});
  EXPECT_EQ(folder.OutputFileCount(), 0u);
}

TEST_F(SearchRunTest, MissingOutputFolderIsNamed) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  std::filesystem::remove(folder.path() / "output");
  EXPECT_EQ(RunAndFail("K", "G"), "cannot create '" + folder.utf8() +
                                      "/output/ListOfWordsWith K.txt': the folder '" +
                                      folder.utf8() + "/output' does not exist: create it");
  EXPECT_EQ(host.shown, std::vector<std::string>{std::string(kExpectedReading)});
  EXPECT_FALSE(folder.Exists("output"));
}

TEST_F(SearchRunTest, SymbolsThatWouldLeaveTheOutputFolderAreRefusedFirst) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  EXPECT_EQ(RunAndFail("../K", "G"),
            "the first symbol '../K' cannot be part of a file name: it contains '/'");
  EXPECT_EQ(RunAndFail("K", " a\\b "),
            "the second symbol 'a\\b' cannot be part of a file name: it contains '\\'");
  EXPECT_EQ(RunAndFail("K\tX", "G"),
            "the first symbol 'K\\tX' cannot be part of a file name: it contains U+0009");
  EXPECT_EQ(RunAndFail("K", "G\x7F"),
            "the second symbol 'G\\x7F' cannot be part of a file name: it contains U+007F");
  EXPECT_EQ(RunAndFail("K\nX", "G"),
            "the first symbol 'K\\nX' cannot be part of a file name: it contains U+000A");
  EXPECT_TRUE(host.shown.empty());
  EXPECT_EQ(folder.OutputFileCount(), 0u);
}

TEST_F(SearchRunTest, FileNamesHoldTheTrimmedSymbols) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  Run("  K ", " G  ");
  EXPECT_EQ(folder.Output("ListOfWordsWith K.txt"),
            testing_support::WorkedExampleExpected("ListOfWordsWith K.txt"));
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith G.txt"));
  EXPECT_TRUE(folder.Exists("output/VendrelForKAndG.txt"));
  EXPECT_EQ(folder.OutputFileCount(), 3u);
}

#ifdef __linux__
// Linux file systems allow 255 bytes per name. Every name is checked before
// anything is read or written; a name of exactly 255 bytes is allowed.
TEST_F(SearchRunTest, SymbolsThatMakeANameTooLongAreRefusedBeforeAnyFileIsOpened) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  const auto too_long = [](const std::string& whose, const std::string& name) {
    return whose + " the file name '" + name + "' too long: " + std::to_string(name.size()) +
           " bytes, where the folder allows 255";
  };
  const std::string a236(236, 'a'), b232(232, 'b'), c120(120, 'c');
  const std::string list = "ListOfWordsWith ";
  EXPECT_EQ(RunAndFail(a236, "G"), too_long("the first symbol makes", list + a236 + ".txt"));
  EXPECT_EQ(RunAndFail("K", a236), too_long("the second symbol makes", list + a236 + ".txt"));
  EXPECT_EQ(RunAndFail("K", b232), too_long("the second symbol makes", list + b232 + " (2).txt"));
  EXPECT_EQ(RunAndFail(c120, c120 + "d"),
            too_long("the two symbols make", "VendrelFor" + c120 + "And" + c120 + "d.txt"));
  EXPECT_TRUE(host.shown.empty());
  EXPECT_EQ(folder.OutputFileCount(), 0u);

  const std::string b231(231, 'b');  // with the suffix " (2)", 255 bytes
  EXPECT_EQ(RunAndFail("K", b231), "");
  EXPECT_TRUE(folder.Exists(Utf8Path("output/" + list + b231 + ".txt")));
}
#endif

TEST_F(SearchRunTest, AFileThatCannotBeCreatedStopsTheRunAndKeepsFinishedFiles) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  std::filesystem::create_directory(folder.path() / "output" / "VendrelForKAndG.txt");
  const std::string error = RunAndFail("K", "G");
#ifdef _WIN32
  const std::string reason = "Permission denied";  // what the C runtime says for a folder there
#else
  const std::string reason = "Is a directory";
#endif
  EXPECT_EQ(error, "cannot create '" + folder.utf8() + "/output/VendrelForKAndG.txt': " + reason);
  EXPECT_EQ(folder.Output("ListOfWordsWith G.txt"),
            testing_support::WorkedExampleExpected("ListOfWordsWith G.txt"));
  EXPECT_NE(host.shown.back(), std::string(kExpectedDone));
}

// A run cut short by something other than a failed write, here a host that
// gives up at a chosen status text, must not leave the open file behind half
// written; files finished before stay.
class GivingUpHost final : public RunHost {
 public:
  GivingUpHost(
      std::string folder, std::string give_up_at,
      std::function<void()> give_up = [] { throw std::runtime_error("given up"); })
      : folder_(std::move(folder)),
        give_up_at_(std::move(give_up_at)),
        give_up_(std::move(give_up)) {}
  std::string ApplicationDirectory() override { return folder_; }
  void ShowStatus(std::string_view text) override {
    if (text.starts_with(give_up_at_)) give_up_();
  }
  void ShowMessage(std::string_view) override {}

 private:
  std::string folder_;
  std::string give_up_at_;
  std::function<void()> give_up_;
};

TEST_F(SearchRunTest, AnInterruptedRunRemovesTheFileItWasWriting) {
  std::string words;
  for (int i = 0; i < 300; ++i)
    words += "K AE" + std::to_string(i) + "\nG AE" + std::to_string(i) + "\n";
  folder.Write("in.txt", words);

  GivingUpHost at_lists(folder.utf8(), "Making lists");
  SearchState list_state;
  EXPECT_THROW(RunSearch("K", "G", list_state, at_lists), std::runtime_error);
  EXPECT_EQ(folder.OutputFileCount(), 0u);

  GivingUpHost at_progress(folder.utf8(), "Completed  200 ");
  SearchState pairs_state;
  EXPECT_THROW(RunSearch("K", "G", pairs_state, at_progress), std::runtime_error);
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith K.txt"));
  EXPECT_TRUE(folder.Exists("output/ListOfWordsWith G.txt"));
  EXPECT_FALSE(folder.Exists("output/VendrelForKAndG.txt"));
}

// Memory running out while a file is open names that file, and the file goes.
TEST_F(SearchRunTest, RunningOutOfMemoryNamesTheFileBeingWrittenAndRemovesIt) {
  std::string words;
  for (int i = 0; i < 300; ++i) words += "K AE" + std::to_string(i) + "\nG AE1\n";
  folder.Write("in.txt", words);
  const auto out_of_memory = [] { throw std::bad_alloc(); };
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Making lists", "ListOfWordsWith K.txt"}, {"Completed  200 ", "VendrelForKAndG.txt"}};
  for (const auto& [status, file] : rows) {
    GivingUpHost running_out(folder.utf8(), status, out_of_memory);
    SearchState fresh;
    try {
      RunSearch("K", "G", fresh, running_out);
      ADD_FAILURE() << "no error at " << status;
    } catch (const texts::SearchError& error) {
      EXPECT_EQ(error.what(),
                "not enough memory to write '" + folder.utf8() + "/output/" + file + "'");
    }
    EXPECT_FALSE(folder.Exists("output/" + file));
  }
  EXPECT_EQ(folder.OutputFileCount(), 2u);  // the two lists of the second run, nothing else
}

}  // namespace
}  // namespace search::runs
