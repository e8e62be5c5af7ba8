#include "calendar/is_holiday.h"

#include "calendar/date_helpers.h"
#include "calendar/equinox_eras.h"

namespace ombrelk {

namespace {

constexpr int kSecondMondayFrom = 2000;
constexpr int kSecondMondayFirstDay = 8;
constexpr int kSecondMondayLastDay = 14;

bool IsMovedHolidayDate(int month, int day) {
  return (month == 1 && day == 15) || (month == 10 && day == 10);
}

bool IsEquinoxTableDate(int month, int day) {
  return (month == 3 && day == 21) || (month == 9 && day == 23);
}

bool InEquinoxYears(int year) {
  return InEra(kEquinoxEra1980, year);
}

bool MatchesTable(const Holidays& holidays, int year, int month, int day) {
  if (FindTableEntry(holidays, year, month, day) == nullptr) return false;
  // These dates are decided by the computed rules instead, whichever entry matched.
  if (year >= kSecondMondayFrom && IsMovedHolidayDate(month, day)) return false;
  if (InEquinoxYears(year) && IsEquinoxTableDate(month, day)) return false;
  return true;
}

bool IsSecondMonday(std::int16_t year, std::int16_t month, std::int16_t day) {
  return year >= kSecondMondayFrom && (month == 1 || month == 10) && day >= kSecondMondayFirstDay &&
         day <= kSecondMondayLastDay && WeekdayOf(year, month, day) == kMonday;
}

bool IsEquinoxDay(int year, int month, int day) {
  if (!InEquinoxYears(year) || (month != 3 && month != 9)) return false;
  return day == EquinoxDayInEra(kEquinoxEra1980, year, month == 3);
}

}  // namespace

bool IsHoliday(const Holidays& holidays, std::int16_t year, std::int16_t month, std::int16_t day) {
  bool result = MatchesTable(holidays, year, month, day);
  if (IsSecondMonday(year, month, day)) result = true;
  if (IsEquinoxDay(year, month, day)) result = true;
  // Substitute holiday: only the Monday after a holiday Sunday of the same month.
  if (!result && day != 1) {
    const auto before = static_cast<std::int16_t>(day - 1);
    if (WeekdayOf(year, month, before) == kSunday && IsHoliday(holidays, year, month, before)) {
      result = true;
    }
  }
  return result;
}

}  // namespace ombrelk
