#include "view/month_view.h"

#include <array>
#include <string>
#include <string_view>

#include "calendar/date_helpers.h"
#include "calendar/day_name.h"
#include "calendar/holiday_law.h"
#include "calendar/japanese_era.h"
#include "platform/runtime_values/number_text.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"
#include "view/weekday_look.h"

namespace ombrelk {

namespace {

// The month a shift asks for, from the month on display and today.
YearMonth NextViewMonth(const CalendarState& state, std::int16_t shift) {
  const auto& today = state.today.TodayDate;
  const YearMonth current{static_cast<std::int16_t>(static_cast<int>(today.year())),
                          static_cast<std::int16_t>(static_cast<unsigned>(today.month()))};
  YearMonth view = state.ViewMonth;
  if (shift == 0) return current;
  if (shift == kRedrawShift) return (view.year == 0 && view.month == 0) ? current : view;
  int year = view.year;
  int month = view.month + shift;
  if (month >= 13) {
    year += 1;
    month -= 12;
  } else if (month <= 0) {
    year -= 1;
    month += 12;
  }
  // The weekday rules hold for years 1 to 9999; a step past either end keeps the month shown.
  if (year < kFirstViewYear || year > kLastViewYear) return view;
  return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month)};
}

// A weekday's full name, 0 = Sunday: the single letter says too little.
std::string WeekdayWord(int weekday_index) {
  return std::string(kWeekdayKanji[static_cast<std::size_t>(weekday_index)]) + "曜日";
}

// What a screen reader says of a day cell: the date and weekday, then what its
// colour says (今日, then 祝日 or 休日 for a day off), then the holiday's name
// where the law mode gives one, and last, with 和暦と六曜 on, the era date and
// 六曜 as the day's tip gives them. A substitute day, a day between two
// holidays and a day off only by the user's table are 休日; every other day
// off a 祝日.
std::string DayCellName(std::int16_t month, std::int16_t day, std::int16_t weekday, bool today,
                        bool day_off, std::string_view holiday_name, std::string_view era_text) {
  std::string name =
      DecimalText(month) + "月" + DecimalText(day) + "日 " + WeekdayWord(weekday - 1);
  if (today) name += " 今日";
  if (day_off) {
    const bool rest_day = holiday_name == "振替休日" || holiday_name == "国民の休日" ||
                          holiday_name == kUsersDayOffName;
    name += rest_day ? " 休日" : " 祝日";
    if (!holiday_name.empty() && holiday_name != kUsersDayOffName) {
      name += " ";
      name += holiday_name;
    }
  }
  if (!era_text.empty()) {
    name += " ";
    name += era_text;
  }
  return name;
}

// Cells the month leaves empty say nothing to a reader.
void HideEmptyDayCells(FrmMain& frm) {
  for (int i = 0; i < frm.lblDay.Count(); ++i) {
    Label& cell = frm.lblDay(i);
    if (!cell.Caption().empty()) continue;
    cell.SetAccessibleName("");
    cell.SetAccessibleShown(false);
  }
}

void ShowWeekdayHeader(FrmMain& frm, std::int16_t start_weekday) {
  int w = start_weekday - 1;
  for (int c = 0; c < 7; ++c) {
    Label& letter = frm.lblWeekDay(c);
    letter.SetCaption(kWeekdayLetters[static_cast<std::size_t>(w)]);
    letter.SetForeColor(WeekdayColour(static_cast<std::size_t>(w)));
    letter.SetAccessibleName(WeekdayWord(w));
    w = (w + 1) % 7;
  }
}

}  // namespace

void ClearDayCells(FrmMain& frm) {
  for (int i = 0; i < frm.lblDay.Count(); ++i) frm.lblDay(i).SetCaption("");
}

void PaintDayCell(Label& cell, std::int16_t year, std::int16_t month, std::int16_t day,
                  std::int16_t weekday, std::chrono::year_month_day today, const Holidays& holidays,
                  bool law_mode, const HolidayList& list, bool reki_mode) {
  cell.SetCaption(DecimalText(day));
  const bool is_today = year == static_cast<int>(today.year()) &&
                        month == static_cast<int>(static_cast<unsigned>(today.month())) &&
                        day == static_cast<int>(static_cast<unsigned>(today.day()));
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  const bool day_off = IsHolidayColoured(holidays, law_mode, list, date);
  Colour colour = kBlack;
  if (is_today) {
    colour = kYellow;
  } else if (day_off || weekday == kSunday) {
    colour = kDarkRed;
  } else if (weekday == kSaturday) {
    colour = kBlue;
  }
  cell.SetForeColor(colour);
  const std::string_view holiday_name =
      day_off ? DayName(holidays, law_mode, list, date) : std::string_view{};
  const std::string era_text = reki_mode ? EraAndRokuyoText(date) : std::string{};
  cell.SetAccessibleName(
      DayCellName(month, day, weekday, is_today, day_off, holiday_name, era_text));
  cell.SetAccessibleShown(true);
}

void ShowMonth(CalendarState& state, FrmMain& frm, const Clock& clock, std::int16_t shift) {
  RefreshToday(state.today, clock);
  frm.SetCaption(TodayCaption(state.today));
  ClearDayCells(frm);
  state.ViewMonth = NextViewMonth(state, shift);
  const std::int16_t year = state.ViewMonth.year;
  const std::int16_t month = state.ViewMonth.month;
  frm.lblYM.SetCaption(DecimalText(year) + "/" + ZeroPadded(month, 2));
  frm.lblYM.SetAccessibleName(DecimalText(year) + "年" + DecimalText(month) + "月");
  ShowWeekdayHeader(frm, state.StartWeekday);

  const std::int16_t n = DaysInMonth(year, month);
  std::array<std::int16_t, 32> weekdays{};
  for (std::int16_t d = 1; d <= n; ++d)
    weekdays[static_cast<std::size_t>(d)] = WeekdayOf(year, month, d);

  // Day 1 goes into the column of its weekday; the cells before it stay empty.
  int k = (weekdays[1] - state.StartWeekday + 7) % 7;
  const auto paint = [&](std::int16_t d) {
    PaintDayCell(frm.lblDay(k), year, month, d, weekdays[static_cast<std::size_t>(d)],
                 state.today.TodayDate, state.holidays, state.LawMode(), state.holiday_list,
                 state.RekiMode());
  };
  paint(1);
  ++k;
  for (std::int16_t d = 2; d <= n && k <= 41; ++d, ++k) paint(d);
  HideEmptyDayCells(frm);
  // The day under a resting pointer may have changed.
  frm.ShowDayTip();
}

}  // namespace ombrelk
