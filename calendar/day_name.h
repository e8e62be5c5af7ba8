#pragma once

#include <chrono>
#include <string_view>

#include "calendar/holiday_list.h"
#include "calendar/holiday_table.h"

namespace ombrelk {

// What the calendar shows of a day, in either mode, from one place: whether
// its number takes the holiday colour, and the name its tip shows. In law
// mode a year the list covers takes its days off from the list, and every
// other year from the law's rules; the user's own dates of the table (not
// the fifteen default rows) are off in every year. Outside law mode the
// table and the rules of the year 2000 decide, and no day has a name. The
// default list covers no year. A day has a name exactly when it takes the
// holiday colour in law mode.

bool IsHolidayColoured(const Holidays& holidays, bool law_mode, const HolidayList& list,
                       std::chrono::year_month_day date);

// The law's name where the law has the day off too (a listed 休日 may be its
// 振替休日 or 国民の休日), the list's name for a listed day the law does not
// know, 休日 for a day off only by the user's table; empty for a working day
// and outside law mode. It lives as long as list.
std::string_view DayName(const Holidays& holidays, bool law_mode, const HolidayList& list,
                         std::chrono::year_month_day date);

}  // namespace ombrelk
