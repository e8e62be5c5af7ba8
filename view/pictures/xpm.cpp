#include "view/pictures/xpm.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string_view>

namespace ombrelk {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t kTransparent = 0;
// More characters per pixel than any picture needs: a header asking for
// more is taken for a damaged one.
constexpr int kMaxCharsPerPixel = 4;

// Splits off the next word of text, skipping spaces and tabs before it.
std::string_view NextWord(std::string_view& text) {
  const auto start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    text = {};
    return {};
  }
  text.remove_prefix(start);
  const auto end = std::min(text.find_first_of(" \t"), text.size());
  const std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

std::optional<int> ToInt(std::string_view word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> HexDigits(std::string_view digits) {
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// "#RRGGBB" or "#RRRRGGGGBBBB" (of which the high byte of each channel
// counts), or "None".
std::optional<std::uint32_t> ParseColour(std::string_view text) {
  if (text.size() == 4 && (text == "None" || text == "none")) return kTransparent;
  if (text.empty() || text.front() != '#') return std::nullopt;
  text.remove_prefix(1);
  if (text.size() != 6 && text.size() != 12) return std::nullopt;
  const std::size_t digits = text.size() / 3;
  std::uint32_t rgb = 0;
  for (std::size_t channel = 0; channel < 3; ++channel) {
    // The channel's two leading hex digits: its high byte.
    const auto value = HexDigits(text.substr(channel * digits, 2));
    if (!value || !HexDigits(text.substr(channel * digits, digits))) return std::nullopt;
    rgb = (rgb << 8) | *value;
  }
  return kOpaque | rgb;
}

struct Header {
  int width = 0;
  int height = 0;
  int colours = 0;
  int chars_per_pixel = 0;
  std::optional<ArgbImage::Point> hot_spot;
};

std::optional<Header> ParseHeader(std::string_view line) {
  std::vector<int> numbers;
  for (std::string_view word = NextWord(line); !word.empty(); word = NextWord(line)) {
    const auto n = ToInt(word);
    if (!n) return std::nullopt;
    numbers.push_back(*n);
  }
  if (numbers.size() != 4 && numbers.size() != 6) return std::nullopt;
  Header h{numbers[0], numbers[1], numbers[2], numbers[3], std::nullopt};
  if (h.width <= 0 || h.height <= 0 || h.colours <= 0 || h.chars_per_pixel <= 0 ||
      h.chars_per_pixel > kMaxCharsPerPixel) {
    return std::nullopt;
  }
  if (numbers.size() == 6) {
    h.hot_spot = ArgbImage::Point{numbers[4], numbers[5]};
    if (h.hot_spot->x < 0 || h.hot_spot->x >= h.width || h.hot_spot->y < 0 ||
        h.hot_spot->y >= h.height) {
      return std::nullopt;
    }
  }
  return h;
}

// A colour line: the symbol, then pairs of a key and a colour; the colour
// key "c" is the one a colour screen shows.
bool ParseColourLine(std::string_view line, std::size_t chars_per_pixel,
                     std::map<std::string_view, std::uint32_t>& palette) {
  if (line.size() < chars_per_pixel) return false;
  const std::string_view symbol = line.substr(0, chars_per_pixel);
  line.remove_prefix(chars_per_pixel);
  std::optional<std::uint32_t> colour;
  for (std::string_view key = NextWord(line); !key.empty(); key = NextWord(line)) {
    const std::string_view value = NextWord(line);
    if (value.empty()) return false;
    if (key == "c") colour = ParseColour(value);
  }
  return colour.has_value() && palette.emplace(symbol, *colour).second;
}

}  // namespace

std::optional<ArgbImage> DecodeXpm(std::span<const char* const> lines) {
  if (lines.empty() || lines[0] == nullptr) return std::nullopt;
  const auto header = ParseHeader(lines[0]);
  if (!header) return std::nullopt;
  const auto colours = static_cast<std::size_t>(header->colours);
  const auto width = static_cast<std::size_t>(header->width);
  const auto height = static_cast<std::size_t>(header->height);
  const auto cpp = static_cast<std::size_t>(header->chars_per_pixel);
  if (lines.size() != 1 + colours + height) return std::nullopt;

  std::map<std::string_view, std::uint32_t> palette;
  for (std::size_t i = 1; i <= colours; ++i) {
    if (lines[i] == nullptr || !ParseColourLine(lines[i], cpp, palette)) return std::nullopt;
  }

  ArgbImage image{header->width, header->height, header->hot_spot, {}};
  image.pixels.reserve(width * height);
  for (std::size_t row = 0; row < height; ++row) {
    const char* const line = lines[1 + colours + row];
    if (line == nullptr) return std::nullopt;
    const std::string_view pixels(line);
    if (pixels.size() != width * cpp) return std::nullopt;
    for (std::size_t x = 0; x < width; ++x) {
      const auto it = palette.find(pixels.substr(x * cpp, cpp));
      if (it == palette.end()) return std::nullopt;
      image.pixels.push_back(it->second);
    }
  }
  return image;
}

}  // namespace ombrelk
