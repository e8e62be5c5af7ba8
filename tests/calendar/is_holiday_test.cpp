#include "calendar/is_holiday.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <vector>

#include "calendar/date_helpers.h"
#include "calendar/reference_weekday.h"

namespace ombrelk {
namespace {

using testing::ReferenceWeekday;

constexpr std::int16_t kSun = 1, kMon = 2, kTue = 3, kWed = 4, kThu = 5, kFri = 6, kSat = 7;

Holidays DefaultTable() {
  Holidays h;
  LoadDefaultHolidayTable(h);
  return h;
}

Holidays TableOf(std::initializer_list<Holiday> entries) {
  Holidays h;
  for (const Holiday& e : entries) h.HolidayTable[static_cast<std::size_t>(h.HolidayCount++)] = e;
  return h;
}

bool HolidayOn(const Holidays& h, int y, int m, int d) {
  return IsHoliday(h, static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                   static_cast<std::int16_t>(d));
}

struct Row {
  int year, month, day;
  std::int16_t weekday;  // as a check on the row itself
  bool holiday;
};

void ExpectRows(const Holidays& h, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    EXPECT_EQ(ReferenceWeekday(r.year, r.month, r.day), r.weekday)
        << "row " << r.year << "-" << r.month << "-" << r.day << " names the wrong weekday";
    EXPECT_EQ(HolidayOn(h, r.year, r.month, r.day), r.holiday)
        << r.year << "-" << r.month << "-" << r.day;
  }
}

TEST(IsHoliday, SecondMondayFrom2000) {
  ExpectRows(DefaultTable(), {
                                 {2000, 1, 10, kMon, true},
                                 {2000, 1, 15, kSat, false},  // table match cleared
                                 {1999, 1, 15, kFri, true},   // table rule before 2000
                                 {2000, 10, 9, kMon, true},
                                 {2000, 10, 10, kTue, false},
                                 {2005, 10, 10, kMon, true},   // cleared, then the second Monday
                                 {2000, 10, 2, kMon, false},   // first Monday
                                 {2000, 10, 16, kMon, false},  // third Monday
                                 {1999, 1, 11, kMon, false},   // the rule starts in 2000
                             });
}

TEST(IsHoliday, EquinoxFormulaReplacesTheTableDates) {
  ExpectRows(DefaultTable(), {
                                 {2000, 3, 20, kMon, true},
                                 {2000, 3, 21, kTue, false},
                                 {2000, 9, 23, kSat, true},
                                 {2020, 9, 22, kTue, true},
                                 {2020, 9, 23, kWed, false},
                                 {2012, 9, 22, kSat, true},  // t = 22.999008
                                 {2012, 9, 23, kSun, false},
                                 {2092, 3, 19, kWed, true},
                                 {2092, 3, 20, kThu, false},
                                 {1979, 3, 21, kWed, true},  // before the formula: the table
                                 {1979, 3, 20, kTue, false},
                                 {2100, 9, 23, kThu, true},  // after the formula: the table
                                 {2100, 9, 22, kWed, false},
                                 {2000, 9, 15, kFri, true},  // other table days stay
                             });
}

TEST(IsHoliday, SubstituteMondayAfterAHolidaySunday) {
  ExpectRows(DefaultTable(), {
                                 {1999, 10, 10, kSun, true},
                                 {1999, 10, 11, kMon, true},
                                 {2002, 9, 15, kSun, true},
                                 {2002, 9, 16, kMon, true},
                                 {2001, 9, 23, kSun, true},  // by the formula
                                 {2001, 9, 24, kMon, true},
                                 {1999, 3, 21, kSun, true},
                                 {1999, 3, 22, kMon, true},
                                 {2006, 1, 1, kSun, true},
                                 {2006, 1, 2, kMon, true},
                                 {2009, 5, 6, kWed, false},  // only ever a Monday
                                 {2009, 5, 4, kMon, true},
                                 {1989, 1, 15, kSun, true},
                                 {1989, 1, 16, kMon, true},
                                 {2006, 1, 15, kSun, false},  // a cleared Sunday gives no Monday
                                 {2006, 1, 16, kMon, false},
                                 {2000, 5, 6, kSat, false},
                                 {2000, 5, 8, kMon, false},  // the Sunday before is no holiday
                             });
}

TEST(IsHoliday, EmptyTableLeavesOnlyTheComputedRules) {
  ExpectRows(Holidays{}, {
                             {2000, 1, 1, kSat, false},
                             {2000, 1, 10, kMon, true},
                             {2000, 3, 20, kMon, true},
                             {2000, 5, 3, kWed, false},
                             {1979, 3, 21, kWed, false},
                         });
}

TEST(IsHoliday, UserTableEntries) {
  ExpectRows(TableOf({{2005, 6, 1}}), {
                                          {2005, 6, 1, kWed, true},
                                          {2006, 6, 1, kThu, false},
                                      });
  // The January 15 exclusion applies to an entry with a year of its own too.
  ExpectRows(TableOf({{2005, 1, 15}}), {{2005, 1, 15, kSat, false}});
  ExpectRows(TableOf({{1999, 1, 15}}), {{1999, 1, 15, kFri, true}});

  // The substitute rule never looks back into the month before.
  Holidays june = DefaultTable();
  june.HolidayTable[static_cast<std::size_t>(june.HolidayCount++)] = {0, 6, 30};
  ExpectRows(june, {
                       {2002, 6, 30, kSun, true},
                       {2002, 7, 1, kMon, false},
                   });
  // Impossible entries stay in the table and never match, not even as the
  // Sunday "before" the first of a month.
  ExpectRows(TableOf({{0, 13, 1}, {0, 2, 30}, {0, 0, 0}, {0, 7, 0}}),
             {
                 {2001, 2, 28, kWed, false},
                 {2002, 7, 1, kMon, false},
             });
}

TEST(IsHoliday, ReadsOnlyTheEntriesInUse) {
  Holidays h = TableOf({{0, 6, 10}, {0, 6, 12}});
  h.HolidayCount = 1;  // the entry at position 1 is left over, not in use
  ExpectRows(h, {
                    {2001, 6, 10, kSun, true},
                    {2001, 6, 12, kTue, false},
                });
}

// The formula's days over 1980 to 2099, found through the holiday test itself:
// with an empty table, the first holiday of March or September is the equinox
// day, and the only other one is its substitute Monday.
std::map<int, std::vector<int>> EquinoxDays(int month) {
  const Holidays empty;
  std::map<int, std::vector<int>> years_by_day;
  for (int y = 1980; y <= 2099; ++y) {
    std::vector<int> marked;
    for (int d = 1;
         d <= DaysInMonth(static_cast<std::int16_t>(y), static_cast<std::int16_t>(month)); ++d) {
      if (HolidayOn(empty, y, month, d)) marked.push_back(d);
    }
    if (marked.empty()) {
      ADD_FAILURE() << y << "-" << month << " has no equinox day";
      continue;
    }
    const int e = marked.front();
    std::vector<int> expected{e};
    if (ReferenceWeekday(y, month, e) == kSun) expected.push_back(e + 1);
    EXPECT_EQ(marked, expected) << y << "-" << month;
    years_by_day[e].push_back(y);
  }
  return years_by_day;
}

TEST(IsHoliday, VernalEquinoxDaysOver1980To2099) {
  const auto days = EquinoxDays(3);
  ASSERT_EQ(days.size(), 3U);
  EXPECT_EQ(days.at(20).size(), 85U);
  EXPECT_EQ(days.at(21).size(), 33U);
  EXPECT_EQ(days.at(19), (std::vector<int>{2092, 2096}));
}

TEST(IsHoliday, AutumnalEquinoxDaysOver1980To2099) {
  const auto days = EquinoxDays(9);
  ASSERT_EQ(days.size(), 2U);
  EXPECT_EQ(days.at(23).size(), 78U);
  EXPECT_EQ(days.at(22).size(), 42U);
  EXPECT_EQ(days.at(22).front(), 2012);
}

// Within the formula's years the table's March 21 and September 23 add nothing.
TEST(IsHoliday, DefaultTableAgreesWithTheFormulaOnEquinoxMonths) {
  const Holidays empty;
  const Holidays defaults = DefaultTable();
  for (int y = 1980; y <= 2099; ++y) {
    for (int d = 1; d <= 31; ++d) {
      EXPECT_EQ(HolidayOn(defaults, y, 3, d), HolidayOn(empty, y, 3, d)) << y << "-3-" << d;
    }
    for (int d = 17; d <= 30; ++d) {  // past September 15 and its substitute
      EXPECT_EQ(HolidayOn(defaults, y, 9, d), HolidayOn(empty, y, 9, d)) << y << "-9-" << d;
    }
  }
  for (int y : {1979, 2100}) {
    for (int m : {3, 9}) {
      for (int d = 1; d <= 31; ++d)
        EXPECT_FALSE(HolidayOn(empty, y, m, d)) << y << "-" << m << "-" << d;
    }
  }
}

// From 2000 January and October have exactly one computed holiday, the
// Monday among days 8 to 14; before 2000 none.
TEST(IsHoliday, SecondMondayIsTheOnlyComputedHolidayOfJanuaryAndOctober) {
  const Holidays empty;
  for (int y = 1990; y <= 2199; ++y) {
    for (int m : {1, 10}) {
      std::set<int> marked;
      for (int d = 1; d <= 31; ++d) {
        if (HolidayOn(empty, y, m, d)) marked.insert(d);
      }
      std::set<int> expected;
      for (int d = 8; d <= 14 && y >= 2000; ++d) {
        if (ReferenceWeekday(y, m, d) == kMon) expected.insert(d);
      }
      EXPECT_EQ(marked, expected) << y << "-" << m;
    }
  }
}

}  // namespace
}  // namespace ombrelk
