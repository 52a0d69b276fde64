#include "cli/wide_arguments.h"
#include "search/os/platform_win32.h"

namespace cli {

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(search::os::Utf8FromWide(argv[i]));
  return arguments;
}

}  // namespace cli
