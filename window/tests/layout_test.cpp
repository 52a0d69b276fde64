#include "window/layout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace window {
namespace {

struct ScaleCase {
  const char* what;
  Box twips;
  int dots_per_inch;
  Box pixels;
};

void PrintTo(const ScaleCase& row, std::ostream* out) {
  *out << row.what << " at " << row.dots_per_inch << " dpi";
}

class ToPixelsTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ToPixelsTest, RoundsEdgesSoThatTheBoxesEndAtTheButtonsRightEdge) {
  EXPECT_EQ(ToPixels(GetParam().twips, GetParam().dots_per_inch), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToPixelsTest,
    ::testing::Values(ScaleCase{"client area", kClientAreaTwips, 96, {0, 0, 419, 335}},
                      ScaleCase{"Command1", kGoButtonTwips, 96, {112, 80, 193, 113}},
                      ScaleCase{"Text1", kFirstSymbolBoxTwips, 96, {112, 216, 81, 33}},
                      ScaleCase{"Text2", kSecondSymbolBoxTwips, 96, {224, 216, 81, 33}},
                      ScaleCase{"client area", kClientAreaTwips, 144, {0, 0, 629, 503}},
                      ScaleCase{"Command1", kGoButtonTwips, 144, {168, 120, 290, 170}},
                      ScaleCase{"Text1", kFirstSymbolBoxTwips, 144, {168, 324, 122, 50}},
                      ScaleCase{"Text2", kSecondSymbolBoxTwips, 144, {336, 324, 122, 50}},
                      ScaleCase{"Command1", kGoButtonTwips, 120, {140, 100, 241, 141}},
                      ScaleCase{"Text1", kFirstSymbolBoxTwips, 120, {140, 270, 101, 41}},
                      ScaleCase{"Text2", kSecondSymbolBoxTwips, 120, {280, 270, 101, 41}},
                      // 110%: the left edges fall between pixels too, and the
                      // boxes of equal widths in twips differ in pixels.
                      ScaleCase{"Command1", kGoButtonTwips, 106, {124, 88, 213, 125}},
                      ScaleCase{"Text1", kFirstSymbolBoxTwips, 106, {124, 239, 89, 36}},
                      ScaleCase{"Text2", kSecondSymbolBoxTwips, 106, {247, 239, 90, 36}}));

}  // namespace
}  // namespace window
