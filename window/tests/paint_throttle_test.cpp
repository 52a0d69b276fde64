#include "window/paint_throttle.h"

#include <gtest/gtest.h>

namespace window {
namespace {

using namespace std::chrono_literals;
using Clock = PaintThrottle::Clock;

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

}  // namespace
}  // namespace window
