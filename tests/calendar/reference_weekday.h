#pragma once

#include <cstdint>

namespace ombrelk::testing {

// Sakamoto's weekday formula, kept apart from the program's own computation so
// that the tests compare two independent answers. 1 = Sunday ... 7 = Saturday,
// for any Gregorian date from year 1 on.
constexpr std::int16_t ReferenceWeekday(int year, int month, int day) {
  constexpr int kMonthOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;  // January and February count with the year before
  const int w = (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7;
  return static_cast<std::int16_t>(w + 1);
}

static_assert(ReferenceWeekday(2000, 1, 1) == 7);    // a Saturday
static_assert(ReferenceWeekday(2000, 5, 7) == 1);    // a Sunday
static_assert(ReferenceWeekday(1, 1, 1) == 2);       // a Monday, proleptic Gregorian
static_assert(ReferenceWeekday(9999, 12, 31) == 6);  // a Friday

}  // namespace ombrelk::testing
