// minpairs.exe with a stand-in for the browser, for the tests of a word list
// given alone: the path it would open goes into opened.txt in the current
// folder. The console, its count of processes and the Enter key are the
// system's, as in minpairs.exe.
#include <fstream>
#include <string>

#include "cli/desktop.h"
#include "cli/wide_main.h"

namespace {

class FakeBrowserDesktop final : public cli::Desktop {
 public:
  bool Open(const std::string& utf8_path, std::string& reason) override {
    std::ofstream opened("opened.txt", std::ios::binary | std::ios::app);
    opened << utf8_path << '\n';
    if (!opened.flush()) reason = "cannot write opened.txt";
    return static_cast<bool>(opened);
  }
  unsigned long ConsoleProcessCount() override {
    return cli::SystemDesktop().ConsoleProcessCount();
  }
  void WaitForEnter() override { cli::SystemDesktop().WaitForEnter(); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  FakeBrowserDesktop desktop;
  return cli::RunWideMain(argc, argv, desktop);
}
