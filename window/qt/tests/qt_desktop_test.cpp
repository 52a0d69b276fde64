#include "window/qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace window {
namespace {

using testing_support::TempFolder;

TEST(WithLineFeedsTest, TurnsEveryCarriageReturnIntoOneLineFeed) {
  EXPECT_EQ(WithLineFeeds(QStringLiteral("a\r\rb")), "a\n\nb");
  EXPECT_EQ(WithLineFeeds(QStringLiteral("a\r\nb\nc\r")), "a\nb\nc\n");
  EXPECT_EQ(WithLineFeeds(QStringLiteral("no breaks")), "no breaks");
}

// Changes the working directory for the life of the object.
class WorkingDirectory final {
 public:
  explicit WorkingDirectory(const std::filesystem::path& path)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingDirectory() { std::filesystem::current_path(previous_); }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

TEST(QtDesktopTest, ApplicationDirectoryIsTheProgramFolderNotTheWorkingDirectory) {
  TempFolder elsewhere;
  WorkingDirectory inside(elsewhere.path());
  QtDesktop desktop;
  EXPECT_EQ(desktop.ApplicationDirectory(),
            std::filesystem::canonical(WINDOW_TESTS_FOLDER).generic_string());
}

}  // namespace
}  // namespace window
