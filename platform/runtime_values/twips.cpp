#include "platform/runtime_values/twips.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ombrelk {

std::int32_t TwipsToPixels(float twips, float twips_per_pixel) {
  constexpr double kLo = std::numeric_limits<std::int32_t>::min();
  constexpr double kHi = std::numeric_limits<std::int32_t>::max();
  const double pixels =
      std::nearbyint(static_cast<double>(twips) / static_cast<double>(twips_per_pixel));
  if (std::isnan(pixels)) return 0;
  return static_cast<std::int32_t>(std::clamp(pixels, kLo, kHi));
}

float PixelsToTwips(std::int32_t pixels, float twips_per_pixel) {
  return static_cast<float>(static_cast<double>(pixels) * static_cast<double>(twips_per_pixel));
}

}  // namespace ombrelk
