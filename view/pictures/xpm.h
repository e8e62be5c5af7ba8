#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ombrelk {

// A picture as a backend takes it: rows from the top, each pixel 0xAARRGGBB,
// alpha 0 (and the colour black) where the picture is transparent, else 255;
// a drawn picture's smoothed edges lie between, the colour not multiplied by
// the alpha.
struct ArgbImage {
  struct Point {
    int x = 0;
    int y = 0;
  };
  int width = 0;
  int height = 0;
  // Where a pointer made of the picture points; only cursors have one.
  std::optional<Point> hot_spot;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x));
  }
};

// Decodes XPM lines (header, colour lines, pixel rows): the header's optional
// fifth and sixth numbers are the hot spot. Colours are "#RRGGBB",
// "#RRRRGGGGBBBB" or "None", taken from the colour ("c") key; a named colour,
// an undefined symbol, a row of the wrong length or a hot spot off the picture
// gives nothing, so a faulty picture never comes on screen half drawn.
std::optional<ArgbImage> DecodeXpm(std::span<const char* const> lines);

}  // namespace ombrelk
