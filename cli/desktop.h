// What a word list given alone needs of the desktop, behind an interface that
// the program's main passes in and tests fake.
#pragma once

#include <string>

namespace cli {

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Opens the file at `utf8_path` as a double-click would: a page in the
  // default browser. False, with the reason in `reason`, when it cannot.
  virtual bool Open(const std::string& utf8_path, std::string& reason) = 0;

  // How many processes share the program's console: 1 when the console was
  // made for the program alone (Windows does so for a program that Explorer
  // starts, and closes it when the program ends); 0 without one, or where
  // consoles are not counted.
  virtual unsigned long ConsoleProcessCount() = 0;

  // Returns when the user presses Enter, or standard input ends.
  virtual void WaitForEnter() = 0;
};

// The system's: ShellExecuteExW and the console on Windows, xdg-open elsewhere.
Desktop& SystemDesktop();

}  // namespace cli
