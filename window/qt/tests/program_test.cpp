#include "window/qt/program.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>

#include "program_folder.h"

namespace window {
namespace {

using testing_support::ProgramFolder;

// The window program, copied into a program folder of its own and run there
// with a tester at the controls (window_program_probe): it clicks Go, answers
// each box, clicks Go again if the run finished, and prints every box it saw.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
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

  ProgramFolder folder;
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
