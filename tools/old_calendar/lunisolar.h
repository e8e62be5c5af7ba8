#pragma once

#include <chrono>
#include <span>
#include <vector>

namespace ombrelk::oldcal {

// A month of the old calendar: its first day, its number (1-12) and whether
// it is a leap month, which repeats the number of the month before it.
struct LunarMonth {
  std::chrono::sys_days first_day;
  int number;
  bool leap;
};

// Numbers the months that begin on `new_moon_days` (the days in Japan that
// hold successive new moons). `principal_term_days` are the days of every
// principal solar term (the sun's longitude a multiple of 30 degrees) over the
// same years, `solstice_days` those of the winter solstices among them.
//
// The month that holds a winter solstice is the 11th. When 13 months begin
// from one solstice's month to the next one's, the first of them without a
// principal term is a leap month; a month without one among only 12 is an
// ordinary month. The result runs from the first solstice's month to the last
// one's. A run of months that is neither 12 nor 13 long throws.
std::vector<LunarMonth> NumberMonths(std::span<const std::chrono::sys_days> new_moon_days,
                                     std::span<const std::chrono::sys_days> principal_term_days,
                                     std::span<const std::chrono::sys_days> solstice_days);

}  // namespace ombrelk::oldcal
