#include "platform/runtime_values/tray_notification.h"

#include <cmath>
#include <limits>

#include "platform/runtime_values/twips.h"

namespace ombrelk {

float TrayNotificationX(std::int32_t message, float twips_per_pixel) {
  return PixelsToTwips(message, twips_per_pixel);
}

// x and the twips per pixel rounded to whole numbers, then divided.
std::optional<std::int32_t> NotificationCode(float x_twips, float twips_per_pixel) {
  constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
  const double x = std::nearbyint(x_twips);
  const double per_pixel = std::nearbyint(twips_per_pixel);
  if (!(std::fabs(x) <= kLimit) || !(per_pixel >= 1 && per_pixel <= kLimit)) return std::nullopt;
  return static_cast<std::int32_t>(x) / static_cast<std::int32_t>(per_pixel);
}

}  // namespace ombrelk
