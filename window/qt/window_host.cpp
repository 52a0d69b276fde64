#include "window/qt/window_host.h"

#include <QAbstractButton>
#include <QString>

#include "search/texts/status_texts.h"
#include "window/qt/desktop.h"

namespace window {

WindowHost::WindowHost(QAbstractButton& status_button, QWidget& message_parent, Desktop& desktop)
    : status_button_(status_button), message_parent_(message_parent), desktop_(desktop) {}

std::string WindowHost::ApplicationDirectory() { return desktop_.ApplicationDirectory(); }

void WindowHost::ShowStatus(std::string_view text) {
  status_button_.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  if (throttle_.ShouldPaint(search::texts::IsProgressText(text), PaintThrottle::Clock::now())) {
    status_button_.repaint();
  }
}

void WindowHost::ShowMessage(std::string_view text) {
  desktop_.ShowMessage(&message_parent_,
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace window
