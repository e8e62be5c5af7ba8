#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/runtime_values/twips.h"

namespace ombrelk {
namespace {

TEST(TwipsToPixels, RoundsHalvesToEvenAndStaysInRange) {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  const struct {
    float twips;
    std::int32_t pixels;
  } rows[] = {
      {2775, 185},    {22.5F, 2},
      {37.5F, 2},     {52.5F, 4},
      {-37.5F, -2},   {7.4F, 0},
      {7.6F, 1},      {3e38F, kMax},
      {-3e38F, kMin}, {std::numeric_limits<float>::infinity(), kMax},
  };
  for (const auto& r : rows)
    EXPECT_EQ(TwipsToPixels(r.twips, kUsualTwipsPerPixel), r.pixels) << r.twips;
}

}  // namespace
}  // namespace ombrelk
