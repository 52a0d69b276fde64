// What a console shows of minpairs.exe's output: the characters written, not
// their UTF-8 bytes in the console's code page. Each test has a console of its
// own and reads its screen back.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "child_process.h"
#include "cli/console_stream_win32.h"
#include "temp_folder.h"

namespace {

class ConsoleOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeConsole();
    ASSERT_TRUE(AllocConsole()) << "no console";  // now and then under wine; check-windows retries
    screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(screen, INVALID_HANDLE_VALUE);
    // The standard handles that a program started from here inherits, as from
    // a command prompt. (This process's C runtime keeps writing to ctest.)
    SetStdHandle(STD_OUTPUT_HANDLE, screen);
    SetStdHandle(STD_ERROR_HANDLE, screen);
  }

  void TearDown() override {
    if (screen != INVALID_HANDLE_VALUE) CloseHandle(screen);
    FreeConsole();
  }

  // The rows up to the cursor's, without their trailing spaces, each ended by "\n".
  std::wstring Screen() const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(screen, &info)) return L"<no screen>";
    std::wstring text;
    std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
      DWORD read = 0;
      ReadConsoleOutputCharacterW(screen, row.data(), static_cast<DWORD>(row.size()), COORD{0, y},
                                  &read);
      const std::wstring line = row.substr(0, read);
      text += line.substr(0, line.find_last_not_of(L' ') + 1);
      if (y < info.dwCursorPosition.Y) text += L'\n';
    }
    return text;
  }

  HANDLE screen = INVALID_HANDLE_VALUE;
};

TEST_F(ConsoleOutputTest, MinpairsExeShowsIpaInTheSummary) {
  const testing_support::TempFolder temp;
  temp.Write("in.txt", "\xCA\x83 IY1\ns IY1\n\xCA\x83 UW1\n");
  std::filesystem::create_directories(temp.path() / "output");
  const std::filesystem::path program = testing_support::ProgramBesideThisOne(L"minpairs.exe");
  std::wstring command_line = L"\"" + program.wstring() + L"\" --quiet \u0283 s";
  STARTUPINFOW startup{};  // no handles given: it writes to the console it shares with this test
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, temp.path().c_str(), &startup, &process));
  WaitForSingleObject(process.hProcess, 60000);
  DWORD status = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  EXPECT_EQ(status, 0U);
  EXPECT_EQ(Screen(),
            L" 2 words have  \u0283 ,  1 words have  s .  Click OK to continue.\n"
            L"1 pairs in 'VendrelFor\u0283Ands.txt'\n");
}

TEST_F(ConsoleOutputTest, CharactersSplitBetweenWritesArriveWhole) {
  cli::ConsoleStreamBuffer buffer(screen);
  std::ostream stream(&buffer);
  stream << "a\xCA" << std::flush << "\x83"
         << "b\xE2\x80" << std::flush << "\x94\n"
         << std::flush;
  EXPECT_TRUE(stream.good());
  EXPECT_EQ(Screen(), L"a\u0283b\u2014\n");
}

}  // namespace
