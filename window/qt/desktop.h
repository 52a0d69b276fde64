#pragma once

#include <string>

class QString;
class QWidget;

namespace window {

// What the window needs from the desktop besides its own widgets: the
// program's folder, message boxes and the end of the program. The program uses
// QtDesktop; tests pass a fake that records and answers at once.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // The folder that holds the program file, in UTF-8, without a trailing separator.
  virtual std::string ApplicationDirectory() = 0;

  // An application-modal box with `text`, a single OK button, no icon and the
  // application's title. A carriage return in `text` is a line break. Returns
  // when the box has been confirmed or dismissed.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;

  // The program's report of an error: the same box with a critical icon.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;

  // Ends the program with `exit_status` as soon as the running event handler returns.
  virtual void EndProgram(int exit_status) = 0;
};

}  // namespace window
