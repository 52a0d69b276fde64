#include "search/os/output_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>

#include "search/os/platform.h"
#include "search/os/temp_file_names.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::os {
namespace {

using testing_support::TempFolder;

std::set<std::string> NamesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(OutputFile, AppearsUnderItsNameOnlyWhenComplete) {
  TempFolder folder;
  folder.Write("out.txt", "an earlier result");
  OutputFile file(folder.utf8() + "/out.txt");
  file.WriteLine("A", "\t", "B");
  // The earlier file is gone once the new one is opened; the new one is not there yet.
  const std::set<std::string> while_open = NamesIn(folder.path());
  ASSERT_EQ(while_open.size(), 1u);
  EXPECT_EQ(TempFileOwner(*while_open.begin()), CurrentProcessId());
  file.Close();
  EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>{"out.txt"});
  EXPECT_EQ(folder.Read("out.txt"), "A\tB\r\n");
}

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

// The system's files, with one operation failing as told.
class FailingFileLayer final : public FileLayer {
 public:
  enum class Step { kRemove, kCreateNew, kWrite, kClose, kReplace };
  FailingFileLayer(Step step, int error) : step_(step), error_(error) {}

  int CreateNew(const std::string& path, NativeFile& handle) override {
    return Fails(Step::kCreateNew) ? error_ : real_.CreateNew(path, handle);
  }
  int Write(NativeFile handle, std::string_view bytes) override {
    return Fails(Step::kWrite) ? error_ : real_.Write(handle, bytes);
  }
  int Close(NativeFile handle) override {
    const int error = real_.Close(handle);  // closed in any case, as a failing close does
    return Fails(Step::kClose) ? error_ : error;
  }
  int Replace(const std::string& from, const std::string& to) override {
    return Fails(Step::kReplace) ? error_ : real_.Replace(from, to);
  }
  int Remove(const std::string& path) override {
    // Only the first removal, of the earlier file, fails; cleaning up still works.
    return Fails(Step::kRemove) && !std::exchange(removed_once_, true) ? error_
                                                                       : real_.Remove(path);
  }

 private:
  bool Fails(Step step) const { return step == step_; }
  FileLayer& real_ = SystemFileLayer();
  Step step_;
  int error_;
  bool removed_once_ = false;
};

struct FailureCase {
  const char* name;
  FailingFileLayer::Step step;
  int error;
  std::string message_start;
};

void PrintTo(const FailureCase& row, std::ostream* out) { *out << row.name; }

class OutputFileFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(OutputFileFailureTest, NamesTheFileAndLeavesNothingBehind) {
  TempFolder folder;
  const std::string path = folder.utf8() + "/out.txt";
  FailingFileLayer files(GetParam().step, GetParam().error);
  std::string message;
  try {
    OutputFile file(path, files);
    file.WriteLine("A");
    file.Close();
  } catch (const texts::SearchError& error) {
    message = error.what();
  }
  EXPECT_EQ(message,
            GetParam().message_start + path + "': " + texts::SystemReason(GetParam().error));
  EXPECT_TRUE(NamesIn(folder.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, OutputFileFailureTest,
    ::testing::Values(
        FailureCase{"RemovingTheEarlierFile", FailingFileLayer::Step::kRemove, EACCES,
                    "cannot create '"},
        FailureCase{"Creating", FailingFileLayer::Step::kCreateNew, EACCES, "cannot create '"},
        FailureCase{"Writing", FailingFileLayer::Step::kWrite, ENOSPC, "cannot write '"},
        FailureCase{"Closing", FailingFileLayer::Step::kClose, EIO, "cannot write '"},
        FailureCase{"Renaming", FailingFileLayer::Step::kReplace, EACCES, "cannot create '"}),
    [](const ::testing::TestParamInfo<FailureCase>& row) { return std::string(row.param.name); });

TEST(OutputFile, ALeftoverIsRemovedOnlyWhenItsProcessHasEnded) {
  TempFolder folder;
  const std::string own = ".minpairs-" + std::to_string(CurrentProcessId()) + "-999.partial";
  const std::string ended = ".minpairs-4000000000-1.partial";  // no process has this id
  const std::set<std::string> kept = {own, ".minpairs-x-1.partial", "ListOfWordsWith K.txt"};
  for (const auto& name : kept) folder.Write(name, "x");
  folder.Write(ended, "x");

  OutputFile file(folder.utf8() + "/out.txt");
  file.Close();

  std::set<std::string> expected = kept;
  expected.insert("out.txt");
  EXPECT_EQ(NamesIn(folder.path()), expected);
}

TEST(TempFileOwner, ReadsOnlyTheNamesThatTempPathForMakes) {
  EXPECT_EQ(TempFileOwner(std::filesystem::path(TempPathFor("/a/b.txt")).filename().string()),
            CurrentProcessId());
  EXPECT_EQ(TempFileOwner(".minpairs-12-3.partial"), 12u);
  for (const char* name : {".minpairs-12.partial", ".minpairs--3.partial", ".minpairs-12-3.txt",
                           "minpairs-12-3.partial", ".minpairs-1x-3.partial"}) {
    EXPECT_EQ(TempFileOwner(name), std::nullopt) << name;
  }
}

#ifndef _WIN32
TEST(OutputFile, ReplacesASymbolicLinkAndNeverWritesThroughIt) {
  TempFolder outside;
  outside.Write("target.txt", "keep me");
  TempFolder folder;
  for (const auto& target : {outside.path() / "target.txt", std::filesystem::path("/dev/full")}) {
    std::filesystem::create_symlink(target, folder.path() / "out.txt");
    OutputFile file(folder.utf8() + "/out.txt");
    file.WriteLine("new");
    file.Close();
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / "out.txt"));
    EXPECT_EQ(folder.Read("out.txt"), "new\r\n");
    std::filesystem::remove(folder.path() / "out.txt");
  }
  EXPECT_EQ(outside.Read("target.txt"), "keep me");
}
#endif

// Made when missing, kept when there; what is in the way fails the first file
// written into it, and a folder that cannot be made fails with the reason.
TEST(MakeOutputFolder, MakesWhatIsMissingAndLeavesWhatIsThere) {
  TempFolder folder;
  MakeOutputFolder(folder.utf8() + "/output");
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "output"));
  folder.Write("output/kept.txt", "kept");
  MakeOutputFolder(folder.utf8() + "/output");
  EXPECT_EQ(folder.Read("output/kept.txt"), "kept");
  folder.Write("a file", "");
  MakeOutputFolder(folder.utf8() + "/a file");
  EXPECT_EQ(folder.Read("a file"), "");
  try {
    MakeOutputFolder(folder.utf8() + "/missing/output");
    ADD_FAILURE() << "made a folder in a missing one";
  } catch (const texts::SearchError& error) {
    EXPECT_STREQ(error.what(), ("cannot create the folder '" + folder.utf8() +
                                "/missing/output': No such file or directory")
                                   .c_str());
  }
}

}  // namespace
}  // namespace search::os
