#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "platform/runtime_values/tray_notification.h"

namespace ombrelk {
namespace {

// What a backend encodes the window decodes, at every screen density a
// platform reports (1440 / DPI), for every tray message and for real pointer
// positions across a window.
TEST(TrayNotification, RoundTripsAtWholeAndFractionalTwipsPerPixel) {
  const float densities[] = {15, 12, 10, 9.6F, 7.5F, 6, 4.8F, 3.75F};
  const std::int32_t xs[] = {512, 513, 514, 515, 516, 517, 0, 1, 7, 184, 1919, 3839};
  for (const float per_pixel : densities) {
    for (const std::int32_t x : xs) {
      EXPECT_EQ(NotificationCode(TrayNotificationX(x, per_pixel), per_pixel), x)
          << x << " at " << per_pixel;
    }
  }
}

TEST(TrayNotification, DecodesWholeTwipsPerPixelAsAlwaysAndFractionsExactly) {
  const struct {
    float x;
    float per_pixel;
    std::optional<std::int32_t> code;
  } rows[] = {
      {7732.4F, 15, 515},          {7724, 15, 514},        {7725, 15, 515},
      {515 * 15, 12, 643},         {-22.5F, 15, -1},       {3862.5F, 7.5F, 515},
      {3866, 7.5F, 515},           {3862, 7.5F, 514},      {3e38F, 15, std::nullopt},
      {3e38F, 7.5F, std::nullopt}, {515, 0, std::nullopt},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(NotificationCode(r.x, r.per_pixel), r.code) << r.x << " at " << r.per_pixel;
  }
}

}  // namespace
}  // namespace ombrelk
