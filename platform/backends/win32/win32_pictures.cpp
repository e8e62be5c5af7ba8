#include "platform/backends/win32/win32_pictures.h"

#include <cstring>
#include <vector>

namespace ombrelk {

HICON MakePictureIcon(PictureId id, bool is_icon) {
  return MakeIconFromImage(PictureImage(id), is_icon);
}

HICON MakeIconFromImage(const ArgbImage& picture, bool is_icon) {
  if (picture.width <= 0 || picture.height <= 0) return nullptr;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof(header);
  header.bV5Width = picture.width;
  header.bV5Height = -picture.height;  // rows from the top, as decoded
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) return nullptr;
  // ARGB in a 32-bit word is the DIB's own byte order (blue first) on Windows.
  std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
  // The mask marks the transparent pixels, for displays that ignore alpha.
  const int stride = ((picture.width + 15) / 16) * 2;
  std::vector<unsigned char> mask_bits(static_cast<std::size_t>(stride * picture.height), 0);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if ((picture.At(x, y) >> 24) == 0) {
        mask_bits[static_cast<std::size_t>(y * stride + x / 8)] |=
            static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
  }
  HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, mask_bits.data());
  ICONINFO info{};
  info.fIcon = is_icon ? TRUE : FALSE;
  if (picture.hot_spot) {
    info.xHotspot = static_cast<DWORD>(picture.hot_spot->x);
    info.yHotspot = static_cast<DWORD>(picture.hot_spot->y);
  }
  info.hbmMask = mask;
  info.hbmColor = colour;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

}  // namespace ombrelk
