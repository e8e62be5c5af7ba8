#pragma once

#include <array>
#include <cstddef>

#include "platform/controls/control.h"

namespace ombrelk {

// The header's letter for each weekday, Sunday first.
inline constexpr std::array<const char*, 7> kWeekdayLetters{"S", "M", "T", "W", "T", "F", "S"};

// A weekday's colour in the header (0 = Sunday ... 6 = Saturday): Sunday
// dark red, Saturday blue, the rest black.
constexpr Colour WeekdayColour(std::size_t weekday_index) {
  if (weekday_index == 0) return kDarkRed;
  if (weekday_index == 6) return kBlue;
  return kBlack;
}

}  // namespace ombrelk
