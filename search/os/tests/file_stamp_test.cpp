#include "search/os/file_stamp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace search::os {
namespace {

struct StampCase {
  const char* what;
  FileStamp after;
  bool changed;
};

TEST(FileStamp, ChangedWhenTheSizeOrAWriteTimeSaysSo) {
  const FileStamp before{100, 7, 9, 1};
  const StampCase cases[] = {
      {"nothing", {100, 7, 9, 1}, false},
      {"the size alone", {101, 7, 9, 1}, true},
      {"the size shrunk alone", {99, 7, 9, 1}, true},
      {"the last write alone", {100, 8, 9, 1}, true},
      {"the last change with the same names", {100, 7, 10, 1}, true},
      // A name renamed over or removed changes the time, not the open file's bytes.
      {"the last change with another count of names", {100, 7, 10, 0}, false},
      {"the count of names alone", {100, 7, 9, 2}, false},
  };
  for (const StampCase& c : cases) EXPECT_EQ(ChangedBetween(before, c.after), c.changed) << c.what;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

TEST(FileStamp, AnOpenRegularFileHasOneAndADeviceHasNone) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
  ASSERT_NE(file, nullptr);
  ASSERT_GE(std::fputs("K AE1 T\n", file.get()), 0);
  ASSERT_EQ(std::fflush(file.get()), 0);
  const auto stamp = StampOf(file.get());
  ASSERT_TRUE(stamp.has_value());
  EXPECT_EQ(stamp->size, 8u);

#ifdef _WIN32
  const char* device = "NUL";
#else
  const char* device = "/dev/null";
#endif
  const std::unique_ptr<std::FILE, FileCloser> null_device(std::fopen(device, "rb"));
  ASSERT_NE(null_device, nullptr);
  EXPECT_FALSE(StampOf(null_device.get()).has_value());
}

}  // namespace
}  // namespace search::os
