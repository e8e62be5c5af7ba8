#include "view/month_view.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <stdexcept>
#include <string>

#include "calendar/is_holiday.h"
#include "day_grid.h"
#include "headless_run.h"

namespace ombrelk {
namespace {

using namespace std::chrono;
using testing::DayCaptions;
using testing::ExpectedDayCaptions;
using testing::FirstCell;
using testing::ReferenceWeekday;

// Draws year/month through the redraw shift, as the weekday selector does.
void Show(Program& p, int year, int month, int start_weekday) {
  p.state.StartWeekday = static_cast<std::int16_t>(start_weekday);
  p.state.ViewMonth = {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month)};
  ShowMonth(p.state, p.frmMain, p.sys.clock, kRedrawShift);
}

const Label& CellOfDay(const FrmMain& frm, int day) {
  for (int i = 0; i < frm.lblDay.Count(); ++i) {
    if (frm.lblDay(i).Caption() == std::to_string(day)) return frm.lblDay(i);
  }
  throw std::runtime_error("day " + std::to_string(day) + " is not shown");
}

TEST(ShowMonth, PlacesDayOneInItsWeekdaysColumn) {
  const struct {
    int year, month, start, first_cell, last_cell;
  } rows[] = {
      {2009, 2, 1, 0, 27},  // a Sunday-first February: rows 4 and 5 stay empty
      {2009, 2, 2, 6, 33},  // Monday first, day 1 a Sunday
      {2000, 7, 1, 6, 36},  // 31 days from cell 6: the sixth row is in use
      {2000, 5, 2, 0, 30}, {2000, 5, 7, 2, 32},
  };
  testing::HeadlessRun run;
  Program& p = run.Start();
  for (const auto& r : rows) {
    Show(p, r.year, r.month, r.start);
    const auto cells = DayCaptions(p.frmMain);
    EXPECT_EQ(cells, ExpectedDayCaptions(r.year, r.month, r.start)) << r.year << "/" << r.month;
    EXPECT_EQ(cells[static_cast<std::size_t>(r.first_cell)], "1");
    EXPECT_NE(cells[static_cast<std::size_t>(r.last_cell)], "");
    if (r.last_cell < 41) {
      EXPECT_EQ(cells[static_cast<std::size_t>(r.last_cell) + 1], "");
    }
  }
}

TEST(ShowMonth, WeekdayHeaderStartsAtTheFirstWeekday) {
  const struct {
    int start;
    std::array<const char*, 7> letters;
    std::array<Colour, 7> colours;
  } rows[] = {
      {1,
       {"S", "M", "T", "W", "T", "F", "S"},
       {kDarkRed, kBlack, kBlack, kBlack, kBlack, kBlack, kBlue}},
      {7,
       {"S", "S", "M", "T", "W", "T", "F"},
       {kBlue, kDarkRed, kBlack, kBlack, kBlack, kBlack, kBlack}},
      {2,
       {"M", "T", "W", "T", "F", "S", "S"},
       {kBlack, kBlack, kBlack, kBlack, kBlack, kBlue, kDarkRed}},
  };
  testing::HeadlessRun run;
  Program& p = run.Start();
  for (const auto& r : rows) {
    Show(p, 2000, 5, r.start);
    for (int c = 0; c < 7; ++c) {
      EXPECT_EQ(p.frmMain.lblWeekDay(c).Caption(), r.letters[static_cast<std::size_t>(c)])
          << "start " << r.start << " column " << c;
      EXPECT_EQ(p.frmMain.lblWeekDay(c).ForeColor(), r.colours[static_cast<std::size_t>(c)])
          << "start " << r.start << " column " << c;
    }
  }
}

// Shifts, the year's ends and the guard at the ends of the years the date
// functions know: the guarded month is drawn in full all the same.
TEST(ShowMonth, MovesTheMonthOnDisplay) {
  const struct {
    int from_year, from_month, shift, year, month;
    const char* ym;
  } rows[] = {
      {2000, 5, 1, 2000, 6, "2000/06"},
      {2000, 5, -1, 2000, 4, "2000/04"},
      {2000, 1, -1, 1999, 12, "1999/12"},
      {1999, 12, 1, 2000, 1, "2000/01"},
      {2001, 3, kRedrawShift, 2001, 3, "2001/03"},
      {1995, 8, 0, 2000, 5, "2000/05"},
      {2000, 5, 12, 2001, 5, "2001/05"},
      {2000, 12, 12, 2001, 12, "2001/12"},
      {2000, 1, -12, 1999, 1, "1999/01"},
      {9999, 11, 1, 9999, 12, "9999/12"},
      {9999, 12, 1, 9999, 12, "9999/12"},
      {9999, 12, -1, 9999, 11, "9999/11"},
      {1, 2, -1, 1, 1, "1/01"},
      {1, 1, -1, 1, 1, "1/01"},
      {1, 1, 1, 1, 2, "1/02"},
      {999, 9, 1, 999, 10, "999/10"},
  };
  testing::HeadlessRun run;
  Program& p = run.Start();
  for (const auto& r : rows) {
    Show(p, 2000, 7, 1);  // something else on display first
    p.state.ViewMonth = {static_cast<std::int16_t>(r.from_year),
                         static_cast<std::int16_t>(r.from_month)};
    ShowMonth(p.state, p.frmMain, p.sys.clock, static_cast<std::int16_t>(r.shift));
    const std::string name = std::to_string(r.from_year) + "/" + std::to_string(r.from_month) +
                             " shift " + std::to_string(r.shift);
    EXPECT_EQ(p.state.ViewMonth,
              (YearMonth{static_cast<std::int16_t>(r.year), static_cast<std::int16_t>(r.month)}))
        << name;
    EXPECT_EQ(p.frmMain.lblYM.Caption(), r.ym) << name;
    EXPECT_EQ(p.frmMain.Caption(), "2000/05/07") << name;  // today, never the month shown
    EXPECT_EQ(DayCaptions(p.frmMain), ExpectedDayCaptions(r.year, r.month, 1)) << name;
  }
}

TEST(ShowMonth, RedrawShiftAsTheFirstCallShowsTheCurrentMonth) {
  testing::HeadlessRun run;
  Program& p = run.Make();
  p.state.StartWeekday = 1;
  ASSERT_EQ(p.state.ViewMonth, (YearMonth{0, 0}));
  ShowMonth(p.state, p.frmMain, p.sys.clock, kRedrawShift);
  EXPECT_EQ(p.state.ViewMonth, (YearMonth{2000, 5}));
  EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/05");
  EXPECT_EQ(DayCaptions(p.frmMain), ExpectedDayCaptions(2000, 5, 1));
}

TEST(ShowMonth, ReadsTodayAnewOnEveryCall) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  run.platform.today = 2000y / 6 / 1;
  ShowMonth(p.state, p.frmMain, p.sys.clock, -1);
  EXPECT_EQ(p.frmMain.Caption(), "2000/06/01");
  EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/04");
  ShowMonth(p.state, p.frmMain, p.sys.clock, 0);
  EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/06");
  EXPECT_EQ(CellOfDay(p.frmMain, 1).ForeColor(), kYellow);
  EXPECT_NE(CellOfDay(p.frmMain, 7).ForeColor(), kYellow);
}

TEST(ShowMonth, ColoursTodayHolidaysSundaysAndSaturdays) {
  const struct {
    year_month_day today;
    int year, month, day;
    Colour colour;
  } rows[] = {
      {2000y / 5 / 7, 2000, 5, 7, kYellow},  // today on a Sunday
      {2000y / 5 / 3, 2000, 5, 3, kYellow},  // today on a holiday
      {2000y / 5 / 3, 2000, 5, 4, kDarkRed},
      {2000y / 5 / 3, 2000, 5, 6, kBlue},
      {2000y / 5 / 3, 2000, 5, 7, kDarkRed},
      {2000y / 5 / 3, 2000, 5, 8, kBlack},
      {2000y / 5 / 7, 2000, 9, 23, kDarkRed},  // a holiday Saturday
      {2000y / 5 / 7, 2000, 9, 16, kBlue},
      {2000y / 5 / 7, 2000, 9, 15, kDarkRed},  // a holiday Friday
      {2000y / 5 / 7, 2000, 9, 18, kBlack},
      {2000y / 5 / 7, 2000, 6, 7, kBlack},  // today's day number in other months
      {2000y / 5 / 7, 2001, 5, 7, kBlack},
      {2000y / 5 / 7, 1999, 5, 7, kBlack},
      {2000y / 5 / 7, 2000, 4, 7, kBlack},
      {2000y / 5 / 7, 2000, 1, 10, kDarkRed},  // second Monday
  };
  testing::HeadlessRun run;
  Program& p = run.Start();
  for (const auto& r : rows) {
    run.platform.today = r.today;
    Show(p, r.year, r.month, 2);
    EXPECT_EQ(CellOfDay(p.frmMain, r.day).ForeColor(), r.colour)
        << r.year << "/" << r.month << "/" << r.day;
  }
}

// 2026 by the default rules and by today's law: seven days differ. A user's
// own date is red in both, today yellow in both.
TEST(ShowMonth, ColoursHolidaysByTheRulesInForce) {
  const struct {
    int month, day;
    Colour by_default, by_law;
  } rows[] = {
      {9, 15, kDarkRed, kBlack}, {12, 23, kDarkRed, kBlack},  {2, 23, kBlack, kDarkRed},
      {5, 6, kBlack, kDarkRed},  {8, 11, kBlack, kDarkRed},   {9, 21, kBlack, kDarkRed},
      {9, 22, kBlack, kDarkRed}, {9, 23, kDarkRed, kDarkRed}, {6, 30, kDarkRed, kDarkRed},
      {9, 7, kYellow, kYellow},  {9, 24, kBlack, kBlack},
  };
  testing::HeadlessRun run(2026y / 9 / 7);
  Program& p = run.Start();
  p.state.holidays.HolidayTable[static_cast<std::size_t>(p.state.holidays.HolidayCount++)] = {0, 6,
                                                                                              30};
  for (const auto& r : rows) {
    for (const int law : {0, 1}) {
      p.state.mode_law = static_cast<std::int16_t>(law);
      Show(p, 2026, r.month, 1);
      EXPECT_EQ(CellOfDay(p.frmMain, r.day).ForeColor(), law == 1 ? r.by_law : r.by_default)
          << "2026/" << r.month << "/" << r.day << (law == 1 ? " by law" : " by default");
    }
  }
}

// What a screen reader hears of the month, the header and the day cells, by
// either holiday rule and with 和暦と六曜 on or off; an empty cell is not
// shown to it at all.
TEST(ShowMonth, NamesTheMonthTheWeekdaysAndEachDayForAScreenReader) {
  const struct {
    int month, law, cell_or_day;  // a negative value: that cell, counted from -1
    const char* name;
    int reki = 0;
  } rows[] = {
      {12, 0, 7, "12月7日 月曜日 今日"},
      {12, 0, 6, "12月6日 日曜日"},
      {12, 0, 5, "12月5日 土曜日"},
      {12, 0, 23, "12月23日 水曜日 祝日"},
      {12, 1, 23, "12月23日 水曜日"},
      {5, 1, 3, "5月3日 日曜日 祝日 憲法記念日"},
      {5, 1, 6, "5月6日 水曜日 休日 振替休日"},
      {9, 1, 22, "9月22日 火曜日 休日 国民の休日"},
      {5, 0, 6, "5月6日 水曜日"},
      {6, 1, 30, "6月30日 火曜日 休日"},  // the user's own date
      {12, 0, -1, ""},                    // cell 0: 1 December 2026 is a Tuesday
      {12, 0, 7, "12月7日 月曜日 今日 令和8年12月7日（月） 友引", 1},
      {5, 1, 3, "5月3日 日曜日 祝日 憲法記念日 令和8年5月3日（日） 先勝", 1},
      {12, 0, -1, "", 1},
  };
  testing::HeadlessRun run(2026y / 12 / 7);
  Program& p = run.Start();
  p.state.holidays.HolidayTable[static_cast<std::size_t>(p.state.holidays.HolidayCount++)] = {0, 6,
                                                                                              30};
  for (const auto& r : rows) {
    p.state.mode_law = static_cast<std::int16_t>(r.law);
    p.state.mode_reki = static_cast<std::int16_t>(r.reki);
    Show(p, 2026, r.month, 1);
    const std::string what = "2026/" + std::to_string(r.month) + " " +
                             std::to_string(r.cell_or_day) + (r.law == 1 ? " by law" : "") +
                             (r.reki == 1 ? " reki" : "");
    const Label& cell = r.cell_or_day < 0 ? p.frmMain.lblDay(-r.cell_or_day - 1)
                                          : CellOfDay(p.frmMain, r.cell_or_day);
    EXPECT_EQ(cell.AccessibleName(), r.name) << what;
    EXPECT_EQ(cell.AccessibleShown(), r.cell_or_day > 0) << what;
    EXPECT_EQ(p.frmMain.lblYM.AccessibleName(), "2026年" + std::to_string(r.month) + "月") << what;
    EXPECT_EQ(p.frmMain.lblWeekDay(0).AccessibleName(), "日曜日") << what;
    EXPECT_EQ(p.frmMain.lblWeekDay(6).AccessibleName(), "土曜日") << what;
  }
  p.state.mode_reki = 0;
  Show(p, 2026, 12, 2);  // Monday first: the header follows, cell 0 is empty again
  EXPECT_EQ(p.frmMain.lblWeekDay(0).AccessibleName(), "月曜日");
  EXPECT_EQ(p.frmMain.lblWeekDay(6).AccessibleName(), "日曜日");
  EXPECT_FALSE(p.frmMain.lblDay(0).AccessibleShown());
  EXPECT_EQ(p.frmMain.lblDay(1).AccessibleName(), "12月1日 火曜日");
}

TEST(ShowMonth, ClearsCellsThatTheNewMonthLeavesEmpty) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  Show(p, 2009, 1, 1);                            // cells 4 to 34
  ShowMonth(p.state, p.frmMain, p.sys.clock, 1);  // February 2009: cells 0 to 27
  EXPECT_EQ(DayCaptions(p.frmMain), ExpectedDayCaptions(2009, 2, 1));
  for (int i = 28; i <= 41; ++i) EXPECT_EQ(p.frmMain.lblDay(i).Caption(), "") << i;
}

// Every month of 41 years for each first weekday, stepping forward one month
// at a time: placement, captions and colours against an independent weekday.
TEST(ShowMonth, WalkOverEveryMonthOf1990To2030) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  const FrmMain& frm = p.frmMain;
  for (int start = 1; start <= 7; ++start) {
    p.state.StartWeekday = static_cast<std::int16_t>(start);
    p.state.ViewMonth = {1989, 12};
    for (int y = 1990; y <= 2030; ++y) {
      for (int m = 1; m <= 12; ++m) {
        ShowMonth(p.state, p.frmMain, p.sys.clock, 1);
        const std::string name =
            std::to_string(y) + "/" + std::to_string(m) + " start " + std::to_string(start);
        ASSERT_EQ(p.state.ViewMonth,
                  (YearMonth{static_cast<std::int16_t>(y), static_cast<std::int16_t>(m)}))
            << name;
        ASSERT_EQ(DayCaptions(frm), ExpectedDayCaptions(y, m, start)) << name;
        const int first = FirstCell(y, m, start);
        const int n = DaysInMonth(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m));
        for (int d = 1; d <= n; ++d) {
          const int w = ReferenceWeekday(y, m, d);
          Colour expected = kBlack;
          if (y == 2000 && m == 5 && d == 7) {
            expected = kYellow;
          } else if (IsHoliday(p.state.holidays, static_cast<std::int16_t>(y),
                               static_cast<std::int16_t>(m), static_cast<std::int16_t>(d)) ||
                     w == 1) {
            expected = kDarkRed;
          } else if (w == 7) {
            expected = kBlue;
          }
          ASSERT_EQ(frm.lblDay(first + d - 1).ForeColor(), expected) << name << " day " << d;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ombrelk
