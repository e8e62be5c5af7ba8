#pragma once

#include "platform/controls/control.h"

namespace ombrelk {

// The bold Japanese gothic face of the calendar's texts.
inline Font DayFont() {
  return Font{"ＭＳ Ｐゴシック", 9.0F, 700, 128, false, false};
}

}  // namespace ombrelk
