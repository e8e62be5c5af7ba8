#include "calendar/today.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/backends/headless/headless_platform.h"

namespace ombrelk {
namespace {

using namespace std::chrono;

TEST(RefreshToday, TextsKeepTheirLeadingZeros) {
  const struct {
    year_month_day date;
    const char *year, *month, *day, *caption;
  } rows[] = {
      {2000y / 1 / 5, "2000", "01", "05", "2000/01/05"},
      {1999y / 12 / 31, "1999", "12", "31", "1999/12/31"},
      {2000y / 10 / 10, "2000", "10", "10", "2000/10/10"},
      {2024y / 2 / 29, "2024", "02", "29", "2024/02/29"},
  };
  for (const auto& r : rows) {
    HeadlessPlatform platform;
    platform.today = r.date;
    Today today;
    RefreshToday(today, platform);
    EXPECT_EQ(today.TodayDate, r.date);
    EXPECT_EQ(today.TodayYear, r.year);
    EXPECT_EQ(today.TodayMonth, r.month);
    EXPECT_EQ(today.TodayDay, r.day);
    EXPECT_EQ(TodayCaption(today), r.caption);
  }
}

// A clock that moves on by a day each time it is read, as if midnight passed
// between two reads.
class RacingClock : public Clock {
 public:
  year_month_day Today() const override {
    const year_month_day answer{sys_days{next_}};
    next_ += days{1};
    return answer;
  }
  std::string ShortDateText() const override { return {}; }

 private:
  mutable sys_days next_{2000y / 1 / 31};
};

TEST(RefreshToday, AllTextsComeFromOneReadingOfTheClock) {
  RacingClock clock;
  Today today;
  RefreshToday(today, clock);
  EXPECT_EQ(TodayCaption(today), "2000/01/31");

  RefreshToday(today, clock);  // reads anew each time
  EXPECT_EQ(TodayCaption(today), "2000/02/01");
  EXPECT_EQ(today.TodayDate, 2000y / 2 / 1);
}

}  // namespace
}  // namespace ombrelk
