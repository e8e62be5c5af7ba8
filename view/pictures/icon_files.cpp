#include "view/pictures/icon_files.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ombrelk {

namespace {

void PutBigEndian32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void PutLittleEndian(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

std::uint32_t Adler32(std::string_view bytes) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char c : bytes) {
    a = (a + static_cast<std::uint8_t>(c)) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

void PutChunk(std::string& png, std::string_view type, std::string_view data) {
  PutBigEndian32(png, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed.append(data);
  png.append(typed);
  PutBigEndian32(png, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks: an icon is a few
// kilobytes, and this needs no compression library on any system.
std::string StoredZlib(std::string_view data) {
  constexpr std::size_t kMaxBlock = 65535;
  std::string out{"\x78\x01"};  // deflate, 32 KiB window, no dictionary; a multiple of 31
  do {
    const std::size_t n = std::min(data.size(), kMaxBlock);
    const bool last = n == data.size();
    out.push_back(last ? '\x01' : '\x00');
    PutLittleEndian(out, static_cast<std::uint32_t>(n), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(~n & 0xFFFF), 2);
    out.append(data.substr(0, n));
    data.remove_prefix(n);
  } while (!data.empty());
  return out;
}

}  // namespace

std::string PngFile(const ArgbImage& image) {
  std::string ihdr;
  PutBigEndian32(ihdr, static_cast<std::uint32_t>(image.width));
  PutBigEndian32(ihdr, static_cast<std::uint32_t>(image.height));
  ihdr.append({'\x08', '\x06', '\x00', '\x00', '\x00'});  // 8-bit RGBA, no interlacing

  std::string raw;  // each row: filter type 0, then R, G, B, A per pixel
  for (int y = 0; y < image.height; ++y) {
    raw.push_back('\0');
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t argb = image.At(x, y);
      for (const int shift : {16, 8, 0, 24})
        raw.push_back(static_cast<char>((argb >> shift) & 0xFF));
    }
  }
  std::string idat = StoredZlib(raw);
  PutBigEndian32(idat, Adler32(raw));

  std::string png{"\x89PNG\r\n\x1A\n"};
  PutChunk(png, "IHDR", ihdr);
  PutChunk(png, "IDAT", idat);
  PutChunk(png, "IEND", {});
  return png;
}

std::string IcoFile(const ArgbImage& image) {
  constexpr int kMaxSide = 256;
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxSide || image.height > kMaxSide) {
    return {};
  }
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t mask_row_bytes = (width + 31) / 32 * 4;  // rows padded to 32 bits
  const std::uint32_t image_bytes = 40 + width * height * 4 + mask_row_bytes * height;
  constexpr std::uint32_t kHeaderBytes = 6 + 16;

  std::string ico;
  PutLittleEndian(ico, 0, 2);                 // reserved
  PutLittleEndian(ico, 1, 2);                 // an icon, not a cursor
  PutLittleEndian(ico, 1, 2);                 // one image
  PutLittleEndian(ico, width % kMaxSide, 1);  // 0 stands for 256
  PutLittleEndian(ico, height % kMaxSide, 1);
  PutLittleEndian(ico, 0, 2);   // no palette, reserved
  PutLittleEndian(ico, 1, 2);   // planes
  PutLittleEndian(ico, 32, 2);  // bits per pixel
  PutLittleEndian(ico, image_bytes, 4);
  PutLittleEndian(ico, kHeaderBytes, 4);

  // The image as a bitmap info header, the colour rows and the mask rows,
  // each from the bottom up; the header's height counts both.
  for (const std::uint32_t v : {40U, width, 2 * height}) PutLittleEndian(ico, v, 4);
  PutLittleEndian(ico, 1, 2);
  PutLittleEndian(ico, 32, 2);
  for (int i = 0; i < 6; ++i) PutLittleEndian(ico, 0, 4);  // uncompressed, no size or palette
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) PutLittleEndian(ico, image.At(x, y), 4);  // B G R A
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(mask_row_bytes, 0);
    for (int x = 0; x < image.width; ++x) {
      if ((image.At(x, y) >> 24) == 0) row[static_cast<std::size_t>(x / 8)] |= 0x80U >> (x % 8);
    }
    ico.append(row.begin(), row.end());
  }
  return ico;
}

}  // namespace ombrelk
