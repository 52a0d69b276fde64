#include "window/search_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "expected_texts.h"
#include "program_folder.h"
#include "recording_host.h"
#include "worked_example.h"

namespace window {
namespace {

using testing_support::RecordingHost;
using Shown = std::vector<std::string>;

constexpr const char* kOutputs[] = {"ListOfWordsWith K.txt", "ListOfWordsWith G.txt",
                                    "VendrelForKAndG.txt"};

// A program folder with an output folder and the worked example's in.txt.
class SearchSessionTest : public ::testing::Test {
 protected:
  void ExpectWorkedExampleOutputs() const {
    for (const char* name : kOutputs) {
      EXPECT_EQ(folder.Output(name), testing_support::WorkedExampleExpected(name)) << name;
    }
  }

  testing_support::ProgramFolder folder{testing_support::WorkedExampleInput()};
  RecordingHost host{folder.utf8()};
  SearchSession session;
};

TEST_F(SearchSessionTest, FirstClickRunsTheSearchShowingEveryStatusInOrder) {
  EXPECT_EQ(session.OnGoClicked("K", "G", host), AfterClick{});
  EXPECT_EQ(host.shown, (Shown{
                            std::string(testing_support::kExpectedReading),
                            std::string(testing_support::kExpectedMakingLists),
                            "message:  6 words have  K ,  6 words have  G .  Click OK to continue.",
                            std::string(testing_support::kExpectedBegunSearch),
                            std::string(testing_support::kExpectedDone),
                        }));
  ExpectWorkedExampleOutputs();
}

TEST_F(SearchSessionTest, LaterClicksEndTheProgramWithoutShowingOrSearching) {
  session.OnGoClicked("K", "G", host);
  host.shown.clear();
  EXPECT_EQ(session.OnGoClicked("P", "T", host), (AfterClick{std::nullopt, 0}));
  EXPECT_EQ(session.OnGoClicked("P", "T", host), (AfterClick{std::nullopt, 0}));
  EXPECT_TRUE(host.shown.empty());
  EXPECT_FALSE(folder.Exists("output/ListOfWordsWith P.txt"));
  ExpectWorkedExampleOutputs();
}

TEST_F(SearchSessionTest, FailedRunIsReportedAndEndsTheProgramWithStatusOne) {
  std::filesystem::remove(folder.path() / "in.txt");
  EXPECT_EQ(
      session.OnGoClicked("K", "G", host),
      (AfterClick{"cannot read '" + folder.utf8() + "/in.txt': No such file or directory", 1}));
  EXPECT_EQ(host.shown, Shown{std::string(testing_support::kExpectedReading)});
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "output"));
}

}  // namespace
}  // namespace window
