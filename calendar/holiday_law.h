#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

#include "calendar/holiday_table.h"

namespace ombrelk {

// Japan's days off as the Act on National Holidays and the special laws beside
// it keep them today. The Act took effect on 20 July 1948; before that day the
// law knows no holiday.
inline constexpr std::chrono::year_month_day kHolidayActStart{
    std::chrono::year{1948}, std::chrono::month{7}, std::chrono::day{20}};

// The name of a day off under the law: the statutory name of a national
// holiday in that year, "振替休日" for a substitute holiday and "国民の休日" for a
// day between two national holidays; empty for every other day.
std::string_view LawDayOffName(std::chrono::year_month_day date);

// The name of a day that is off only by the user's table.
inline constexpr std::string_view kUsersDayOffName = "休日";

// Whether a date of the user's table that is not one of the fifteen default
// rows falls on date. The default rows stand for holidays whose dates the law
// decides instead.
bool IsUsersOwnDate(const Holidays& holidays, std::chrono::year_month_day date);

// The law mode's holiday test: the law's days off, and the dates of the user's
// table that are not one of the fifteen default rows. Such a user's date adds
// only that day; no substitute or in-between day follows from it.
bool IsLawHoliday(const Holidays& holidays, std::int16_t year, std::int16_t month,
                  std::int16_t day);

// The law mode's name of a day: the law's name, "休日" for a day that is off
// only by the user's table, empty for a working day.
std::string_view LawHolidayName(const Holidays& holidays, std::chrono::year_month_day date);

}  // namespace ombrelk
