// A word list given alone to minpairs.exe, as Explorer gives a list dropped on
// it: the program has no console of its own, so Windows makes one for it, and
// the program holds it open until Enter. Started from a console, it shares it
// and ends by itself. minpairs_fake_browser.exe is minpairs.exe with the
// browser replaced by a note of the page in opened.txt.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "child_process.h"
#include "cli/desktop.h"
#include "search/os/platform_win32.h"
#include "temp_folder.h"

namespace {

using namespace std::chrono_literals;
using testing_support::TempFolder;

constexpr const char* kLexicon = "transcription\tspelling\nK AE1 T\tcat\nG AE1 T\tgat\n";

// The rows of a console's screen without their trailing spaces, each ended by
// "\n", up to the last row with text.
std::wstring ScreenText(HANDLE screen) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(screen, &info)) return L"<no screen>";
  std::wstring text;
  std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
  for (SHORT y = 0; y < info.dwSize.Y; ++y) {
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, row.data(), static_cast<DWORD>(row.size()), COORD{0, y},
                                &read);
    const std::wstring line = row.substr(0, read);
    text += line.substr(0, line.find_last_not_of(L' ') + 1);
    text += L'\n';
  }
  return text.substr(0, text.find_last_not_of(L'\n') + 1) + L'\n';
}

// Presses and releases Enter in the console's input.
bool PressEnter(HANDLE input) {
  INPUT_RECORD keys[2]{};
  for (int n = 0; n < 2; ++n) {
    keys[n].EventType = KEY_EVENT;
    keys[n].Event.KeyEvent.bKeyDown = n == 0 ? TRUE : FALSE;
    keys[n].Event.KeyEvent.wRepeatCount = 1;
    keys[n].Event.KeyEvent.wVirtualKeyCode = VK_RETURN;
    keys[n].Event.KeyEvent.uChar.UnicodeChar = L'\r';
  }
  DWORD written = 0;
  return WriteConsoleInputW(input, keys, 2, &written) != FALSE && written == 2;
}

class FileAloneExeTest : public ::testing::Test {
 protected:
  FileAloneExeTest() {
    temp.Write(testing_support::Utf8Path("W\xC3\xB6rter \xCA\x83/lexicon.tsv"), kLexicon);
    folder = temp.path() / testing_support::Utf8Path("W\xC3\xB6rter \xCA\x83");
  }
  ~FileAloneExeTest() override {
    if (process.hProcess != nullptr) {
      TerminateProcess(process.hProcess, 99);  // a test that failed while it waited
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    FreeConsole();
  }

  // Starts the program on the lexicon, in the temporary folder.
  bool Start(DWORD creation_flags) {
    const std::filesystem::path program =
        testing_support::ProgramBesideThisOne(L"minpairs_fake_browser.exe");
    std::wstring command_line =
        L"\"" + program.wstring() + L"\" \"" + (folder / "lexicon.tsv").wstring() + L"\"";
    STARTUPINFOW startup{};  // no handles given: it uses the console it has
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USECOUNTCHARS;  // a console of its own, wide enough for a path
    startup.dwXCountChars = 400;
    startup.dwYCountChars = 50;
    return CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                          creation_flags, nullptr, temp.path().c_str(), &startup,
                          &process) != FALSE;
  }

  // Waits up to `limit` for the program to end; its exit status, or STILL_ACTIVE.
  DWORD Ended(std::chrono::milliseconds limit) const {
    WaitForSingleObject(process.hProcess, static_cast<DWORD>(limit.count()));
    DWORD status = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &status);
    return status;
  }

  [[nodiscard]] std::string Utf8Folder() const {
    return search::os::Utf8FromWide(folder.wstring());
  }
  // What the console shows after the run, before any "Press Enter to close".
  [[nodiscard]] std::wstring ExpectedScreen() const {
    return L"Reading input file ...\n"
           L"Counting the minimal pairs of every pair of symbols ...\n"
           L"Writing the survey ...\n"
           L"4 symbols, 2 ordered pairs of symbols with minimal pairs, 2 minimal pairs in all.\n"
           L"The files are in '" +
           folder.wstring() + L"/output'.\n";
  }
  void ExpectTheSurveyBesideTheLexiconAndItsPageOpened() const {
    for (const char* name : {"SurveyOfMinimalPairs.tsv", "SurveyOfSymbols.tsv",
                             "SurveyOfContrasts.tsv", "SurveyOfMinimalPairs.html"}) {
      EXPECT_TRUE(std::filesystem::is_regular_file(folder / "output" / name)) << name;
    }
    EXPECT_EQ(temp.Read("opened.txt"), Utf8Folder() + "/output/SurveyOfMinimalPairs.html\n");
  }

  TempFolder temp;
  std::filesystem::path folder;  // the lexicon's, without an output folder
  PROCESS_INFORMATION process{};
};

TEST_F(FileAloneExeTest, AloneOnANewConsoleItWaitsForEnter) {
  FreeConsole();
  ASSERT_TRUE(Start(CREATE_NEW_CONSOLE));
  // The page opens just before the program counts the processes on its
  // console; this test joins the console only after that, as it counts too.
  for (int tries = 0; tries < 600 && !std::filesystem::exists(temp.path() / "opened.txt");
       ++tries) {
    if (Ended(100ms) != STILL_ACTIVE) break;
  }
  ExpectTheSurveyBesideTheLexiconAndItsPageOpened();
  ASSERT_EQ(Ended(2s), STILL_ACTIVE) << "it did not wait";

  ASSERT_TRUE(AttachConsole(process.dwProcessId)) << "no console to join";
  const HANDLE screen =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  const HANDLE input =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(screen, INVALID_HANDLE_VALUE);
  ASSERT_NE(input, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ScreenText(screen), ExpectedScreen() + L"Press Enter to close\n");
  ASSERT_TRUE(PressEnter(input));
  EXPECT_EQ(Ended(10s), 0U);
  CloseHandle(input);
  CloseHandle(screen);
}

TEST_F(FileAloneExeTest, OnAConsoleItSharesItEndsByItself) {
  FreeConsole();
  ASSERT_TRUE(AllocConsole()) << "no console";  // now and then under wine; check-windows retries
  const HANDLE screen =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(screen, INVALID_HANDLE_VALUE);
  SetConsoleScreenBufferSize(screen, COORD{400, 100});  // wide enough for a path
  // What a program started from here inherits, as from a command prompt.
  SetStdHandle(STD_OUTPUT_HANDLE, screen);
  SetStdHandle(STD_ERROR_HANDLE, screen);
  ASSERT_TRUE(Start(0));
  EXPECT_EQ(Ended(60s), 0U) << "still running: it waits";
  EXPECT_EQ(ScreenText(screen), ExpectedScreen());
  ExpectTheSurveyBesideTheLexiconAndItsPageOpened();
  CloseHandle(screen);
}

// The system's opener, through the shell, on a page that is not there.
TEST(SystemDesktop, AMissingPageIsNotOpened) {
  const TempFolder temp;
  std::string reason;
  EXPECT_FALSE(cli::SystemDesktop().Open(temp.utf8() + "/output/missing.html", reason));
  EXPECT_EQ(reason, "No such file or directory");
}

TEST(MinpairsExe, OneArgumentThatIsNoFileIsAUsageError) {
  const TempFolder temp;
  const testing_support::ProcessOutcome outcome = testing_support::RunProcess(
      testing_support::ProgramBesideThisOne(L"minpairs.exe"), {L"K"}, temp.path(), temp.path());
  EXPECT_EQ(outcome.status, 2U);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')),
            "minpairs: expected two symbols, got 1\r");
}

}  // namespace
