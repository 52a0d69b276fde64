// Helpers for driving the window in tests: a desktop that records instead of
// blocking, a recorder of the captions a button actually paints, and an
// answerer for the real message boxes.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

#include "window/qt/desktop.h"

namespace window_testing {

// Writes every message, error report and end of the program to `journal` as
// "message: ...", "error: ..." and "end: <status>". Boxes are only shown when
// `boxes` is given (a QtDesktop); the folder is `folder`.
class FakeDesktop final : public window::Desktop {
 public:
  FakeDesktop(std::string folder, std::vector<std::string>& journal,
              window::Desktop* boxes = nullptr);

  std::string ApplicationDirectory() override { return folder_; }
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
  void EndProgram(int exit_status) override;

 private:
  std::string folder_;
  std::vector<std::string>& journal_;
  window::Desktop* boxes_;
};

// Appends "paint: <caption>" to `journal` each time `button` paints itself,
// leaving out a paint that shows the same caption as the entry before it.
class PaintRecorder final : public QObject {
 public:
  PaintRecorder(QObject& button, std::vector<std::string>& journal);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::string>& journal_;
};

// What a message box looked like when it was answered.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  Qt::WindowModality modality = Qt::NonModal;
  Qt::TextFormat format = Qt::AutoText;
};

// While it lives, clicks the first button of every message box that becomes the
// active modal widget, after noting how the box looked.
class BoxAnswerer final {
 public:
  BoxAnswerer();

  std::vector<SeenBox> seen;

 private:
  void AnswerOpenBox();

  QTimer timer_;
};

}  // namespace window_testing
