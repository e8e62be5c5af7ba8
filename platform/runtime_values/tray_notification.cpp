#include "platform/runtime_values/tray_notification.h"

#include <cmath>
#include <limits>

#include "platform/runtime_values/twips.h"

namespace ombrelk {

float TrayNotificationX(std::int32_t message, float twips_per_pixel) {
  return PixelsToTwips(message, twips_per_pixel);
}

// At a whole number of twips per pixel, x is rounded to whole twips and
// integer-divided, as the forms runtime has always done. At a fraction (7.5 at
// 192 DPI) that rounding loses the message: 515 pixels are 3862.5 twips, which
// round to 3862 and divide by 8 to 482. There x is divided back exactly; a
// quotient within a float's error of a whole pixel is that pixel, any other
// goes toward zero like the integer division.
std::optional<std::int32_t> NotificationCode(float x_twips, float twips_per_pixel) {
  constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
  const double per_pixel = twips_per_pixel;
  if (!(per_pixel > 0 && per_pixel <= kLimit)) return std::nullopt;
  if (std::nearbyint(per_pixel) == per_pixel) {
    const double x = std::nearbyint(x_twips);
    if (!(std::fabs(x) <= kLimit)) return std::nullopt;
    return static_cast<std::int32_t>(x) / static_cast<std::int32_t>(per_pixel);
  }
  const double pixels = static_cast<double>(x_twips) / per_pixel;
  if (!(std::fabs(pixels) <= kLimit)) return std::nullopt;
  constexpr double kFloatError = 1e-6;
  const double nearest = std::nearbyint(pixels);
  const double code = std::fabs(pixels - nearest) <= std::fabs(nearest) * kFloatError
                          ? nearest
                          : std::trunc(pixels);
  return static_cast<std::int32_t>(code);
}

}  // namespace ombrelk
