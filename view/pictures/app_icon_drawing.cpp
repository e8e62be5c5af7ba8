#include "view/pictures/app_icon_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ombrelk {

namespace {

// The colours of the 32-pixel icon, from the 16-colour VGA palette.
constexpr std::uint32_t kOutline = 0xFF000000;
constexpr std::uint32_t kPaper = 0xFFFFFFFF;
constexpr std::uint32_t kBand = 0xFFFF0000;
constexpr std::uint32_t kShadow = 0xFF808080;
constexpr std::uint32_t kRingLight = 0xFFC0C0C0;
constexpr std::uint32_t kRingDark = 0xFF808080;
constexpr std::uint32_t kSunday = 0xFFFF0000;
constexpr std::uint32_t kSaturday = 0xFF0000FF;
constexpr std::uint32_t kWeekday = 0xFF000000;
constexpr std::uint32_t kToday = 0xFFFFFF00;
constexpr std::uint32_t kMonthNumber = 0xFF0000FF;
// Black on the page's white reads whatever the panel's colour behind it.
constexpr std::uint32_t kDayInk = 0xFF000000;

// The digits on a 5 x 7 grid with two-cell stems, so that each stays a solid
// shape at 16 pixels, where a cell is one pixel; larger sizes widen the cells.
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kGlyphGap = 1;
using Glyph = std::array<std::string_view, kGlyphHeight>;
constexpr std::array<Glyph, 10> kDigits{{
    {".###.", "##.##", "##.##", "##.##", "##.##", "##.##", ".###."},
    {"..##.", ".###.", "..##.", "..##.", "..##.", "..##.", ".####"},
    {".###.", "##.##", "...##", "..##.", ".##..", "##...", "#####"},
    {"####.", "...##", "...##", ".###.", "...##", "...##", "####."},
    {"...##", "..###", ".#.##", "#..##", "#####", "...##", "...##"},
    {"#####", "##...", "####.", "...##", "...##", "##.##", ".###."},
    {".###.", "##...", "##...", "####.", "##.##", "##.##", ".###."},
    {"#####", "...##", "..##.", "..##.", ".##..", ".##..", ".##.."},
    {".###.", "##.##", "##.##", ".###.", "##.##", "##.##", ".###."},
    {".###.", "##.##", "##.##", ".####", "...##", "...##", ".###."},
}};

// Pixel edges, the right and bottom ones outside the box.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

int Round(double v) {
  return static_cast<int>(std::lround(v));
}

// A box with rounded corners (radius 0: square ones).
struct Shape {
  Box box;
  double radius = 0;

  bool Contains(double x, double y) const {
    if (x < box.left || x >= box.right || y < box.top || y >= box.bottom) return false;
    if (radius <= 0) return true;
    const double cx = std::clamp(x, box.left + radius, box.right - radius);
    const double cy = std::clamp(y, box.top + radius, box.bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  }
};

class Canvas {
 public:
  explicit Canvas(int size) {
    image_.width = size;
    image_.height = size;
    image_.pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
  }

  // Paints the shape's part inside the clip. Each pixel takes the share of
  // it the shape covers, from 4 x 4 samples: square edges on whole pixels
  // stay sharp, rounded corners come out smooth.
  void Fill(const Shape& shape, std::uint32_t colour, const Box& clip) {
    constexpr int kSamples = 4;
    const int left = std::max({shape.box.left, clip.left, 0});
    const int top = std::max({shape.box.top, clip.top, 0});
    const int right = std::min({shape.box.right, clip.right, image_.width});
    const int bottom = std::min({shape.box.bottom, clip.bottom, image_.height});
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        int inside = 0;
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            inside += shape.Contains(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
          }
        }
        if (inside > 0) Blend(x, y, colour, inside / double{kSamples * kSamples});
      }
    }
  }
  void Fill(const Shape& shape, std::uint32_t colour) { Fill(shape, colour, Whole()); }
  void Fill(const Box& box, std::uint32_t colour) { Fill(Shape{box}, colour, Whole()); }

  Box Whole() const { return {0, 0, image_.width, image_.height}; }
  ArgbImage Take() { return std::move(image_); }

 private:
  // An opaque colour over what is there, at the given coverage; the pixels
  // keep straight (not premultiplied) alpha, as icon files take it.
  void Blend(int x, int y, std::uint32_t colour, double coverage) {
    std::uint32_t& dst = image_.pixels[static_cast<std::size_t>(y) * image_.width + x];
    const double dst_alpha = (dst >> 24) / 255.0;
    const double alpha = coverage + dst_alpha * (1 - coverage);
    std::uint32_t out = static_cast<std::uint32_t>(Round(alpha * 255)) << 24;
    for (const int shift : {16, 8, 0}) {
      const double src = (colour >> shift) & 0xFF;
      const double old = (dst >> shift) & 0xFF;
      const double mixed = (src * coverage + old * dst_alpha * (1 - coverage)) / alpha;
      out |= static_cast<std::uint32_t>(std::clamp(Round(mixed), 0, 255)) << shift;
    }
    dst = out;
  }

  ArgbImage image_;
};

// How large a glyph cell may be for `cells` cells across and seven down in
// the room given. Under three pixels a cell is a whole or half pixel, so that
// the stems keep one width throughout the number.
double CellSize(int room_width, int room_height, int cells) {
  const double fit = std::min(room_width / double(cells), room_height / double{kGlyphHeight});
  if (fit >= 3) return fit;
  return std::max(1.0, std::floor(fit * 2) / 2);
}

int NumberCells(int digits) {
  return digits * kGlyphWidth + (digits - 1) * kGlyphGap;
}

// Writes the number centred in the box, its cells' edges on whole pixels.
void DrawNumber(Canvas& canvas, int number, const Box& box, double cell, std::uint32_t colour) {
  std::vector<int> digits;
  for (int n = number; digits.empty() || n > 0; n /= 10) digits.insert(digits.begin(), n % 10);
  const int cells = NumberCells(static_cast<int>(digits.size()));
  const int left = box.left + (box.Width() - Round(cells * cell)) / 2;
  const int top = box.top + (box.Height() - Round(kGlyphHeight * cell)) / 2;
  const auto edge = [cell](int origin, int i) { return origin + Round(i * cell); };
  for (std::size_t d = 0; d < digits.size(); ++d) {
    const Glyph& glyph = kDigits[static_cast<std::size_t>(digits[d])];
    const int first_column = static_cast<int>(d) * (kGlyphWidth + kGlyphGap);
    for (int row = 0; row < kGlyphHeight; ++row) {
      for (int column = 0; column < kGlyphWidth; ++column) {
        if (glyph[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != '#') continue;
        canvas.Fill(Box{edge(left, first_column + column), edge(top, row),
                        edge(left, first_column + column + 1), edge(top, row + 1)},
                    colour);
      }
    }
  }
}

// Today's number filling the page below the band; the cell size is the one
// two digits fit, so that every day of the month is drawn equally large.
void DrawDay(Canvas& canvas, const Box& content, int day) {
  const Box room{content.left + std::max(1, Round(content.Width() * 0.05)),
                 content.top + std::max(1, Round(content.Height() * 0.08)),
                 content.right - std::max(1, Round(content.Width() * 0.05)),
                 content.bottom - std::max(1, Round(content.Height() * 0.08))};
  DrawNumber(canvas, day, content, CellSize(room.Width(), room.Height(), NumberCells(2)), kDayInk);
}

// The 32-pixel icon's page: a blue month number above a grid of seven
// columns and five rows of day marks, Sundays red, Saturdays blue, one day
// framed in yellow. Small sizes leave the number out for the grid.
void DrawMonth(Canvas& canvas, const Box& content, double unit) {
  const int pitch = std::max(2, Round(3 * unit));
  const int mark = std::min(pitch - 1, std::max(1, Round(2 * unit)));
  const int space = pitch - mark;
  const int grid_width = 6 * pitch + mark;
  const int grid_height = 4 * pitch + mark;
  const int grid_left = content.left + (content.Width() - grid_width) / 2;
  const double number_cell =
      std::min(content.Width() / double(NumberCells(2)),
               (content.bottom - grid_height - content.top - 3 * space) / double{kGlyphHeight});
  int grid_top = content.top + (content.Height() - grid_height) / 2;
  if (number_cell >= 1) {
    grid_top = content.bottom - space - grid_height;
    const Box number_room{content.left, content.top + space, content.right, grid_top - space};
    DrawNumber(canvas, 31, number_room,
               CellSize(number_room.Width(), number_room.Height(), NumberCells(2)), kMonthNumber);
  }

  const auto mark_box = [&](int column, int row) {
    const int x = grid_left + column * pitch;
    const int y = grid_top + row * pitch;
    return Box{x, y, x + mark, y + mark};
  };
  const int frame = std::min(space, std::max(1, Round(unit)));
  const Box today = mark_box(3, 2);
  canvas.Fill(Box{today.left - frame, today.top - frame, today.right + frame, today.bottom + frame},
              kToday);
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 7; ++column) {
      const std::uint32_t colour = column == 0 ? kSunday : column == 6 ? kSaturday : kWeekday;
      canvas.Fill(mark_box(column, row), colour);
    }
  }
}

}  // namespace

ArgbImage DrawAppIcon(int size, std::optional<int> day) {
  if (size < kSmallestAppIcon || size > kLargestAppIcon) return {};
  // Lengths are the 32-pixel icon's times `unit`, rounded to whole pixels.
  const double unit = size / 32.0;
  // Under 32 pixels the page takes the whole width and drops the shadow:
  // every pixel goes to the digits.
  const bool roomy = size >= 32;
  const int shadow = roomy ? std::max(1, Round(unit)) : 0;
  const int side = roomy ? Round(2 * unit) : 0;
  const int border = std::max(1, Round(size / 48.0));
  const double corner = size >= 48 ? size / 40.0 : 0;
  const Box page{side, Round(2 * unit), size - side, size - shadow};
  const Box inner{page.left + border, page.top + border, page.right - border, page.bottom - border};
  const int band = std::max(2, Round(size / 10.0));

  Canvas canvas(size);
  if (shadow > 0) {
    canvas.Fill(
        Shape{{page.left + shadow, page.top + shadow, page.right + shadow, page.bottom + shadow},
              corner},
        kShadow);
  }
  canvas.Fill(Shape{page, corner}, kOutline);
  const Shape paper{inner, std::max(0.0, corner - border)};
  canvas.Fill(paper, kPaper);
  const Box content{inner.left, inner.top + band, inner.right, inner.bottom};
  canvas.Fill(paper, kBand, Box{inner.left, inner.top, inner.right, content.top});
  if (day) {
    DrawDay(canvas, content, std::clamp(*day, 1, 31));
  } else {
    DrawMonth(canvas, content, unit);
  }

  // The rings the page hangs from, from the picture's top into the band,
  // lit from the left.
  const int ring = std::max(1, Round(2 * unit));
  const int ring_bottom = inner.top + (band + 1) / 2;
  const double ring_round = size >= 48 ? ring / 2.0 : 0;
  for (const int x : {Round(8 * unit), size - Round(8 * unit) - ring}) {
    const Shape shape{{x, 0, x + ring, ring_bottom}, ring_round};
    canvas.Fill(shape, kRingDark);
    if (ring >= 2) canvas.Fill(shape, kRingLight, Box{x, 0, x + ring / 2, ring_bottom});
  }
  return canvas.Take();
}

}  // namespace ombrelk
