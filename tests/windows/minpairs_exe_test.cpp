// Runs the real minpairs.exe the way Windows starts it: the arguments travel as
// UTF-16 and the files are opened by their UTF-16 names.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "child_process.h"
#include "temp_folder.h"

namespace {

using testing_support::ProcessOutcome;
using testing_support::TempFolder;
using testing_support::Utf8Path;

// ʃ as UTF-16 and as UTF-8.
constexpr const wchar_t* kEshWide = L"\u0283";
constexpr const char* kEsh = "\xCA\x83";

// Folder names as UTF-8, the way a test compares them.
std::set<std::string> NamesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace(name.begin(), name.end());
  }
  return names;
}

// A program folder (in.txt and output/) inside a temporary folder that also
// takes the captured output.
class MinpairsExeTest : public ::testing::Test {
 protected:
  void MakeProgramFolder(std::string_view utf8_name, std::string_view word_list) {
    program_folder = temp.path() / Utf8Path(utf8_name);
    std::filesystem::create_directories(program_folder / "output");
    temp.Write(Utf8Path(utf8_name) / "in.txt", word_list);
  }

  // Runs minpairs.exe in `working_folder`.
  ProcessOutcome Run(const std::filesystem::path& working_folder,
                     const std::vector<std::wstring>& arguments) {
    return testing_support::RunProcess(testing_support::ProgramBesideThisOne(L"minpairs.exe"),
                                       arguments, working_folder, temp.path());
  }

  std::string Output(std::string_view utf8_name) const {
    return testing_support::ReadFile(program_folder / "output" / Utf8Path(utf8_name));
  }

  TempFolder temp;
  std::filesystem::path program_folder;
};

TEST_F(MinpairsExeTest, UnicodeSymbolsAndFolderKeepTheirNames) {
  // "Wörter ʃ" as the folder; words "ʃ IY1", "s IY1", "ʃ UW1".
  MakeProgramFolder("W\xC3\xB6rter \xCA\x83", "\xCA\x83 IY1\ns IY1\n\xCA\x83 UW1\n");
  const ProcessOutcome outcome =
      Run(temp.path(), {L"--quiet", L"--dir", program_folder.wstring(), kEshWide, L"s"});

  ASSERT_EQ(outcome.status, 0u) << outcome.err;
  EXPECT_EQ(outcome.out, std::string(" 2 words have  ") + kEsh +
                             " ,  1 words have  s .  Click OK to continue.\r\n1 pairs in "
                             "'VendrelFor" +
                             kEsh + "Ands.txt'\r\n");
  const std::string with_esh = std::string("ListOfWordsWith ") + kEsh + ".txt";
  const std::string pairs = std::string("VendrelFor") + kEsh + "Ands.txt";
  EXPECT_EQ(NamesIn(program_folder / "output"),
            (std::set<std::string>{with_esh, "ListOfWordsWith s.txt", pairs}));
  EXPECT_EQ(Output(with_esh), std::string(" ") + kEsh + " IY1 \r\n " + kEsh + " UW1 \r\n");
  EXPECT_EQ(Output(pairs), std::string(kEsh) + " IY1\ts IY1\r\n");
}

TEST_F(MinpairsExeTest, WorksInTheCurrentFolderAndEndsLinesInOneCrLf) {
  MakeProgramFolder("program", "K AE1 T\r\nG AE1 T\r\nK OW1 T\r\n");
  const ProcessOutcome outcome = Run(program_folder, {L"--quiet", L"K", L"G"});
  ASSERT_EQ(outcome.status, 0u) << outcome.err;
  EXPECT_EQ(Output("ListOfWordsWith K.txt"), " K AE1 T \r\n K OW1 T \r\n");
  EXPECT_EQ(Output("ListOfWordsWith G.txt"), " G AE1 T \r\n");
  EXPECT_EQ(Output("VendrelForKAndG.txt"), "K AE1 T\tG AE1 T\r\n");
}

// Windows ignores case in file names: "s" and "S" name one list file. Both
// lists are kept, the second under a derived name, and the note says where.
TEST_F(MinpairsExeTest, SymbolsThatDifferInCaseKeepBothLists) {
  MakeProgramFolder("program", "s IY1\nS IY1\ns AA1\n");
  const ProcessOutcome outcome = Run(program_folder, {L"--quiet", L"s", L"S"});
  ASSERT_EQ(outcome.status, 0u) << outcome.err;
  EXPECT_EQ(outcome.err,
            "minpairs: note: 's' and 'S' name the same list file in this folder; the words with "
            "'S' are in './output/ListOfWordsWith S (2).txt'\r\n");
  EXPECT_EQ(NamesIn(program_folder / "output"),
            (std::set<std::string>{"ListOfWordsWith s.txt", "ListOfWordsWith S (2).txt",
                                   "VendrelForsAndS.txt"}));
  EXPECT_EQ(Output("ListOfWordsWith s.txt"), " s IY1 \r\n s AA1 \r\n");
  EXPECT_EQ(Output("ListOfWordsWith S (2).txt"), " S IY1 \r\n");
  EXPECT_EQ(Output("VendrelForsAndS.txt"), "s IY1\tS IY1\r\n");

  // The same symbol twice keeps one list, as before.
  const ProcessOutcome same = Run(program_folder, {L"--quiet", L"s", L"s"});
  ASSERT_EQ(same.status, 0u) << same.err;
  EXPECT_EQ(same.err, "");
  EXPECT_EQ(Output("ListOfWordsWith s.txt"), " s IY1 \r\n s AA1 \r\n");
}

// Windows allows 255 UTF-16 units per name and, for a program that is not
// long-path aware, MAX_PATH per path. ASCII names, since wine maps names to
// the host's limit in bytes.
TEST_F(MinpairsExeTest, NamesAndPathsTooLongAreRefusedBeforeAnyFileIsWritten) {
  MakeProgramFolder("program", "K AE1 T\n");
  const std::wstring a240(240, L'a'), a235(235, L'a');
  const std::string name240 = "ListOfWordsWith " + std::string(240, 'a') + ".txt";
  const std::string name235 = "ListOfWordsWith " + std::string(235, 'a') + ".txt";
  const std::size_t path_length = (program_folder / "output" / name235).wstring().size();
  ASSERT_GT(path_length, 259u);

  const ProcessOutcome name = Run(program_folder, {L"--quiet", a240, L"G"});
  EXPECT_EQ(name.status, 1u);
  EXPECT_EQ(name.err, "minpairs: error: the first symbol makes the file name '" + name240 +
                          "' too long: 260 UTF-16 units, where the folder allows 255\r\n");
  const ProcessOutcome path = Run(program_folder, {L"--quiet", L"K", a235});
  EXPECT_EQ(path.status, 1u);
  EXPECT_EQ(path.err, "minpairs: error: the second symbol makes the path './output/" + name235 +
                          "' too long: " + std::to_string(path_length) +
                          " UTF-16 units, where the system allows 259\r\n");
  EXPECT_TRUE(NamesIn(program_folder / "output").empty());
}

// Each character that Windows refuses in a file name, inside the first symbol.
class ForbiddenCharacterTest : public MinpairsExeTest,
                               public ::testing::WithParamInterface<char> {};

TEST_P(ForbiddenCharacterTest, IsRefusedBeforeAnyFileIsWritten) {
  MakeProgramFolder("program", "K AE1 T\nG AE1 T\n");
  const std::string symbol{'K', GetParam(), 'X'};
  const std::wstring wide_symbol{L'K', static_cast<wchar_t>(GetParam()), L'X'};

  const ProcessOutcome outcome = Run(program_folder, {L"--quiet", wide_symbol, L"G"});

  EXPECT_EQ(outcome.status, 1u);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "minpairs: error: the first symbol '" + symbol +
                             "' cannot be part of a file name: it contains '" +
                             symbol.substr(1, 1) + "'\r\n");
  EXPECT_TRUE(NamesIn(program_folder / "output").empty());
}

INSTANTIATE_TEST_SUITE_P(WindowsFileNames, ForbiddenCharacterTest,
                         ::testing::Values('<', '>', ':', '"', '|', '?', '*'),
                         [](const ::testing::TestParamInfo<char>& row) {
                           std::string name = "Character";
                           name += std::to_string(static_cast<int>(row.param));
                           return name;
                         });

}  // namespace
