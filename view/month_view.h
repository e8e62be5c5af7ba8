#pragma once

#include <chrono>
#include <cstdint>

#include "calendar/date_helpers.h"

namespace ombrelk {

class Clock;
class Label;
class FrmMain;
struct CalendarState;
struct HolidayList;
struct Holidays;

// The shift that redraws the month on display (the current one at first).
inline constexpr std::int16_t kRedrawShift = 314;

// The years the date functions handle; stepping past either end keeps the month.
inline constexpr int kFirstViewYear = 1;
inline constexpr int kLastViewYear = 9999;

// Draws a month: 0 the current one, 314 the one on display, any other value
// the one on display moved by that many months.
void ShowMonth(CalendarState& state, FrmMain& frm, const Clock& clock, std::int16_t shift);
void ClearDayCells(FrmMain& frm);
// Writes a day's number into its cell: yellow for today, else dark red on a
// holiday (IsHolidayColoured: the list of days off decides the years it
// covers in law mode) or a Sunday, blue on a Saturday, black otherwise; and
// names the day for a screen reader, with the era date and 六曜 in reki mode.
void PaintDayCell(Label& cell, std::int16_t year, std::int16_t month, std::int16_t day,
                  std::int16_t weekday, std::chrono::year_month_day today, const Holidays& holidays,
                  bool law_mode, const HolidayList& list, bool reki_mode);

}  // namespace ombrelk
