#pragma once

#include <cstdint>

namespace ombrelk {

// Twips on the usual screen of 96 dots per inch; other screens give 1440 / DPI
// (12 at 120, 10 at 144, 9.6 at 150, 7.5 at 192).
inline constexpr float kUsualTwipsPerPixel = 15.0F;

// Twips to whole pixels at the screen's twips per pixel, halves to even. A
// position read from the settings may lie beyond any screen; it is held at
// the ends of the 32-bit range rather than overflowing, and NaN gives 0.
std::int32_t TwipsToPixels(float twips, float twips_per_pixel);

// Pixels to twips at the screen's twips per pixel.
float PixelsToTwips(std::int32_t pixels, float twips_per_pixel);

}  // namespace ombrelk
