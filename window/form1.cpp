#include "window/form1.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <exception>

#include "search/search_run.h"
#include "window/desktop.h"
#include "window/help_text.h"
#include "window/qt_desktop.h"
#include "window/window_host.h"
#include "window/wrapping_button.h"

namespace window {
namespace {

// The layout is given in twips, 15 to a device-independent pixel (1440 to the
// inch at 96 pixels to the inch); Qt scales the pixels on high-DPI screens.
constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect TwipRect(int left, int top, int width, int height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

constexpr QSize kClientArea(Pixels(6285), Pixels(5025));
constexpr QRect kCommand1(TwipRect(1680, 1200, 2895, 1695));
constexpr QRect kText1(TwipRect(1680, 3240, 1215, 495));
constexpr QRect kText2(TwipRect(3360, 3240, 1215, 495));

QLineEdit* MakeEditBox(const QString& name, const QString& text, const QString& accessible_name,
                       const QRect& geometry, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setAccessibleName(accessible_name);
  box->setGeometry(geometry);
  return box;
}

}  // namespace

Form1::Form1(Desktop& desktop, QWidget* parent) : QMainWindow(parent), desktop_(desktop) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setWindowIcon(QIcon(QStringLiteral(":/window/FindMinimalPairs.ico")));
  BuildControls();
  BuildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Text1->setFocus();
}

void Form1::BuildControls() {
  auto* client_area = new QWidget(this);
  client_area->setFixedSize(kClientArea);
  setCentralWidget(client_area);

  Command1 = new WrappingButton(QStringLiteral("Go"), client_area);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(kCommand1);
  Command1->setAutoDefault(false);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

  Text1 = MakeEditBox(QStringLiteral("Text1"), QStringLiteral("P"), QStringLiteral("First symbol"),
                      kText1, client_area);
  Text2 = MakeEditBox(QStringLiteral("Text2"), QStringLiteral("T"), QStringLiteral("Second symbol"),
                      kText2, client_area);
  setTabOrder(Text1, Text2);
  setTabOrder(Text2, Command1);
}

void Form1::BuildMenu() {
  mnuHelp = menuBar()->addAction(QStringLiteral("Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  connect(mnuHelp, &QAction::triggered, this, &Form1::mnuHelp_Click);
}

void Form1::Command1_Click() {
  if (RunStarted) {
    desktop_.EndProgram(0);
    return;
  }
  RunStarted = true;
  RunOnce();
}

// Runs the search on the symbols typed so far. A failure ends the program after
// its report, with a non-zero exit status.
void Form1::RunOnce() {
  const std::string first = Text1->text().toStdString();
  const std::string second = Text2->text().toStdString();
  WindowHost host(*Command1, *this, desktop_);
  try {
    search::RunSearch(first, second, state_, host);
    return;
  } catch (const std::exception& error) {  // SearchError, or the unforeseen
    ReportError(QString::fromUtf8(error.what()));
  }
}

void Form1::ReportError(const QString& message) {
  desktop_.ShowError(this, message);
  desktop_.EndProgram(1);
}

void Form1::mnuHelp_Click() { ShowHelp(); }

void Form1::ShowHelp() { desktop_.ShowMessage(this, QString::fromStdString(HelpText())); }

}  // namespace window
