#include "search/os/background_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace search::os {
namespace {

TEST(BackgroundWriter, WritesEveryBufferWholeAndInOrder) {
  std::string written;
  BackgroundWriter writer([&](std::string_view bytes) {
    written += bytes;
    return 0;
  });
  // Two buffers taking turns, as a file's are: each is refilled only after
  // the next Start has waited for its write.
  std::vector<std::string> buffers(2);
  std::string expected;
  for (int n = 0; n < 200; ++n) {
    std::string& buffer = buffers[static_cast<std::size_t>(n % 2)];
    buffer = std::string(static_cast<std::size_t>(1 + n % 7), static_cast<char>('a' + n % 26));
    expected += buffer;
    ASSERT_EQ(writer.Start(buffer), 0);
  }
  ASSERT_EQ(writer.Wait(), 0);
  EXPECT_EQ(written, expected);
}

TEST(BackgroundWriter, ReportsTheFirstFailureAndWritesNothingAfterIt) {
  int calls = 0;
  BackgroundWriter writer([&](std::string_view) { return ++calls == 2 ? ENOSPC : 0; });
  const std::string bytes = "line\r\n";
  EXPECT_EQ(writer.Start(bytes), 0);
  EXPECT_EQ(writer.Start(bytes), 0);       // fails on the writer's thread
  EXPECT_EQ(writer.Start(bytes), ENOSPC);  // reported to the next hand-over
  EXPECT_EQ(writer.Wait(), ENOSPC);
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace search::os
