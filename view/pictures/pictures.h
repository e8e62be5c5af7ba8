#pragma once

#include <span>

#include "view/pictures/xpm.h"

namespace ombrelk {

// Every picture the program shows, kept as XPM lines in a file of its own
// (view/pictures/*.xpm.inc). Buttons are 20 x 20 on the light grey (#C0C0C0) of a
// button face; each "down" variant is the same shape as a flat yellow
// silhouette, shown while the button is held. The icon and the cursor are
// 32 x 32 within the 16-colour VGA palette.
enum class PictureId {
  AppIcon,
  PrevMonth,
  PrevMonthDown,
  ThisMonth,
  ThisMonthDown,
  NextMonth,
  NextMonthDown,
  Home,
  HomeDown,
  HandCursor  // its hot spot, the finger tip, is in its XPM header
};

// The XPM lines of a picture (header line, colour lines, pixel rows).
std::span<const char* const> PictureXpm(PictureId id);

// A picture as pixels, with its hot spot, for any backend to make its
// bitmaps, icons and cursors from. The pictures are part of the program and
// all decode; an id without a picture gives an empty image.
ArgbImage PictureImage(PictureId id);

}  // namespace ombrelk
