#include "lunisolar.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace ombrelk::oldcal {
namespace {

using std::chrono::sys_days;

// The index of the month that holds `day`.
std::size_t MonthHolding(std::span<const sys_days> new_moon_days, sys_days day) {
  const auto after = std::upper_bound(new_moon_days.begin(), new_moon_days.end(), day);
  if (after == new_moon_days.begin() || after == new_moon_days.end()) {
    throw std::out_of_range("a solstice lies outside the new moons given");
  }
  return static_cast<std::size_t>(after - new_moon_days.begin()) - 1;
}

bool HoldsPrincipalTerm(std::span<const sys_days> new_moon_days,
                        std::span<const sys_days> principal_term_days, std::size_t month) {
  const auto term = std::lower_bound(principal_term_days.begin(), principal_term_days.end(),
                                     new_moon_days[month]);
  return term != principal_term_days.end() && *term < new_moon_days[month + 1];
}

// The months from one solstice's month up to the next one's, that one left out.
void NumberSpan(std::span<const sys_days> new_moon_days,
                std::span<const sys_days> principal_term_days, std::size_t from, std::size_t to,
                std::vector<LunarMonth>& out) {
  const std::size_t length = to - from;
  if (length != 12 && length != 13) throw std::runtime_error("a year of neither 12 nor 13 months");
  bool leap_to_come = length == 13;
  int number = 11;
  for (std::size_t i = from; i < to; ++i) {
    const bool leap =
        i != from && leap_to_come && !HoldsPrincipalTerm(new_moon_days, principal_term_days, i);
    if (leap) {
      leap_to_come = false;
    } else if (i != from) {
      number = number % 12 + 1;
    }
    out.push_back({new_moon_days[i], number, leap});
  }
  if (leap_to_come) throw std::runtime_error("13 months and each holds a principal term");
}

}  // namespace

std::vector<LunarMonth> NumberMonths(std::span<const sys_days> new_moon_days,
                                     std::span<const sys_days> principal_term_days,
                                     std::span<const sys_days> solstice_days) {
  std::vector<LunarMonth> months;
  for (std::size_t s = 0; s + 1 < solstice_days.size(); ++s) {
    NumberSpan(new_moon_days, principal_term_days, MonthHolding(new_moon_days, solstice_days[s]),
               MonthHolding(new_moon_days, solstice_days[s + 1]), months);
  }
  const std::size_t last = MonthHolding(new_moon_days, solstice_days.back());
  months.push_back({new_moon_days[last], 11, false});
  return months;
}

}  // namespace ombrelk::oldcal
