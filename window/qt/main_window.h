#pragma once

#include <QMainWindow>

#include "window/search_session.h"

class QAction;
class QLineEdit;

namespace window {

class Desktop;
class WrappingButton;

// The program's only window (object name Form1). The user types two symbols
// into the boxes Text1 and Text2 and clicks the button Command1, which runs one
// search and then shows its status texts; the next click ends the program. The
// Help menu (mnuHelp) shows the instructions.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Desktop& desktop, QWidget* parent = nullptr);

 private:
  void BuildControls();
  void BuildMenu();
  void OnGoClicked();
  void ShowHelp();

  Desktop& desktop_;
  QLineEdit* first_symbol_box_ = nullptr;
  QLineEdit* second_symbol_box_ = nullptr;
  WrappingButton* status_button_ = nullptr;
  QAction* help_item_ = nullptr;
  SearchSession session_;
};

}  // namespace window
