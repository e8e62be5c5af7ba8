#pragma once

#include <QRect>
#include <algorithm>
#include <cmath>

#include "platform/control.h"

namespace ombrelk {

// The model measures in twips; 15 make one logical pixel, and Qt scales
// logical pixels for high-density screens.
inline constexpr float kTwipsPerPixel = 15.0F;

// Twips to whole logical pixels, halves to even. Positions read from a settings
// file may lie far off any screen; they are held within what X11 can address.
inline int Pixels(float twips) {
  const double px = std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel);
  if (std::isnan(px)) return 0;
  return static_cast<int>(std::clamp(px, -32768.0, 32767.0));
}

inline float Twips(int pixels) {
  return static_cast<float>(pixels) * kTwipsPerPixel;
}

inline QRect PixelRect(const Rect& r) {
  return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)};
}

}  // namespace ombrelk
