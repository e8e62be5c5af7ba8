// Build-time tool, run on the build machine: writes the program's icon, kept
// in the source as a picture, as the .ico file that the resource script
// makes the .exe's icon. One 32 x 32 image in 32-bit colour with its mask.

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/win32/xpm_scratch.h"

namespace {

void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::string IcoFile(const ombrelk::DecodedPicture& p) {
  const auto w = static_cast<std::uint32_t>(p.width);
  const auto h = static_cast<std::uint32_t>(p.height);
  const std::uint32_t mask_stride = ((w + 31) / 32) * 4;
  const std::uint32_t image_size = 40 + w * h * 4 + mask_stride * h;
  std::string out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon
  Put16(out, 1);  // one image
  out += static_cast<char>(w);
  out += static_cast<char>(h);
  out += '\0';  // no palette
  out += '\0';
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, image_size);
  Put32(out, 6 + 16);  // the image follows the directory
  // The image: a bitmap header with twice the height (colour, then mask),
  // rows from the bottom.
  Put32(out, 40);
  Put32(out, w);
  Put32(out, h * 2);
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (std::uint32_t y = h; y-- > 0;) {
    for (std::uint32_t x = 0; x < w; ++x) Put32(out, p.argb[y * w + x]);
  }
  for (std::uint32_t y = h; y-- > 0;) {
    std::string row(mask_stride, '\0');
    for (std::uint32_t x = 0; x < w; ++x) {
      if ((p.argb[y * w + x] >> 24) == 0)
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out += row;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ombrelk_make_ico OUTPUT.ico\n");
    return 2;
  }
  const std::string ico = IcoFile(ombrelk::DecodeScratch(ombrelk::PictureId::AppIcon));
  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr || std::fwrite(ico.data(), 1, ico.size(), file) != ico.size() ||
      std::fclose(file) != 0) {
    std::fprintf(stderr, "ombrelk_make_ico: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
