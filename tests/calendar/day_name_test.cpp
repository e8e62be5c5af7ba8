#include "calendar/day_name.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/list_files.h"

namespace ombrelk {
namespace {

using namespace std::chrono;
using namespace list_files;

// A published list of 2025 to 2027 that has a day off the law does not know,
// named in kanji of the IBM extension rows, and lacks the law's 文化の日.
HolidayList PublishedList() {
  const std::string bytes = kHeader932 + "\r\n2025/1/1," + kGanjitsu932 + "\r\n2026/5/6," +
                            kKyujitsu932 + "\r\n2026/6/15," + kTakasaki932 + "\r\n2026/9/21," +
                            kKeiro932 + "\r\n2026/9/22," + kKyujitsu932 + "\r\n2027/1/1," +
                            kGanjitsu932 + "\r\n";
  HolidayList list;
  EXPECT_TRUE(Read(bytes, list).ok());
  return list;
}

TEST(DayName, TheListDecidesTheYearsItCoversAndTheLawTheOthers) {
  Holidays table;
  LoadDefaultHolidayTable(table);
  for (const Holiday e : {Holiday{0, 6, 28}, Holiday{2026, 6, 16}})
    table.HolidayTable[static_cast<std::size_t>(table.HolidayCount++)] = e;
  const HolidayList list = PublishedList();
  const HolidayList none;
  const struct {
    bool law_mode;
    const HolidayList& list;
    int y, m, d;
    bool coloured;
    const char* name;
  } rows[] = {
      {true, list, 2026, 6, 15, true, "髙﨑記念日"},  // the list's own day
      {true, list, 2026, 5, 6, true, "振替休日"},     // its 休日, as the law names them
      {true, list, 2026, 9, 22, true, "国民の休日"},
      {true, list, 2026, 9, 21, true, "敬老の日"},
      {true, list, 2026, 11, 3, false, ""},     // the law's day, not listed; a default row
      {true, list, 2026, 6, 16, true, "休日"},  // the user's own dates
      {true, list, 2027, 6, 28, true, "休日"},
      {true, list, 2026, 6, 29, false, ""},  // after a user's Sunday
      {true, list, 2027, 12, 31, false, ""},
      {true, list, 2024, 11, 4, true, "振替休日"},  // the law before the list
      {true, list, 2028, 1, 1, true, "元日"},       // and after it
      {true, list, 2028, 6, 15, false, ""},
      {true, list, 2028, 6, 28, true, "休日"},
      {true, none, 2026, 11, 3, true, "文化の日"},
      {true, none, 2026, 6, 15, false, ""},
      {false, list, 2026, 11, 3, true, ""},   // outside law mode the table and the
      {false, list, 2026, 6, 15, false, ""},  // year 2000's rules, and no names
      {false, list, 2026, 6, 28, true, ""},
  };
  for (const auto& r : rows) {
    const year_month_day date = year{r.y} / r.m / r.d;
    const std::string where = std::to_string(r.y) + "-" + std::to_string(r.m) + "-" +
                              std::to_string(r.d) + (r.law_mode ? " law" : "");
    EXPECT_EQ(IsHolidayColoured(table, r.law_mode, r.list, date), r.coloured) << where;
    EXPECT_EQ(DayName(table, r.law_mode, r.list, date), r.name) << where;
  }
}

}  // namespace
}  // namespace ombrelk
