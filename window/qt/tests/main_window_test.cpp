#include "window/qt/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <ostream>
#include <thread>

#include "expected_texts.h"
#include "program_folder.h"
#include "window/help_text.h"
#include "window/qt/qt_desktop.h"
#include "window_test_support.h"
#include "worked_example.h"

namespace window {
namespace {

using testing_support::kExpectedBegunSearch;
using testing_support::kExpectedDone;
using testing_support::kExpectedMakingLists;
using testing_support::kExpectedReading;
using testing_support::ProgramFolder;
using window_testing::BoxAnswerer;
using window_testing::FakeDesktop;
using window_testing::PaintRecorder;
using Journal = std::vector<std::string>;

std::string Expected(const char* name) { return testing_support::WorkedExampleExpected(name); }

std::string Paint(std::string_view status) { return "paint: " + std::string(status); }

// Pressing the button paints it pressed, still reading "Go", before the click.
void DropPaintOfGo(Journal& journal) {
  if (!journal.empty() && journal.front() == "paint: Go") journal.erase(journal.begin());
}

// Makes `button` take longer than a screen frame (~16 ms) to paint `caption`, so
// that any progress text after it comes a frame after the last painted text.
class SlowPaint final : public QObject {
 public:
  SlowPaint(QAbstractButton& button, std::string_view caption)
      : QObject(&button),
        caption_(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()))) {
    button.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint &&
        static_cast<QAbstractButton*>(watched)->text() == caption_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    return false;
  }

 private:
  QString caption_;
};

// A program folder with an output folder, and a main window whose desktop writes
// messages, reports and the end of the program into `journal`.
class MainWindowTest : public ::testing::Test {
 protected:
  explicit MainWindowTest(Desktop* boxes = nullptr)
      : desktop(folder.utf8(), journal, boxes), form(desktop) {}

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
  QAction* HelpAction() { return Find<QAction>("mnuHelp"); }

  // Types the UTF-8 `text` one character at a time, as a keyboard or an input
  // method does (QTest::keyClicks covers only Latin-1).
  void Type(QLineEdit* box, std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    box->selectAll();
    for (const QChar character : text) {
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
    EXPECT_EQ(box->text(), text);
  }
  void ClickCommand1() { QTest::mouseClick(Command1(), Qt::LeftButton); }
  void ClickHelp() {
    QMenuBar* bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(HelpAction()).center());
  }

  ProgramFolder folder;
  Journal journal;
  FakeDesktop desktop;
  MainWindow form;
};

TEST_F(MainWindowTest, StartsWithTheLayoutTextsAndFocusOfTheDesign) {
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

TEST_F(MainWindowTest, MenuBarHoldsOnlyHelpWhichActsWithoutASubmenu) {
  const QList<QAction*> items = form.menuBar()->actions();
  ASSERT_EQ(items.size(), 1);
  EXPECT_EQ(items.front(), HelpAction());
  EXPECT_EQ(HelpAction()->text(), "Help");
  EXPECT_EQ(HelpAction()->menu(), nullptr);
}

TEST_F(MainWindowTest, ClickRunsTheSearchPaintingEveryStatusBeforeTheNextStep) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  Show();
  Type(Text1(), "K");
  Type(Text2(), "G");
  PaintRecorder recorder(*Command1(), journal);

  ClickCommand1();

  DropPaintOfGo(journal);
  EXPECT_EQ(journal, (Journal{
                         Paint(kExpectedReading),
                         Paint(kExpectedMakingLists),
                         "message:  6 words have  K ,  6 words have  G .  Click OK to continue.",
                         Paint(kExpectedBegunSearch),
                         Paint(kExpectedDone),
                     }));
  EXPECT_EQ(folder.Output("ListOfWordsWith K.txt"), Expected("ListOfWordsWith K.txt"));
  EXPECT_EQ(folder.Output("ListOfWordsWith G.txt"), Expected("ListOfWordsWith G.txt"));
  EXPECT_EQ(folder.Output("VendrelForKAndG.txt"), Expected("VendrelForKAndG.txt"));
  EXPECT_EQ(folder.OutputFileCount(), 3U);
}

TEST_F(MainWindowTest, LongSearchPaintsProgressDueAfterAFrameAndEveryOtherStatusAtOnce) {
  std::string words;
  for (int word = 0; word < 250; ++word) words += "ʃ IH1 N\r\n";
  folder.Write("in.txt", words + "ʒ IH1 N\r\n");
  Show();
  Type(Text1(), "ʃ");
  Type(Text2(), "ʒ");
  PaintRecorder recorder(*Command1(), journal);
  SlowPaint slow_screen(*Command1(), kExpectedBegunSearch);

  ClickCommand1();

  DropPaintOfGo(journal);
  // The second progress text comes within a frame of the first and may wait.
  std::erase(journal, "paint: Completed  200 /  250 words containing  ʃ .");
  EXPECT_EQ(journal, (Journal{
                         Paint(kExpectedReading),
                         Paint(kExpectedMakingLists),
                         "message:  250 words have  ʃ ,  1 words have  ʒ .  Click OK to continue.",
                         Paint(kExpectedBegunSearch),
                         "paint: Completed  100 /  250 words containing  ʃ .",
                         Paint(kExpectedDone),
                     }));
}

// Symbols typed in IPA name the files and show in the summary as typed.
struct IpaSymbols {
  const char* first;
  const char* second;

  friend void PrintTo(const IpaSymbols& symbols, std::ostream* out) {
    *out << symbols.first << " and " << symbols.second;
  }
};

class MainWindowIpaTest : public MainWindowTest,
                          public ::testing::WithParamInterface<IpaSymbols> {};

TEST_P(MainWindowIpaTest, SymbolsReachTheFileNamesTheFilesAndTheSummaryIntact) {
  const std::string first = GetParam().first;
  const std::string second = GetParam().second;
  folder.Write("in.txt", first + " IH1 P\r\n" + second + " IH1 P\r\nP IH1 N\r\n");
  Show();
  Type(Text1(), first);
  Type(Text2(), second);

  ClickCommand1();

  EXPECT_EQ(journal, Journal{"message:  1 words have  " + first + " ,  1 words have  " + second +
                             " .  Click OK to continue."});
  EXPECT_EQ(folder.Output("ListOfWordsWith " + first + ".txt"), " " + first + " IH1 P \r\n");
  EXPECT_EQ(folder.Output("ListOfWordsWith " + second + ".txt"), " " + second + " IH1 P \r\n");
  EXPECT_EQ(folder.Output("VendrelFor" + first + "And" + second + ".txt"),
            first + " IH1 P\t" + second + " IH1 P\r\n");
  EXPECT_EQ(folder.OutputFileCount(), 3U);
}

INSTANTIATE_TEST_SUITE_P(Symbols, MainWindowIpaTest,
                         ::testing::Values(IpaSymbols{"ʃ", "ʒ"}, IpaSymbols{"t͡ʃ", "d͡ʒ"}));

TEST_F(MainWindowTest, InitialTextsSearchForPAndT) {
  folder.Write("in.txt", "P AE1 N\r\nT AE1 N\r\n");
  Show();
  ClickCommand1();
  EXPECT_EQ(folder.Output("ListOfWordsWith P.txt"), " P AE1 N \r\n");
  EXPECT_EQ(folder.Output("ListOfWordsWith T.txt"), " T AE1 N \r\n");
  EXPECT_EQ(folder.Output("VendrelForPAndT.txt"), "P AE1 N\tT AE1 N\r\n");
}

TEST_F(MainWindowTest, SecondClickEndsTheProgramWithoutMessageOrNewSearch) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  Show();
  Type(Text1(), "K");
  Type(Text2(), "G");
  ClickCommand1();
  journal.clear();
  // Texts typed after the run have no effect: the next click only ends the program.
  Type(Text1(), "X");

  ClickCommand1();

  EXPECT_EQ(journal, Journal{"end: 0"});
  EXPECT_EQ(Command1()->text().toStdString(), kExpectedDone);
  EXPECT_EQ(folder.Output("VendrelForKAndG.txt"), Expected("VendrelForKAndG.txt"));
  EXPECT_EQ(folder.OutputFileCount(), 3U);
}

TEST_F(MainWindowTest, ClosingBeforeAnyClickWritesNothing) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  Show();
  EXPECT_TRUE(form.close());
  QApplication::processEvents();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(folder.OutputFileCount(), 0U);
  EXPECT_TRUE(journal.empty());
}

TEST_F(MainWindowTest, FailingRunReportsTheSearchErrorAndEndsWithNonZeroStatus) {
  Show();
  PaintRecorder recorder(*Command1(), journal);
  ClickCommand1();
  DropPaintOfGo(journal);
  EXPECT_EQ(journal,
            (Journal{
                Paint(kExpectedReading),
                "error: cannot read '" + folder.utf8() + "/in.txt': No such file or directory",
                "end: 1",
            }));
  EXPECT_EQ(folder.OutputFileCount(), 0U);
}

TEST_F(MainWindowTest, HelpShowsTheInstructionsBeforeAndAfterARunWithoutTouchingIt) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
  Show();
  const std::string help_message = "message: " + HelpText();

  ClickHelp();
  EXPECT_EQ(journal, Journal{help_message});
  EXPECT_EQ(folder.OutputFileCount(), 0U);

  journal.clear();
  ClickCommand1();  // still the first click: it runs the search
  EXPECT_EQ(journal,
            Journal{"message:  0 words have  P ,  3 words have  T .  Click OK to continue."});
  EXPECT_EQ(Command1()->text().toStdString(), kExpectedDone);

  journal.clear();
  ClickHelp();
  ClickHelp();
  ClickCommand1();
  EXPECT_EQ(journal, (Journal{help_message, help_message, "end: 0"}));
}

// The same run with the real message boxes, answered as they come up.
class MainWindowWithBoxesTest : public MainWindowTest {
 protected:
  MainWindowWithBoxesTest() : MainWindowTest(&boxes) {}
  QtDesktop boxes;
};

TEST_F(MainWindowWithBoxesTest, SummaryIsAModalBoxWithOnlyOkNoIconAndTheTitle) {
  folder.Write("in.txt", testing_support::WorkedExampleInput());
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
  EXPECT_EQ(box.format, Qt::PlainText);
  EXPECT_EQ(folder.Output("VendrelForKAndG.txt"), Expected("VendrelForKAndG.txt"));
  EXPECT_EQ(Command1()->text().toStdString(), kExpectedDone);
}

TEST_F(MainWindowWithBoxesTest, HelpBoxShowsEachCarriageReturnAsALineBreak) {
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
  EXPECT_EQ(box.format, Qt::PlainText);
}

TEST_F(MainWindowWithBoxesTest, ErrorReportHasTheCriticalIconAndTheTitle) {
  Show();
  BoxAnswerer answerer;
  ClickCommand1();
  ASSERT_EQ(answerer.seen.size(), 1U);
  const auto& box = answerer.seen.front();
  EXPECT_EQ(box.title, "Find minimal pairs");
  EXPECT_EQ(box.text, "cannot read '" + QString::fromStdString(folder.utf8()) +
                          "/in.txt': No such file or directory");
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(box.format, Qt::PlainText);
  EXPECT_EQ(journal.back(), "end: 1");
}

}  // namespace
}  // namespace window
