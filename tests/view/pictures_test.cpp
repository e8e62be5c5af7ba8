// The program's pictures as a backend gets them: sizes, hot spot and pixels
// decoded from their XPM text, the XPM faults the decoder refuses, and the
// calendar page drawn for each icon size, with and without today's number.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "view/pictures/app_icon_drawing.h"
#include "view/pictures/pictures.h"

namespace ombrelk {
namespace {

constexpr std::uint32_t kClear = 0x00000000;
constexpr std::uint32_t kButtonFace = 0xFFC0C0C0;
constexpr std::uint32_t kSilhouette = 0xFFFFFF00;

TEST(Pictures, DecodeWithTheirSizeHotSpotAndColours) {
  struct Probe {
    int x, y;
    std::uint32_t argb;
  };
  const struct {
    PictureId id;
    int size;
    std::optional<ArgbImage::Point> hot_spot;
    std::vector<Probe> probes;
  } rows[] = {
      {PictureId::AppIcon,
       32,
       std::nullopt,
       {{0, 0, kClear},
        {2, 2, 0xFF000000},
        {3, 4, 0xFFFFFFFF},
        {11, 5, 0xFF0000FF},
        {3, 3, 0xFFFF0000},
        {14, 20, 0xFFFFFF00},
        {30, 4, 0xFF808080}}},
      {PictureId::PrevMonth, 20, std::nullopt, {{0, 0, kButtonFace}, {12, 3, 0xFF000080}}},
      {PictureId::PrevMonthDown, 20, std::nullopt, {{0, 0, kButtonFace}, {12, 3, kSilhouette}}},
      {PictureId::ThisMonth, 20, std::nullopt, {{7, 3, 0xFF000080}, {7, 6, 0xFF8CA8FF}}},
      {PictureId::ThisMonthDown, 20, std::nullopt, {{7, 3, kSilhouette}}},
      {PictureId::NextMonth, 20, std::nullopt, {{6, 3, 0xFF000080}, {19, 19, kButtonFace}}},
      {PictureId::NextMonthDown, 20, std::nullopt, {{6, 3, kSilhouette}}},
      {PictureId::Home, 20, std::nullopt, {{9, 1, 0xFF800000}, {4, 10, 0xFFFFFFFF}}},
      {PictureId::HomeDown, 20, std::nullopt, {{9, 1, kSilhouette}}},
      {PictureId::HandCursor,
       32,
       ArgbImage::Point{12, 1},
       {{0, 0, kClear}, {12, 1, 0xFF000000}, {12, 2, 0xFFFFFFFF}, {31, 31, kClear}}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.id));
    const ArgbImage image = PictureImage(r.id);
    EXPECT_EQ(image.width, r.size);
    EXPECT_EQ(image.height, r.size);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(r.size * r.size));
    EXPECT_EQ(image.hot_spot.has_value(), r.hot_spot.has_value());
    if (image.hot_spot && r.hot_spot) {
      EXPECT_EQ(image.hot_spot->x, r.hot_spot->x);
      EXPECT_EQ(image.hot_spot->y, r.hot_spot->y);
    }
    for (const Probe& p : r.probes) {
      EXPECT_EQ(image.At(p.x, p.y), p.argb) << "at (" << p.x << ", " << p.y << ")";
    }
  }
}

TEST(Pictures, TheDecoderReadsWhatXpmAllowsAndRefusesDamage) {
  using Lines = std::vector<const char*>;
  const struct {
    const char* name;
    Lines xpm;
    std::optional<std::vector<std::uint32_t>> pixels;
  } rows[] = {
      {"one char a pixel", {"2 1 2 1", "a c #102030", "b c None", "ab"}, {{0xFF102030, kClear}}},
      {"two chars a pixel, tabs, a mono key",
       {"2 1 2 2", "a.\tm white c #FFFFFF", "b. c #000000000000", "b.a."},
       {{0xFF000000, 0xFFFFFFFF}}},
      {"16-bit channels keep the high byte", {"1 1 1 1", "x c #12345678ABCD", "x"}, {{0xFF1256AB}}},
      {"a hot spot", {"1 1 1 1 0 0", "x c None", "x"}, {{kClear}}},
      {"no lines", {}, std::nullopt},
      {"a short header", {"1 1 1", "x c None", "x"}, std::nullopt},
      {"a word in the header", {"1 1 one 1", "x c None", "x"}, std::nullopt},
      {"no pixels", {"0 1 1 1", "x c None", ""}, std::nullopt},
      {"hot spot off the picture", {"1 1 1 1 1 0", "x c None", "x"}, std::nullopt},
      {"a row missing", {"1 2 1 1", "x c None", "x"}, std::nullopt},
      {"a row too long", {"1 1 1 1", "x c None", "xx"}, std::nullopt},
      {"an undefined symbol", {"1 1 1 1", "x c None", "y"}, std::nullopt},
      {"a symbol defined twice", {"1 1 2 1", "x c None", "x c #000000", "x"}, std::nullopt},
      {"a named colour", {"1 1 1 1", "x c white", "x"}, std::nullopt},
      {"five hex digits", {"1 1 1 1", "x c #12345", "x"}, std::nullopt},
      {"not hex", {"1 1 1 1", "x c #12345G", "x"}, std::nullopt},
      {"no colour key", {"1 1 1 1", "x m #000000", "x"}, std::nullopt},
      {"a key without a colour", {"1 1 1 1", "x c", "x"}, std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const auto image = DecodeXpm(r.xpm);
    ASSERT_EQ(image.has_value(), r.pixels.has_value());
    if (image) {
      EXPECT_EQ(image->pixels, *r.pixels);
    }
  }
}

TEST(Pictures, TheCalendarPageIsDrawnForEachSizeWithTodaysNumber) {
  EXPECT_TRUE(DrawAppIcon(15).pixels.empty());
  EXPECT_TRUE(DrawAppIcon(257, 1).pixels.empty());
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    for (const std::optional<int> day : {std::optional<int>{}, std::optional<int>{8}, {28}}) {
      SCOPED_TRACE(testing::Message() << size << " px, day " << day.value_or(0));
      const ArgbImage image = DrawAppIcon(size, day);
      ASSERT_EQ(image.width, size);
      ASSERT_EQ(image.height, size);
      ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size));
      // The page hangs below the picture's top corners, which stay clear.
      EXPECT_EQ(image.At(0, 0), kClear);
      EXPECT_EQ(image.At(size - 1, 0), kClear);
      if (size >= 32) {
        EXPECT_EQ(image.At(0, size - 1), kClear);
      }
      // The tray sizes are drawn on whole pixels: nothing half transparent
      // to blur the digits.
      if (size <= 32) {
        for (const std::uint32_t argb : image.pixels) {
          ASSERT_TRUE(argb >> 24 == 0 || argb >> 24 == 0xFF) << std::hex << argb;
        }
      }
      if (day != 28) continue;
      // Both digits of 28 stand in black on the page's middle, each half of
      // it holding one.
      int ink[2] = {0, 0};
      for (int y = size * 3 / 8; y < size * 6 / 8; ++y) {
        for (int x = size / 8; x < size * 7 / 8; ++x) {
          if (image.At(x, y) == 0xFF000000) ++ink[x < size / 2 ? 0 : 1];
        }
      }
      EXPECT_GT(ink[0], size * size / 64);
      EXPECT_GT(ink[1], size * size / 64);
      EXPECT_NE(image.pixels, DrawAppIcon(size, 27).pixels);
    }
  }
}

}  // namespace
}  // namespace ombrelk
