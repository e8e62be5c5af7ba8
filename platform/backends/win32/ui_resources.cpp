#include "platform/backends/win32/ui_resources.h"

#include <cmath>

#include "platform/backends/win32/win32_pictures.h"
#include "platform/backends/win32/win32_text.h"
#include "platform/runtime_values/twips.h"

namespace ombrelk {

namespace {

constexpr float kTwipsPerInch = 1440.0F;
constexpr double kPointsPerInch = 72.0;
// The face a control without a font of its own gets on a Japanese system.
constexpr auto kDefaultFace = "MS UI Gothic";
constexpr int kShiftJisCharset = 128;

}  // namespace

ScreenUnits ScreenUnits::OfScreen() {
  ScreenUnits u;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  if (dpi > 0) {
    u.dpi = dpi;
    u.twips_per_pixel = kTwipsPerInch / static_cast<float>(dpi);
  }
  return u;
}

int ScreenUnits::Pixels(float twips) const {
  return TwipsToPixels(twips, twips_per_pixel);
}

RECT ScreenUnits::PixelRect(const Rect& r) const {
  const int left = Pixels(r.left);
  const int top = Pixels(r.top);
  return {left, top, left + Pixels(r.width), top + Pixels(r.height)};
}

UiResources::UiResources(HINSTANCE instance)
    : instance_(instance), units_(ScreenUnits::OfScreen()) {}

UiResources::~UiResources() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [id, icon] : icons_) DestroyIcon(icon);
  for (auto& [id, cursor] : cursors_) DestroyCursor(cursor);
}

HFONT UiResources::FontOf(const Font& font) {
  const bool by_default = font.name.empty();
  const FontKey key{font.name,    font.size_pt, font.weight,
                    font.charset, font.italic,  font.underline};
  HFONT& f = fonts_[key];
  if (f != nullptr) return f;
  const std::wstring face = Wide(by_default ? kDefaultFace : font.name);
  const int height = -static_cast<int>(
      std::lround(static_cast<double>(font.size_pt) * units_.dpi / kPointsPerInch));
  const int charset = by_default ? kShiftJisCharset : font.charset;
  f = CreateFontW(height, 0, 0, 0, font.weight, font.italic ? TRUE : FALSE,
                  font.underline ? TRUE : FALSE, FALSE, static_cast<BYTE>(charset),
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  return f;
}

HICON UiResources::Icon(PictureId id) {
  HICON& icon = icons_[id];
  if (icon == nullptr) icon = MakePictureIcon(id, true);
  return icon;
}

HCURSOR UiResources::Cursor(PictureId id) {
  HCURSOR& cursor = cursors_[id];
  if (cursor == nullptr) cursor = MakePictureIcon(id, false);
  return cursor;
}

}  // namespace ombrelk
