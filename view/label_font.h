#pragma once

#include "platform/controls/control.h"

namespace ombrelk {

// The bold Japanese gothic face (Shift-JIS charset) of every text the
// calendar and its version dialog show.
inline Font LabelFont(float size_pt, bool underline = false) {
  return Font{"ＭＳ Ｐゴシック", size_pt, 700, 128, false, underline};
}

// The day grid's, the header's and the month line's size.
inline Font DayFont() {
  return LabelFont(9.0F);
}

}  // namespace ombrelk
