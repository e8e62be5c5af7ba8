#include "calendar/date_helpers.h"

#include <gtest/gtest.h>

#include "calendar/reference_weekday.h"

namespace ombrelk {
namespace {

using testing::ReferenceWeekday;

static_assert(IsLeapYear(2000) && !IsLeapYear(1900));
static_assert(DaysInMonth(2000, 2) == 29 && DaysInMonth(2001, 2) == 28);

TEST(IsLeapYear, GregorianRule) {
  const struct {
    std::int16_t year;
    bool leap;
  } rows[] = {
      {2000, true}, {2004, true}, {1900, false}, {2100, false}, {1999, false},
      {1600, true}, {2400, true}, {1700, false}, {4, true},     {1, false},
      {0, true},    {-4, true},   {-100, false}, {9999, false}, {32000, true},
  };
  for (const auto& r : rows) EXPECT_EQ(IsLeapYear(r.year), r.leap) << r.year;
}

TEST(DaysInMonth, LengthsAndOutOfRangeMonths) {
  const struct {
    std::int16_t year, month, days;
  } rows[] = {
      {2000, 2, 29},  {1900, 2, 28},  {2001, 2, 28}, {2000, 4, 30}, {2000, 9, 30},
      {2000, 12, 31}, {2000, 13, 31}, {2000, 0, 31}, {2000, 1, 31}, {2000, 3, 31},
      {2000, 5, 31},  {2000, 6, 30},  {2000, 7, 31}, {2000, 8, 31}, {2000, 10, 31},
      {2000, 11, 30}, {2000, -1, 31}, {2004, 2, 29}, {2100, 2, 28},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(DaysInMonth(r.year, r.month), r.days) << r.year << "-" << r.month;
  }
}

// Every day of three centuries, leap days and century years included.
TEST(WeekdayOf, AgreesWithAnIndependentFormulaOverEveryDayOf1900To2199) {
  int days = 0;
  for (int y = 1900; y <= 2199; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const int n = DaysInMonth(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m));
      for (int d = 1; d <= n; ++d, ++days) {
        ASSERT_EQ(WeekdayOf(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                            static_cast<std::int16_t>(d)),
                  ReferenceWeekday(y, m, d))
            << y << "-" << m << "-" << d;
      }
    }
  }
  EXPECT_EQ(days, 300 * 365 + 73);  // 75 years divisible by 4, less 1900 and 2100
}

TEST(WeekdayOf, EndsOfTheYearRange) {
  EXPECT_EQ(WeekdayOf(1, 1, 1), kMonday);
  EXPECT_EQ(WeekdayOf(9999, 12, 31), ReferenceWeekday(9999, 12, 31));
  EXPECT_EQ(WeekdayOf(100, 3, 1), ReferenceWeekday(100, 3, 1));
}

}  // namespace
}  // namespace ombrelk
