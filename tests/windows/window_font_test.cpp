// The symbol boxes show IPA as letters: the font that the window gives them,
// the system's message font, has glyphs for them. (Under wine that font is
// Tahoma, which scripts/wine-session maps to DejaVu Sans.)
#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>

#include "window/win32/main_window.h"
#include "window/win32/resource_ids.h"

namespace {

TEST(WindowFontTest, SymbolBoxesHaveGlyphsForIpaLetters) {
  window::win32::MainWindow main_window;
  const HWND form1 = main_window.Create(GetModuleHandleW(nullptr));
  ASSERT_NE(form1, nullptr);
  const HWND box = GetDlgItem(form1, IDC_TEXT1);
  auto* const font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(form1, IDC_TEXT2), WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(font));

  const HDC dc = GetDC(box);
  const HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  const wchar_t letters[] = L"\u0283\u0292\u014B\u0259\u03B8\u00F0\u00E6";  // ʃ ʒ ŋ ə θ ð æ
  WORD glyphs[std::size(letters) - 1] = {};
  EXPECT_EQ(GetGlyphIndicesW(dc, letters, std::size(glyphs), glyphs, GGI_MARK_NONEXISTING_GLYPHS),
            std::size(glyphs));
  for (std::size_t i = 0; i < std::size(glyphs); ++i) {
    EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for U+" << std::hex
                                 << static_cast<unsigned>(letters[i]) << " in the font of "
                                 << testing::PrintToString(std::wstring(face));
  }
  SelectObject(dc, previous);
  ReleaseDC(box, dc);
  DestroyWindow(form1);
}

}  // namespace
