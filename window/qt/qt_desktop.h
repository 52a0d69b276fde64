#pragma once

#include <QString>

#include "window/qt/desktop.h"

namespace window {

// The desktop as Qt provides it.
class QtDesktop final : public Desktop {
 public:
  std::string ApplicationDirectory() override;
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
  void EndProgram(int exit_status) override;
};

// `text` with every carriage return, alone or followed by a line feed, turned
// into a line feed, the line break that Qt's labels show.
QString WithLineFeeds(const QString& text);

}  // namespace window
