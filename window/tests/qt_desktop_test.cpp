#include "window/qt_desktop.h"

#include <gtest/gtest.h>

#include <QProcess>
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

// The window program, copied into a program folder of its own and run there
// with a tester at the controls (window_program_probe): it clicks Go, answers
// each box, clicks Go again if the run finished, and prints every box it saw.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    std::filesystem::create_directory(folder.path() / "output");
    std::filesystem::copy_file(WINDOW_PROGRAM_PROBE, folder.path() / "FindMinimalPairs");
  }

  // Runs the program and returns its exit status, or -1 when it crashed.
  int Run() {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString(folder.utf8() + "/FindMinimalPairs"), {});
    program.waitForFinished(-1);
    boxes = program.readAllStandardOutput().toStdString();
    diagnostics = program.readAllStandardError().toStdString();
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  }

  TempFolder folder;
  std::string boxes;
  std::string diagnostics;
};

TEST_F(ProgramTest, FailingRunShowsTheReportAndEndsWithNonZeroStatus) {
  EXPECT_EQ(Run(), 1) << diagnostics;
  EXPECT_EQ(boxes, "critical box 'Find minimal pairs': cannot read '" + folder.utf8() +
                       "/in.txt': No such file or directory\n");
  EXPECT_FALSE(folder.Exists("output/ListOfWordsWith P.txt"));
}

TEST_F(ProgramTest, RunsBesideTheProgramFileAndEndsOnTheSecondClick) {
  folder.Write("in.txt", "P AE1 N\r\nT AE1 N\r\n");
  EXPECT_EQ(Run(), 0) << diagnostics;
  EXPECT_EQ(boxes,
            "box 'Find minimal pairs':  1 words have  P ,  1 words have  T .  Click OK to "
            "continue.\n");
  EXPECT_EQ(folder.Read("output/VendrelForPAndT.txt"), "P AE1 N\tT AE1 N\r\n");
}

}  // namespace
}  // namespace window
