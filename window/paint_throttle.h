#pragma once

#include <chrono>
#include <optional>

namespace window {

// Decides which status texts are painted at once. A screen shows at most one
// frame every ~16 ms, so a progress text that comes sooner than that after the
// last painted text may wait for the next text; any other text is painted at
// once. Painting every one of the thousands of progress texts of a large list
// would make the run several times slower.
class PaintThrottle final {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kFrame = std::chrono::milliseconds(16);

  // True when the text is to be painted now; it then counts as painted at `now`.
  bool ShouldPaint(bool is_progress, Clock::time_point now);

 private:
  std::optional<Clock::time_point> last_paint_;
};

}  // namespace window
