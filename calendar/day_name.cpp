#include "calendar/day_name.h"

#include <cstdint>

#include "calendar/holiday_law.h"
#include "calendar/is_holiday.h"

namespace ombrelk {

namespace {

struct DayNumbers {
  std::int16_t year, month, day;
};

DayNumbers NumbersOf(std::chrono::year_month_day date) {
  return {static_cast<std::int16_t>(static_cast<int>(date.year())),
          static_cast<std::int16_t>(static_cast<unsigned>(date.month())),
          static_cast<std::int16_t>(static_cast<unsigned>(date.day()))};
}

}  // namespace

bool IsHolidayColoured(const Holidays& holidays, bool law_mode, const HolidayList& list,
                       std::chrono::year_month_day date) {
  const DayNumbers n = NumbersOf(date);
  if (!law_mode) return IsHoliday(holidays, n.year, n.month, n.day);
  if (!list.Covers(date.year())) return IsLawHoliday(holidays, n.year, n.month, n.day);
  return list.Find(date) != nullptr || IsUsersOwnDate(holidays, date);
}

std::string_view DayName(const Holidays& holidays, bool law_mode, const HolidayList& list,
                         std::chrono::year_month_day date) {
  if (!law_mode) return {};
  if (!list.Covers(date.year())) return LawHolidayName(holidays, date);
  if (const ListedDay* listed = list.Find(date)) {
    const std::string_view law_name = LawDayOffName(date);
    return law_name.empty() ? std::string_view(listed->name) : law_name;
  }
  return IsUsersOwnDate(holidays, date) ? kUsersDayOffName : "";
}

}  // namespace ombrelk
