#pragma once

#include <cstdint>
#include <vector>

#include "view/pictures/pictures.h"

namespace ombrelk {

// A picture as 32-bit ARGB pixels, rows from the top, and its hot spot.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  int hot_x = 0;
  int hot_y = 0;
  std::vector<std::uint32_t> argb;
};

DecodedPicture DecodeScratch(PictureId id);

}  // namespace ombrelk
