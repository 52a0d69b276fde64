#include "window/window_host.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "window_test_support.h"

namespace window {
namespace {

using namespace std::chrono_literals;
using Clock = PaintThrottle::Clock;
using window_testing::FakeDesktop;
using window_testing::PaintRecorder;
using Journal = std::vector<std::string>;

TEST(PaintThrottleTest, ProgressTextWithinAFrameOfTheLastPaintMayWait) {
  const Clock::time_point start{};
  PaintThrottle throttle;
  EXPECT_TRUE(throttle.ShouldPaint(false, start));
  EXPECT_FALSE(throttle.ShouldPaint(true, start + 5ms));
  EXPECT_FALSE(throttle.ShouldPaint(true, start + 15ms));
  EXPECT_TRUE(throttle.ShouldPaint(true, start + 16ms));
  EXPECT_FALSE(throttle.ShouldPaint(true, start + 20ms));
  EXPECT_TRUE(throttle.ShouldPaint(false, start + 21ms));
  EXPECT_TRUE(throttle.ShouldPaint(false, start + 21ms));
  EXPECT_FALSE(throttle.ShouldPaint(true, start + 22ms));
}

TEST(PaintThrottleTest, FirstProgressTextIsPainted) {
  PaintThrottle throttle;
  EXPECT_TRUE(throttle.ShouldPaint(true, Clock::time_point{}));
}

TEST(WindowHostTest, StatusIsPaintedBeforeShowStatusReturnsWithoutAnEventLoop) {
  QWidget form;
  auto* button = new QPushButton(QStringLiteral("Go"), &form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  Journal journal;
  FakeDesktop desktop("/programs/minimal pairs", journal);
  WindowHost host(*button, form, desktop);
  PaintRecorder recorder(*button, journal);

  host.ShowStatus("Reading input file ...");
  host.ShowStatus("Making lists of words that have the relevant phonemes ...");
  host.ShowMessage(" 0 words have  P ,  0 words have  T .  Click OK to continue.");
  host.ShowStatus("Completed  100 /  200 words containing  P .");
  host.ShowStatus("Done!  Click again to exit.");

  // The progress text may be left to the text after it (PaintThrottle).
  std::erase(journal, "paint: Completed  100 /  200 words containing  P .");
  EXPECT_EQ(journal, (Journal{
                         "paint: Reading input file ...",
                         "paint: Making lists of words that have the relevant phonemes ...",
                         "message:  0 words have  P ,  0 words have  T .  Click OK to continue.",
                         "paint: Done!  Click again to exit.",
                     }));
  EXPECT_EQ(button->text(), "Done!  Click again to exit.");
  EXPECT_EQ(host.ApplicationDirectory(), "/programs/minimal pairs");
}

}  // namespace
}  // namespace window
