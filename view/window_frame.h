#pragma once

#include "platform/controls/control.h"

namespace ombrelk {

// The frame a fixed window adds to its client area, in twips at the usual
// density: both side borders, and the title bar with the borders.
inline constexpr float kFrameWidth = 90;
inline constexpr float kFrameHeight = 375;

// A window's outer bounds for a client area of the given size.
constexpr Rect FramedBounds(float left, float top, float client_width, float client_height) {
  return {left, top, client_width + kFrameWidth, client_height + kFrameHeight};
}

}  // namespace ombrelk
