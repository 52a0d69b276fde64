#pragma once

#include <string>
#include <string_view>

#include "search/os/run_host.h"
#include "window/paint_throttle.h"

class QAbstractButton;
class QWidget;

namespace window {

class Desktop;

// The RunHost that the window hands to the search: status texts become the
// caption of `status_button`, painted before ShowStatus returns (without
// processing any input); messages and the folder come from the desktop.
class WindowHost final : public search::os::RunHost {
 public:
  WindowHost(QAbstractButton& status_button, QWidget& message_parent, Desktop& desktop);

  std::string ApplicationDirectory() override;
  void ShowStatus(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

 private:
  QAbstractButton& status_button_;
  QWidget& message_parent_;
  Desktop& desktop_;
  PaintThrottle throttle_;
};

}  // namespace window
