#include "window/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "temp_folder.h"
#include "window/build_info.h"
#include "window/help_text.h"
#include "window/qt_desktop.h"
#include "window_test_support.h"

namespace window {
namespace {

using testing_support::TempFolder;
using window_testing::BoxAnswerer;
using window_testing::FakeDesktop;
using window_testing::PaintRecorder;
using Journal = std::vector<std::string>;

constexpr const char* kWorkedExample =
    "K AE1 T\r\nG AE1 T\r\nK OW1 T\r\nG OW1 L\r\n  B AE1 G  \r\nB AE1 K\r\n"
    "K IH1 K\r\nG IH1 K\r\nK IH1 G\r\nG IH1 G\r\n";
constexpr const char* kKWords =
    " K AE1 T \r\n K OW1 T \r\n B AE1 K \r\n K IH1 K \r\n G IH1 K \r\n K IH1 G \r\n";
constexpr const char* kGWords =
    " G AE1 T \r\n G OW1 L \r\n B AE1 G \r\n G IH1 K \r\n K IH1 G \r\n G IH1 G \r\n";
constexpr const char* kKGPairs =
    "K AE1 T\tG AE1 T\r\nB AE1 K\tB AE1 G\r\nK IH1 K\tG IH1 K\r\n"
    "K IH1 K\tK IH1 G\r\nK IH1 K\tG IH1 G\r\n";

// Pressing the button paints it pressed, still reading "Go", before the click.
void DropPaintOfGo(Journal& journal) {
  if (!journal.empty() && journal.front() == "paint: Go") journal.erase(journal.begin());
}

// A program folder with an output folder, and a Form1 whose desktop writes
// messages, reports and the end of the program into `journal`.
class Form1Test : public ::testing::Test {
 protected:
  explicit Form1Test(Desktop* boxes = nullptr)
      : desktop(folder.utf8(), journal, boxes), form(desktop) {
    std::filesystem::create_directory(folder.path() / "output");
  }

  void Show() {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  template <typename Control>
  Control* Find(const char* name) {
    auto* control = form.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLineEdit* Text1() { return Find<QLineEdit>("Text1"); }
  QLineEdit* Text2() { return Find<QLineEdit>("Text2"); }
  QPushButton* Command1() { return Find<QPushButton>("Command1"); }
  QAction* mnuHelp() { return Find<QAction>("mnuHelp"); }

  void Type(QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
  }
  void ClickCommand1() { QTest::mouseClick(Command1(), Qt::LeftButton); }
  void ClickHelp() {
    QMenuBar* bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(mnuHelp()).center());
  }

  std::string Output(const char* name) const {
    return folder.Read(std::filesystem::path("output") / name);
  }
  std::size_t OutputFileCount() const {
    const auto entries = std::filesystem::directory_iterator(folder.path() / "output");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
  }

  TempFolder folder;
  Journal journal;
  FakeDesktop desktop;
  Form1 form;
};

TEST_F(Form1Test, StartsWithTheLayoutTextsAndFocusOfTheDesign) {
  Show();
  EXPECT_EQ(form.objectName(), "Form1");
  EXPECT_EQ(form.windowTitle(), "Find minimal pairs");
  EXPECT_EQ(form.centralWidget()->size(), QSize(419, 335));
  EXPECT_TRUE(form.windowIcon().availableSizes().contains(QSize(32, 32)));

  EXPECT_EQ(Command1()->geometry(), QRect(112, 80, 193, 113));
  EXPECT_EQ(Text1()->geometry(), QRect(112, 216, 81, 33));
  EXPECT_EQ(Text2()->geometry(), QRect(224, 216, 81, 33));
  EXPECT_EQ(Command1()->text(), "Go");
  EXPECT_EQ(Text1()->text(), "P");
  EXPECT_EQ(Text2()->text(), "T");
  EXPECT_EQ(Text1()->accessibleName(), "First symbol");
  EXPECT_EQ(Text2()->accessibleName(), "Second symbol");

  EXPECT_EQ(QApplication::focusWidget(), Text1());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Text2());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Command1());
}

TEST_F(Form1Test, MenuBarHoldsOnlyHelpWhichActsWithoutASubmenu) {
  const QList<QAction*> items = form.menuBar()->actions();
  ASSERT_EQ(items.size(), 1);
  EXPECT_EQ(items.front(), mnuHelp());
  EXPECT_EQ(mnuHelp()->text(), "Help");
  EXPECT_EQ(mnuHelp()->menu(), nullptr);
}

TEST_F(Form1Test, ClickRunsTheSearchPaintingEveryStatusBeforeTheNextStep) {
  folder.Write("in.txt", kWorkedExample);
  Show();
  Type(Text1(), "K");
  Type(Text2(), "G");
  PaintRecorder recorder(*Command1(), journal);

  ClickCommand1();

  DropPaintOfGo(journal);
  EXPECT_EQ(journal, (Journal{
                         "paint: Reading input file ...",
                         "paint: Making lists of words that have the relevant phonemes ...",
                         "message:  6 words have  K ,  6 words have  G .  Click OK to continue.",
                         "paint: Begun search for minimal pairs ...",
                         "paint: Done!  Click again to exit.",
                     }));
  EXPECT_EQ(Output("ListOfWordsWith K.txt"), kKWords);
  EXPECT_EQ(Output("ListOfWordsWith G.txt"), kGWords);
  EXPECT_EQ(Output("VendrelForKAndG.txt"), kKGPairs);
  EXPECT_EQ(OutputFileCount(), 3U);
}

TEST_F(Form1Test, InitialTextsSearchForPAndT) {
  folder.Write("in.txt", "P AE1 N\r\nT AE1 N\r\n");
  Show();
  ClickCommand1();
  EXPECT_EQ(Output("ListOfWordsWith P.txt"), " P AE1 N \r\n");
  EXPECT_EQ(Output("ListOfWordsWith T.txt"), " T AE1 N \r\n");
  EXPECT_EQ(Output("VendrelForPAndT.txt"), "P AE1 N\tT AE1 N\r\n");
}

TEST_F(Form1Test, SecondClickEndsTheProgramWithoutMessageOrNewSearch) {
  folder.Write("in.txt", kWorkedExample);
  Show();
  Type(Text1(), "K");
  Type(Text2(), "G");
  ClickCommand1();
  journal.clear();
  // Texts typed after the run have no effect: the next click only ends the program.
  Type(Text1(), "X");

  ClickCommand1();

  EXPECT_EQ(journal, Journal{"end: 0"});
  EXPECT_EQ(Command1()->text(), "Done!  Click again to exit.");
  EXPECT_EQ(Output("VendrelForKAndG.txt"), kKGPairs);
  EXPECT_EQ(OutputFileCount(), 3U);
}

TEST_F(Form1Test, ClosingBeforeAnyClickWritesNothing) {
  folder.Write("in.txt", kWorkedExample);
  Show();
  EXPECT_TRUE(form.close());
  QApplication::processEvents();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(OutputFileCount(), 0U);
  EXPECT_TRUE(journal.empty());
}

TEST_F(Form1Test, FailingRunReportsTheSearchErrorAndEndsWithNonZeroStatus) {
  Show();
  PaintRecorder recorder(*Command1(), journal);
  ClickCommand1();
  DropPaintOfGo(journal);
  EXPECT_EQ(journal,
            (Journal{
                "paint: Reading input file ...",
                "error: cannot read '" + folder.utf8() + "/in.txt': No such file or directory",
                "end: 1",
            }));
  EXPECT_EQ(OutputFileCount(), 0U);
}

constexpr const char* kHelpParagraphs =
    "Find minimal pairs.  \r\r"
    "There should be a file called in.txt, in the same folder as this program, that has words "
    "in plain text format, one word per line. Phonetic symbols should be plain text; a symbol "
    "can have more than one character in it; separate the symbols with spaces, like this:  "
    "K AE1 T.\r\r"
    "In the main program window, enter the two symbols you want minimal pairs for.  The program "
    "will put lists of words having these two symbols, plus a file with the minimal pairs, in "
    "the Output folder.  Be sure that this folder exists before you run the program.\r\r"
    "If your word list is long and your two symbols are common phonemes, be prepared to wait a "
    "while for the program to finish.\r\r";

TEST(HelpTextTest, IsTheFiveParagraphsEndingWithTheMaintainer) {
  EXPECT_EQ(
      HelpText("A. N. Other", "another@example.org"),
      std::string(kHelpParagraphs) + "Bugs, comments, etc. to A. N. Other at another@example.org.");
  EXPECT_EQ(HelpText(), std::string(kHelpParagraphs) + "Bugs, comments, etc. to " +
                            kMaintainerName + " at " + kMaintainerEmail + ".");
}

TEST_F(Form1Test, HelpShowsTheInstructionsBeforeAndAfterARunWithoutTouchingIt) {
  folder.Write("in.txt", kWorkedExample);
  Show();
  const std::string help_message = "message: " + HelpText();

  ClickHelp();
  EXPECT_EQ(journal, Journal{help_message});
  EXPECT_EQ(OutputFileCount(), 0U);

  journal.clear();
  ClickCommand1();  // still the first click: it runs the search
  EXPECT_EQ(journal,
            Journal{"message:  0 words have  P ,  3 words have  T .  Click OK to continue."});
  EXPECT_EQ(Command1()->text(), "Done!  Click again to exit.");

  journal.clear();
  ClickHelp();
  ClickHelp();
  ClickCommand1();
  EXPECT_EQ(journal, (Journal{help_message, help_message, "end: 0"}));
}

// The same run with the real message boxes, answered as they come up.
class Form1WithBoxesTest : public Form1Test {
 protected:
  Form1WithBoxesTest() : Form1Test(&boxes) {}
  QtDesktop boxes;
};

TEST_F(Form1WithBoxesTest, SummaryIsAModalBoxWithOnlyOkNoIconAndTheTitle) {
  folder.Write("in.txt", kWorkedExample);
  Show();
  Type(Text1(), "K");
  Type(Text2(), "G");
  BoxAnswerer answerer;
  ClickCommand1();

  ASSERT_EQ(answerer.seen.size(), 1U);
  const auto& box = answerer.seen.front();
  EXPECT_EQ(box.title, "Find minimal pairs");
  EXPECT_EQ(box.text, " 6 words have  K ,  6 words have  G .  Click OK to continue.");
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttons, QStringList{"OK"});
  EXPECT_EQ(box.modality, Qt::ApplicationModal);
  EXPECT_EQ(Output("VendrelForKAndG.txt"), kKGPairs);
  EXPECT_EQ(Command1()->text(), "Done!  Click again to exit.");
}

TEST_F(Form1WithBoxesTest, HelpBoxShowsEachCarriageReturnAsALineBreak) {
  Show();
  BoxAnswerer answerer;
  ClickHelp();
  ASSERT_EQ(answerer.seen.size(), 1U);
  const auto& box = answerer.seen.front();
  const QStringList paragraphs = box.text.split(QStringLiteral("\n\n"));
  ASSERT_EQ(paragraphs.size(), 5);
  EXPECT_EQ(paragraphs[0], "Find minimal pairs.  ");
  EXPECT_TRUE(paragraphs[1].endsWith("like this:  K AE1 T."));
  EXPECT_TRUE(paragraphs[4].startsWith("Bugs, comments, etc. to "));
  EXPECT_FALSE(box.text.contains(QLatin1Char('\r')));
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttons, QStringList{"OK"});
}

TEST_F(Form1WithBoxesTest, ErrorReportHasTheCriticalIconAndTheTitle) {
  Show();
  BoxAnswerer answerer;
  ClickCommand1();
  ASSERT_EQ(answerer.seen.size(), 1U);
  const auto& box = answerer.seen.front();
  EXPECT_EQ(box.title, "Find minimal pairs");
  EXPECT_EQ(box.text, "cannot read '" + QString::fromStdString(folder.utf8()) +
                          "/in.txt': No such file or directory");
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(journal.back(), "end: 1");
}

}  // namespace
}  // namespace window
