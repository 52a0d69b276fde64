#include "window/paint_throttle.h"

namespace window {

bool PaintThrottle::ShouldPaint(bool is_progress, Clock::time_point now) {
  if (is_progress && last_paint_ && now - *last_paint_ < kFrame) return false;
  last_paint_ = now;
  return true;
}

}  // namespace window
