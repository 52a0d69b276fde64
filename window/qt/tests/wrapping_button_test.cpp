#include "window/qt/wrapping_button.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "expected_texts.h"

namespace window {
namespace {

struct WrapCase {
  const char* text;
  const char* width_of;  // the line width is the width of this text
  QStringList lines;
};

void PrintTo(const WrapCase& row, std::ostream* out) {
  *out << '"' << row.text << "\" in the width of \"" << row.width_of << '"';
}

class WrapAtSpacesTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapAtSpacesTest, BreaksOnlyAtSpacesFillingEachLine) {
  const QFontMetrics metrics{QFont()};
  const WrapCase& row = GetParam();
  const int width = metrics.horizontalAdvance(QString::fromLatin1(row.width_of));
  EXPECT_EQ(WrapAtSpaces(QString::fromLatin1(row.text), metrics, width), row.lines);
}

INSTANTIATE_TEST_SUITE_P(Rows, WrapAtSpacesTest,
                         ::testing::Values(WrapCase{"aa aa aa", "aa aa aa", {"aa aa aa"}},
                                           WrapCase{"aa aa aa aa", "aa aa", {"aa aa", "aa aa"}},
                                           WrapCase{"aa aa aa", "aa aa a", {"aa aa", "aa"}},
                                           WrapCase{"aa  aa", "aa", {"aa", "aa"}},
                                           WrapCase{"aa  aa aa", "aa  aa", {"aa  aa", "aa"}},
                                           WrapCase{"aaaaaa aa", "aa", {"aaaaaa", "aa"}},
                                           WrapCase{"aa aa   ", "aa aa", {"aa aa"}},
                                           WrapCase{"", "aa", {""}}));

// Where a caption's ink lies: the pixels that differ from the same button
// painted without a caption.
struct Ink {
  int left = 0, top = 0, right = 0, bottom = 0;  // margins to the button's edges
  int height = 0;
};

Ink CaptionInk(WrappingButton& button, const QString& caption) {
  button.setText(QString());
  const QImage blank = button.grab().toImage();
  button.setText(caption);
  const QImage painted = button.grab().toImage();
  int min_x = painted.width(), min_y = painted.height(), max_x = -1, max_y = -1;
  for (int y = 0; y < painted.height(); ++y) {
    for (int x = 0; x < painted.width(); ++x) {
      if (painted.pixel(x, y) == blank.pixel(x, y)) continue;
      min_x = std::min(min_x, x);
      max_x = std::max(max_x, x);
      min_y = std::min(min_y, y);
      max_y = std::max(max_y, y);
    }
  }
  EXPECT_GE(max_x, 0) << "no caption painted";
  return Ink{min_x, min_y, painted.width() - 1 - max_x, painted.height() - 1 - max_y,
             max_y - min_y + 1};
}

TEST(WrappingButtonTest, LongCaptionWrapsOntoCentredLinesInsideTheButton) {
  WrappingButton button(QStringLiteral("Go"));
  button.resize(193, 113);
  const int line = button.fontMetrics().height();

  const Ink go = CaptionInk(button, QStringLiteral("Go"));
  EXPECT_LT(go.height, line * 3 / 2);
  EXPECT_NEAR(go.left, go.right, 2);
  EXPECT_NEAR(go.top, go.bottom, 3);

  const QString making_lists = QString::fromUtf8(testing_support::kExpectedMakingLists.data(),
                                                 testing_support::kExpectedMakingLists.size());
  const Ink lists = CaptionInk(button, making_lists);
  EXPECT_GT(lists.height, line * 2);
  EXPECT_GT(lists.left, 2);
  EXPECT_GT(lists.right, 2);
  EXPECT_NEAR(lists.left, lists.right, 8);  // each line is centred, so the block is too
  EXPECT_NEAR(lists.top, lists.bottom, 3);
  EXPECT_EQ(button.text(), making_lists);
}

}  // namespace
}  // namespace window
