#include "calendar/old_calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "calendar/date_printing.h"

namespace ombrelk {
namespace {

using namespace std::chrono;
using testing::IsoDate;

// ICU reckons Japan's old calendar only from 1961 (old_calendar_icu_test.cpp
// compares those days); the ends of the table are checked here.
TEST(ToOldDate, ReachesFrom1873To2100) {
  const struct {
    year_month_day date;
    std::optional<OldDate> old;
  } rows[] = {
      {year{1872} / December / 31, std::nullopt},
      {year{1873} / January / 1, OldDate{12, false, 3}},  // 明治5年12月3日 became 明治6年1月1日
      {year{2100} / December / 31, OldDate{12, false, 1}},
      {year{2101} / January / 1, std::nullopt},
      {year{2026} / February / 29, std::nullopt},
  };
  for (const auto& r : rows) EXPECT_EQ(ToOldDate(r.date), r.old) << IsoDate(r.date);
}

// Each day follows the one before it: the next day of the month, or after a
// month of 29 or 30 days the first day of the next month or of a leap month,
// which repeats the number of an ordinary month.
TEST(ToOldDate, EveryDayFollowsTheDayBefore) {
  const sys_days first{year{1873} / January / 1};
  const sys_days last{year{2100} / December / 31};
  OldDate before = ToOldDate(first).value();
  for (sys_days d = first + days{1}; d <= last; d += days{1}) {
    const OldDate now = ToOldDate(d).value();
    if (now.day != 1) {
      ASSERT_EQ(now, (OldDate{before.month, before.leap, before.day + 1}))
          << IsoDate(year_month_day{d});
    } else {
      ASSERT_TRUE(before.day == 29 || before.day == 30) << IsoDate(year_month_day{d});
      const OldDate leap{before.month, true, 1};
      const OldDate next{before.month % 12 + 1, false, 1};
      ASSERT_TRUE(now == next || (now == leap && !before.leap)) << IsoDate(year_month_day{d});
    }
    before = now;
  }
}

}  // namespace
}  // namespace ombrelk
