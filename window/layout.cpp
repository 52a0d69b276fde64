#include "window/layout.h"

namespace window {
namespace {

// A coordinate in twips as pixels, rounded to the nearest (halves up).
int Pixels(int twips, int dots_per_inch) {
  return (twips * dots_per_inch + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace

Box ToPixels(const Box& twips, int dots_per_inch) {
  const int left = Pixels(twips.left, dots_per_inch);
  const int top = Pixels(twips.top, dots_per_inch);
  return {left, top, Pixels(twips.left + twips.width, dots_per_inch) - left,
          Pixels(twips.top + twips.height, dots_per_inch) - top};
}

}  // namespace window
