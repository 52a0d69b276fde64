#pragma once

#include <QMainWindow>

#include "search/search_state.h"

class QAction;
class QLineEdit;

namespace window {

class Desktop;
class WrappingButton;

// The program's only window. The user types two symbols into `Text1` and
// `Text2` and clicks `Command1`, which runs one search and then shows its status
// texts; the next click ends the program. The Help menu shows the instructions.
class Form1 final : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Desktop& desktop, QWidget* parent = nullptr);

 private:
  void BuildControls();
  void BuildMenu();
  void Command1_Click();
  void mnuHelp_Click();
  void ShowHelp();
  void RunOnce();
  void ReportError(const QString& message);

  Desktop& desktop_;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  WrappingButton* Command1 = nullptr;
  QAction* mnuHelp = nullptr;

  // Set by the first click of Command1, before the run begins; never cleared.
  bool RunStarted = false;
  // Filled by the one run; kept until the window goes away.
  search::SearchState state_;
};

}  // namespace window
