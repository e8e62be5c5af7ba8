#pragma once

#include <string>

#include "view/pictures/xpm.h"

namespace ombrelk {

// A picture as the bytes of a PNG file (8-bit RGBA), as desktop icon themes
// take it.
std::string PngFile(const ArgbImage& image);

// A picture as the bytes of a Windows .ico file holding one 32-bit image with
// its transparency mask, as resource compilers and every Windows version take
// it. Pictures wider or higher than 256 pixels give nothing.
std::string IcoFile(const ArgbImage& image);

}  // namespace ombrelk
