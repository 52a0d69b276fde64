#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPushButton>

namespace window_testing {

FakeDesktop::FakeDesktop(std::string folder, std::vector<std::string>& journal,
                         window::Desktop* boxes)
    : folder_(std::move(folder)), journal_(journal), boxes_(boxes) {}

void FakeDesktop::ShowMessage(QWidget* parent, const QString& text) {
  journal_.push_back("message: " + text.toStdString());
  if (boxes_ != nullptr) boxes_->ShowMessage(parent, text);
}

void FakeDesktop::ShowError(QWidget* parent, const QString& text) {
  journal_.push_back("error: " + text.toStdString());
  if (boxes_ != nullptr) boxes_->ShowError(parent, text);
}

void FakeDesktop::EndProgram(int exit_status) {
  journal_.push_back("end: " + std::to_string(exit_status));
}

PaintRecorder::PaintRecorder(QObject& button, std::vector<std::string>& journal)
    : QObject(&button), journal_(journal) {
  button.installEventFilter(this);
}

bool PaintRecorder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    const std::string entry =
        "paint: " + static_cast<QAbstractButton*>(watched)->text().toStdString();
    if (journal_.empty() || journal_.back() != entry) journal_.push_back(entry);
  }
  return false;
}

BoxAnswerer::BoxAnswerer() {
  QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBox(); });
  timer_.start(10);
}

void BoxAnswerer::AnswerOpenBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  SeenBox view{box->windowTitle(),    box->text(),      box->icon(), {},
               box->windowModality(), box->textFormat()};
  for (QAbstractButton* button : box->buttons()) {
    view.buttons.append(button->text().remove(QLatin1Char('&')));
  }
  seen.push_back(view);
  box->buttons().front()->click();
}

}  // namespace window_testing
