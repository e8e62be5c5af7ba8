#pragma once

#include <QRect>
#include <algorithm>

#include "platform/controls/control.h"
#include "platform/runtime_values/twips.h"

namespace ombrelk {

// The model measures in twips; 15 make one logical pixel, and Qt scales
// logical pixels for high-density screens.
inline constexpr float kTwipsPerPixel = kUsualTwipsPerPixel;

// Twips to whole logical pixels, halves to even. Positions read from a settings
// file may lie far off any screen; they are held within what X11 can address.
inline int Pixels(float twips) {
  return std::clamp(TwipsToPixels(twips, kTwipsPerPixel), -32768, 32767);
}

inline float Twips(int pixels) {
  return PixelsToTwips(pixels, kTwipsPerPixel);
}

inline QRect PixelRect(const Rect& r) {
  return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)};
}

}  // namespace ombrelk
