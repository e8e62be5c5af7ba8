#pragma once

#include "platform/backends/win32/win32_api.h"

#include <cstdint>
#include <map>
#include <tuple>

#include "platform/controls/control.h"
#include "platform/controls/picture_ref.h"
#include "platform/runtime_values/twips.h"

namespace ombrelk {

// Twips and pixels on this screen. Windows gives a program one resolution for
// the whole run (the program declares itself aware of the system's DPI), so
// 1440 / DPI twips make one pixel: 15 at 96 DPI, 7.5 at 192.
struct ScreenUnits {
  float twips_per_pixel = kUsualTwipsPerPixel;
  int dpi = 96;

  static ScreenUnits OfScreen();
  // Whole pixels, halves to even, held within the int range.
  int Pixels(float twips) const;
  // A mouse message that the shell put in a tray notification's x comes
  // through here too, as the tray's encoder gives it.
  float Twips(int pixels) const { return PixelsToTwips(pixels, twips_per_pixel); }
  RECT PixelRect(const Rect& r) const;
};

// What every window of the program draws with: the screen's units, the fonts
// the controls ask for and the program's pictures as icons and cursors, each
// made once and released when the program ends.
class UiResources {
 public:
  explicit UiResources(HINSTANCE instance);
  ~UiResources();
  UiResources(const UiResources&) = delete;
  UiResources& operator=(const UiResources&) = delete;

  HINSTANCE instance() const { return instance_; }
  const ScreenUnits& units() const { return units_; }

  // A control's font; a font without a face is the one controls get by
  // default, 9 point Japanese gothic.
  HFONT FontOf(const Font& font);
  HICON Icon(PictureId id);
  HCURSOR Cursor(PictureId id);

 private:
  using FontKey = std::tuple<std::string, float, int, int, bool, bool>;

  HINSTANCE instance_;
  ScreenUnits units_;
  std::map<FontKey, HFONT> fonts_;
  std::map<PictureId, HICON> icons_;
  std::map<PictureId, HCURSOR> cursors_;
};

}  // namespace ombrelk
