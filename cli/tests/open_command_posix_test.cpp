#include "cli/open_command_posix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace cli {
namespace {

using namespace std::chrono_literals;
using testing_support::TempFolder;

class OpenCommandTest : public ::testing::Test {
 protected:
  // A stand-in for xdg-open that notes its arguments in `opened` and runs `then`.
  [[nodiscard]] std::string Opener(const std::string& then) const {
    folder.Write("opener", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + folder.utf8() + "/opened'\n" +
                               then + "\n");
    std::filesystem::permissions(folder.path() / "opener", std::filesystem::perms::owner_all);
    return folder.utf8() + "/opener";
  }

  TempFolder folder;
  std::string reason;
};

TEST_F(OpenCommandTest, HandsTheFileToTheCommand) {
  EXPECT_TRUE(OpenWithCommand(Opener("exit 0"), "/lists/output/a page.html", 5s, reason));
  EXPECT_EQ(folder.Read("opened"), "/lists/output/a page.html\n");
  EXPECT_EQ(reason, "");
}

TEST_F(OpenCommandTest, ACommandThatFailsOrCannotStartGivesTheReason) {
  const std::string opener = Opener("exit 3");
  EXPECT_FALSE(OpenWithCommand(opener, "/page.html", 5s, reason));
  EXPECT_EQ(reason, opener + " ended with status 3");
  const std::string missing = folder.utf8() + "/no-opener";
  EXPECT_FALSE(OpenWithCommand(missing, "/page.html", 5s, reason));
  EXPECT_EQ(reason, "cannot start " + missing + ": No such file or directory");
  EXPECT_FALSE(OpenWithCommand(Opener("kill -9 $$"), "/page.html", 5s, reason));
  EXPECT_EQ(reason, opener + " was ended by signal 9");
}

// An opener that keeps the browser in the foreground is taken as done.
TEST_F(OpenCommandTest, ACommandStillRunningAfterThePatienceCountsAsOpened) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(OpenWithCommand(Opener("sleep 3"), "/page.html", 200ms, reason));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

}  // namespace
}  // namespace cli
