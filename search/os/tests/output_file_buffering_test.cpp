#include <gtest/gtest.h>

#include <string>

#include "search/os/output_file.h"
#include "temp_folder.h"

namespace search::os {
namespace {

using testing_support::TempFolder;

// Many buffers' worth of lines of every length, and lines longer than a
// buffer, come out whole and in order.
TEST(OutputFile, KeepsEveryLineInOrderAcrossBuffers) {
  TempFolder folder;
  OutputFile file(folder.utf8() + "/lines.txt");
  std::string expected;
  for (int n = 0; n < 60000; ++n) {
    const std::string first(static_cast<std::size_t>(n % 97), static_cast<char>('A' + n % 26));
    const std::string second = std::to_string(n);
    file.WriteLine(first, "\t", second);
    expected.append(first).append("\t").append(second).append("\r\n");
    if (n % 20000 == 7) {
      const std::string long_line(3u << 20, static_cast<char>('a' + n % 26));
      file.WriteLine(long_line);
      expected.append(long_line).append("\r\n");
    }
  }
  file.Close();
  EXPECT_EQ(folder.Read("lines.txt"), expected);
}

}  // namespace
}  // namespace search::os
