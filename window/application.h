#pragma once

namespace window {

// The window's caption, which is also the title of its message boxes.
inline constexpr const char* kApplicationTitle = "Find minimal pairs";

}  // namespace window
