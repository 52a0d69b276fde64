// The window program with a tester at the controls, for ProgramTest: once the
// window is up it clicks Command1, answers every message box and, if the run
// finished, clicks Command1 again. Prints each box it answered as
// "[critical ]box '<title>': <text>" and returns the program's exit status.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <iostream>

#include "expected_texts.h"
#include "window/qt/program.h"
#include "window_test_support.h"

namespace {

QPushButton* FindCommand1() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() != QLatin1String("Form1")) continue;
    return widget->findChild<QPushButton*>(QStringLiteral("Command1"));
  }
  return nullptr;
}

void ClickGo() {
  QPushButton* command1 = FindCommand1();
  if (command1 == nullptr) {
    std::cerr << "no Command1 on a window named Form1\n";
    QApplication::exit(3);
    return;
  }
  command1->click();
  if (command1->text().toStdString() == testing_support::kExpectedDone) command1->click();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  window_testing::BoxAnswerer answerer;
  QTimer::singleShot(0, &ClickGo);
  const int exit_status = window::RunProgram(application);
  for (const auto& box : answerer.seen) {
    std::cout << (box.icon == QMessageBox::Critical ? "critical " : "") << "box '"
              << box.title.toStdString() << "': " << box.text.toStdString() << '\n';
  }
  return exit_status;
}
