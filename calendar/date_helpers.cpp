#include "calendar/date_helpers.h"

#include <chrono>
#include <cmath>

namespace ombrelk {

std::int16_t WeekdayOf(std::int16_t year, std::int16_t month, std::int16_t day) {
  const std::chrono::sys_days date{std::chrono::year{year} /
                                   std::chrono::month{static_cast<unsigned>(month)} /
                                   std::chrono::day{static_cast<unsigned>(day)}};
  // c_encoding counts from 0 = Sunday.
  return static_cast<std::int16_t>(std::chrono::weekday{date}.c_encoding() + 1);
}

int EquinoxFormulaDay(int n, int q, double base) {
  constexpr double kEquinoxDrift = 0.242194;  // days a year
  return static_cast<int>(std::floor(n * kEquinoxDrift + base - q));
}

}  // namespace ombrelk
