#pragma once

namespace window {

// A rectangle in twips (1/1440 inch) or in pixels, from the top-left corner of
// the window's client area.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const Box&, const Box&) = default;
};

// The window's layout in twips, 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr Box kClientAreaTwips{0, 0, 6285, 5025};
inline constexpr Box kGoButtonTwips{1680, 1200, 2895, 1695};
inline constexpr Box kFirstSymbolBoxTwips{1680, 3240, 1215, 495};
inline constexpr Box kSecondSymbolBoxTwips{3360, 3240, 1215, 495};

// `twips` in pixels at `dots_per_inch`. Each edge is rounded, not the width, so
// that boxes whose edges meet in twips still meet in pixels (the second symbol
// box ends exactly at the button's right edge at every DPI).
Box ToPixels(const Box& twips, int dots_per_inch);

}  // namespace window
