// Starts the real FindMinimalPairs.exe beside an in.txt and an output folder,
// and drives its window from outside, as a user and a screen reader do.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "child_process.h"
#include "expected_texts.h"
#include "search/os/platform_win32.h"
#include "temp_folder.h"
#include "window/help_text.h"
#include "window/win32/resource_ids.h"
#include "window_driver.h"
#include "worked_example.h"

namespace {

using search::os::Utf8FromWide;
using search::os::WideFromUtf8;
using testing_support::OutputFileCount;
using testing_support::RunningProgram;
using testing_support::TextOf;
namespace fs = std::filesystem;

constexpr const wchar_t* kTitle = L"Find minimal pairs";

// The worked example with the symbols ʃ for K and ʒ for G, so that the typed
// symbols and the file names go through UTF-16 and UTF-8.
std::string WithUnicodeSymbols(std::string text) {
  for (auto [from, to] : {std::pair{'K', "\xCA\x83"}, std::pair{'G', "\xCA\x92"}}) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
      text.replace(at, 1, to);
    }
  }
  return text;
}

std::wstring Wide(std::string_view utf8) { return WideFromUtf8(utf8); }

// A program folder with a non-ASCII name holding FindMinimalPairs.exe and an
// output folder, and the program running there.
class WindowExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = temp.path() / testing_support::Utf8Path("W\xC3\xB6rter \xCA\x83");
    fs::create_directories(folder / "output");
    fs::copy_file(testing_support::ProgramBesideThisOne(L"FindMinimalPairs.exe"),
                  folder / "FindMinimalPairs.exe");
  }

  void WriteUnicodeWorkedExample() const {
    temp.Write(folder / "in.txt", WithUnicodeSymbols(testing_support::WorkedExampleInput()));
  }

  // Starts the program and finds its window and controls.
  void Start() {
    program.emplace(folder / "FindMinimalPairs.exe");
    form1 = program->WaitForWindow(L"Form1");
    ASSERT_NE(form1, nullptr);
    text1 = GetDlgItem(form1, IDC_TEXT1);
    text2 = GetDlgItem(form1, IDC_TEXT2);
    command1 = GetDlgItem(form1, IDC_COMMAND1);
  }

  bool FocusComesTo(HWND control) const {
    return testing_support::WaitUntil(
        [&] { return testing_support::FocusedControl(form1) == control; });
  }

  bool ButtonReads(std::string_view expected) const {
    return testing_support::WaitUntil([&] { return TextOf(command1) == Wide(expected); });
  }

  // The message box that the program shows next, confirmed after looking at it.
  testing_support::MessageBoxView ConfirmBox() const {
    const HWND box = program->WaitForWindow(L"#32770");
    if (box == nullptr) return {L"<no box>", {}, {}, false};
    auto view = testing_support::ViewOfMessageBox(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return view;
  }

  testing_support::TempFolder temp;
  fs::path folder;
  std::optional<RunningProgram> program;
  HWND form1 = nullptr;
  HWND text1 = nullptr;
  HWND text2 = nullptr;
  HWND command1 = nullptr;
};

struct ControlRow {
  int id;
  const wchar_t* window_class;
  const wchar_t* text;
  RECT rect;  // in the client area, at 96 dpi
  const wchar_t* accessible_name;
};

TEST_F(WindowExeTest, StartsWithTheLayoutTextsFocusAndNamesOfTheDesign) {
  Start();
  EXPECT_EQ(TextOf(form1), kTitle);
  RECT client{};
  GetClientRect(form1, &client);
  EXPECT_EQ(client.right, 419);
  EXPECT_EQ(client.bottom, 335);

  const ControlRow rows[] = {
      {IDC_COMMAND1, L"Button", L"Go", {112, 80, 305, 193}, nullptr},
      {IDC_TEXT1, L"Edit", L"P", {112, 216, 193, 249}, L"First symbol"},
      {IDC_TEXT2, L"Edit", L"T", {224, 216, 305, 249}, L"Second symbol"},
  };
  for (const ControlRow& row : rows) {
    SCOPED_TRACE(row.id);
    const HWND control = GetDlgItem(form1, row.id);
    EXPECT_EQ(testing_support::ClassOf(control), row.window_class);
    const bool is_edit = row.id != IDC_COMMAND1;
    EXPECT_EQ(is_edit ? testing_support::EditText(control) : TextOf(control), row.text);
    const RECT rect = testing_support::RectIn(control, form1);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{row.rect.left, row.rect.top, row.rect.right, row.rect.bottom}));
    if (row.accessible_name) {
      EXPECT_EQ(testing_support::AccessibleName(control), row.accessible_name);
    }
  }
  EXPECT_TRUE(GetWindowLongW(command1, GWL_STYLE) & BS_MULTILINE);

  EXPECT_TRUE(FocusComesTo(text1));  // at start
  for (const HWND next : {text2, command1, text1}) {
    testing_support::PressKey(form1, VK_TAB);
    EXPECT_TRUE(FocusComesTo(next));
  }
}

TEST_F(WindowExeTest, MenuBarHoldsOnlyTheHelpCommand) {
  const fs::path exe = testing_support::ProgramBesideThisOne(L"FindMinimalPairs.exe");
  const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  const HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_FORM1_MENU));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 1);
  wchar_t caption[64] = {};
  GetMenuStringW(menu, 0, caption, 64, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"Help");
  EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
  EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(IDM_MNUHELP));
  DestroyMenu(menu);
  FreeLibrary(module);
}

TEST_F(WindowExeTest, RunsTheSearchOnTheTypedSymbolsAndEndsOnTheSecondClick) {
  WriteUnicodeWorkedExample();
  Start();
  testing_support::TypeInto(text1, L"\u0283");
  testing_support::TypeInto(text2, L"\u0292");
  ASSERT_TRUE(
      testing_support::WaitUntil([&] { return testing_support::EditText(text2) == L"\u0292"; }));
  PostMessageW(command1, BM_CLICK, 0, 0);

  const HWND box = program->WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(command1), Wide(testing_support::kExpectedMakingLists));
  const auto summary = testing_support::ViewOfMessageBox(box);
  EXPECT_EQ(summary.title, kTitle);
  EXPECT_EQ(summary.text,
            L" 6 words have  \u0283 ,  6 words have  \u0292 .  Click OK to continue.");
  EXPECT_EQ(summary.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(summary.has_icon);
  PostMessageW(box, WM_COMMAND, IDOK, 0);

  ASSERT_TRUE(ButtonReads(testing_support::kExpectedDone));
  EXPECT_EQ(OutputFileCount(folder), 3U);
  for (const char* name :
       {"ListOfWordsWith K.txt", "ListOfWordsWith G.txt", "VendrelForKAndG.txt"}) {
    EXPECT_EQ(testing_support::ReadFile(folder / "output" /
                                        testing_support::Utf8Path(WithUnicodeSymbols(name))),
              WithUnicodeSymbols(testing_support::WorkedExampleExpected(name)))
        << name;
  }
  // The focus is back on the button after the box, so Space clicks it again.
  ASSERT_TRUE(FocusComesTo(command1));
  testing_support::PressKey(form1, VK_SPACE);
  EXPECT_EQ(program->WaitForExit(), 0U);
}

TEST_F(WindowExeTest, HelpShowsTheInstructionsAndClosingWritesNothing) {
  WriteUnicodeWorkedExample();
  Start();
  PostMessageW(form1, WM_COMMAND, IDM_MNUHELP, 0);
  const auto help = ConfirmBox();
  EXPECT_EQ(help.title, kTitle);
  EXPECT_EQ(Utf8FromWide(help.text), window::HelpText());
  EXPECT_EQ(help.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(help.has_icon);

  PostMessageW(form1, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(), 0U);
  EXPECT_EQ(OutputFileCount(folder), 0U);
}

TEST_F(WindowExeTest, MissingWordListGivesTheErrorBoxAndStatusOne) {
  Start();
  PostMessageW(command1, BM_CLICK, 0, 0);
  const auto error = ConfirmBox();
  EXPECT_EQ(error.title, kTitle);
  EXPECT_EQ(Utf8FromWide(error.text), "cannot read '" + Utf8FromWide(folder.wstring()) +
                                          "/in.txt': No such file or directory");
  EXPECT_TRUE(error.has_icon);
  EXPECT_EQ(program->WaitForExit(), 1U);
  EXPECT_EQ(OutputFileCount(folder), 0U);
}

}  // namespace
