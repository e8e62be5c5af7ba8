#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ombrelk {

// Weekdays are numbered 1 = Sunday ... 7 = Saturday throughout the program.
inline constexpr std::int16_t kSunday = 1;
inline constexpr std::int16_t kMonday = 2;
inline constexpr std::int16_t kSaturday = 7;

// The weekdays' names, Sunday first: the weekday selector's entries, and so
// the values of the settings file's first-weekday key.
inline constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// A year and a month, as the month on display; (0, 0) for none yet.
struct YearMonth {
  std::int16_t year = 0;
  std::int16_t month = 0;
  friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// The weekdays as a Japanese date writes them, Sunday first.
inline constexpr std::array<std::string_view, 7> kWeekdayKanji{"日", "月", "火", "水",
                                                               "木", "金", "土"};

// The Gregorian rule, for any 16-bit year.
constexpr bool IsLeapYear(std::int16_t year) {
  return !(year % 400 != 0 && (year % 100 == 0 || year % 4 != 0));
}

// 28 to 31. A month outside 1 to 12 counts as a 31-day month.
constexpr std::int16_t DaysInMonth(std::int16_t year, std::int16_t month) {
  switch (month) {
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

// The weekday (1 = Sunday ... 7 = Saturday) of a valid Gregorian date.
std::int16_t WeekdayOf(std::int16_t year, std::int16_t month, std::int16_t day);

// The day of the month of an equinox by the usual formula: the largest whole
// number not above n x 0.242194 + base - q, computed in that order, where n is
// the year less 1980 and q the leap-day correction of the formula's era.
int EquinoxFormulaDay(int n, int q, double base);

}  // namespace ombrelk
