#pragma once

#include <QString>

#include "window/desktop.h"

namespace window {

// The window's title, which is also the title of its message boxes.
inline constexpr const char* kApplicationTitle = "Find minimal pairs";

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
