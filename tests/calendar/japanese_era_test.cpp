#include "calendar/japanese_era.h"

#include <gtest/gtest.h>

#include <chrono>

#include "calendar/date_printing.h"

namespace ombrelk {
namespace {

using namespace std::chrono;

// The era ends and the old calendar's are checked day by day against ICU in
// old_calendar_icu_test.cpp; these are the text's own cases.
TEST(EraAndRokuyoText, WritesTheDayAsAWallCalendarDoes) {
  const struct {
    year_month_day date;
    const char* text;
  } rows[] = {
      {year{1872} / December / 31, ""},                        // before Japan's Gregorian calendar
      {year{1873} / January / 1, "明治6年1月1日（水） 友引"},  // 明治5年12月3日
      {year{1989} / January / 7, "昭和64年1月7日（土） 仏滅"},
      {year{1989} / January / 8, "平成元年1月8日（日） 赤口"},
      {year{2012} / April / 23, "平成24年4月23日（月） 大安"},  // 閏3月3日 counts as the 3rd month
      {year{2019} / May / 1, "令和元年5月1日（水） 大安"},
      {year{2026} / December / 7, "令和8年12月7日（月） 友引"},
      {year{2033} / December / 25, "令和15年12月25日（日） 友引"},  // 閏11月4日
      {year{2100} / December / 31, "令和82年12月31日（金） 赤口"},
      {year{2101} / January / 1, "令和83年1月1日（土）"},  // past the old calendar's table
      {year{2026} / February / 30, ""},
  };
  for (const auto& r : rows)
    EXPECT_EQ(EraAndRokuyoText(r.date), r.text) << testing::IsoDate(r.date);
}

}  // namespace
}  // namespace ombrelk
