#pragma once

#include <string>
#include <string_view>

namespace search::os {

// What a search run needs from the program that hosts it. The window and the
// command line provide it; tests pass a fake that records what was shown.
class RunHost {
 public:
  virtual ~RunHost() = default;

  // The folder that holds in.txt and output/, in UTF-8, without a trailing separator.
  virtual std::string ApplicationDirectory() = 0;

  // Replaces the status text; it is visible when the call returns.
  virtual void ShowStatus(std::string_view text) = 0;

  // Shows a message and returns when the user has confirmed or dismissed it.
  virtual void ShowMessage(std::string_view text) = 0;

  // Shows a note about the input that the run goes on despite, plain text in
  // UTF-8; a host without a place for notes shows it as the status.
  virtual void ShowNote(std::string_view text) { ShowStatus(text); }
};

}  // namespace search::os
