// The old calendar and the eras against ICU's calendars, as Node's Intl writes
// them out (old_calendar/icu_dump.js, run by the test old_calendar_icu_dump).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/date_printing.h"
#include "calendar/japanese_era.h"
#include "calendar/old_calendar.h"

namespace ombrelk {
namespace {

using namespace std::chrono;
using testing::IsoDate;

struct IcuDay {
  year_month_day date;
  OldDate old;
};

struct IcuEra {
  year_month_day date;
  std::string era;
  int year;
};

struct IcuDump {
  std::vector<IcuDay> dangi;
  std::vector<IcuEra> eras;
};

year_month_day ParseDate(const std::string& text) {
  int y = 0;
  unsigned m = 0, d = 0;
  std::sscanf(text.c_str(), "%d-%u-%u", &y, &m, &d);
  return year{y} / month{m} / day{d};
}

IcuDump ReadDump() {
  IcuDump dump;
  std::ifstream in(OMBRELK_ICU_DUMP);
  if (!in) {
    ADD_FAILURE() << "ICU's dates are missing: " << OMBRELK_ICU_DUMP
                  << " (ctest runs old_calendar_icu_dump first; it needs node)";
  }
  std::string line, kind, date;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    fields >> kind >> date;
    if (kind == "dangi") {
      IcuDay day{ParseDate(date), {}};
      fields >> day.old.month >> day.old.leap >> day.old.day;
      dump.dangi.push_back(day);
    } else {
      IcuEra era{ParseDate(date), {}, 0};
      fields >> era.era >> era.year;
      dump.eras.push_back(era);
    }
  }
  return dump;
}

const IcuDump& Dump() {
  static const IcuDump kDump = ReadDump();
  return kDump;
}

// Months whose first day hangs on a new moon within minutes of midnight in
// Japan. The table follows its own astronomy (Meeus' new moons, Espenak and
// Meeus' TT - UT); ICU starts these months on the other day.
struct NearMidnight {
  year_month_day ours, icu;  // each one's first day of the month
  const char* new_moon;      // in Japan Standard Time, as the table's tool computes it
  const char* why;
};

const NearMidnight kNearMidnight[] = {
    {year{2017} / February / 26, year{2017} / February / 27, "2017-02-26 23:58:19",
     "Japan's almanacs too put 2月1日 on the 26th; ICU's moon is coarser"},
    {year{2051} / August / 7, year{2051} / August / 6, "2051-08-07 00:04:44",
     "ICU's coarser moon comes before midnight"},
    {year{2051} / November / 3, year{2051} / November / 4, "2051-11-03 23:59:09",
     "TT - UT (94 s here) decides"},
    {year{2097} / January / 13, year{2097} / January / 14, "2097-01-13 23:59:56",
     "TT - UT (196 s here) decides"},
};

// The days from the earlier of the two first days to the end of our month.
bool InNearMidnightMonth(sys_days d) {
  for (const NearMidnight& m : kNearMidnight) {
    const sys_days from = std::min(sys_days{m.ours}, sys_days{m.icu});
    if (d < from || d > from + days{31}) continue;
    sys_days end = sys_days{m.ours} + days{1};
    while (ToOldDate(end)->day != 1) end += days{1};
    if (d < end) return true;
  }
  return false;
}

// Korea's calendar reckons at UTC+9 like Japan's since 1961, and makes its
// leap months by the same rule, so every day from 1961 to 2100 agrees but the
// months listed above.
TEST(OldCalendarAgainstIcu, EveryDayFrom1961To2100) {
  int compared = 0, passed_over = 0;
  for (const IcuDay& icu : Dump().dangi) {
    if (InNearMidnightMonth(sys_days{icu.date})) {
      ++passed_over;
      continue;
    }
    EXPECT_EQ(ToOldDate(icu.date), icu.old) << IsoDate(icu.date);
    ++compared;
  }
  EXPECT_EQ(compared + passed_over, 51134);  // every day of 1961 to 2100
  std::cout << compared << " days compared, " << passed_over << " near midnight passed over\n";
}

// Each listed month begins where the table says and ICU the other day; when
// either changes, the list needs looking at again.
TEST(OldCalendarAgainstIcu, NearMidnightMonthsBeginOnTheListedDays) {
  for (const NearMidnight& m : kNearMidnight) {
    EXPECT_EQ(ToOldDate(m.ours)->day, 1) << m.new_moon << ": " << m.why;
    bool icu_starts = false;
    for (const IcuDay& icu : Dump().dangi) icu_starts |= icu.date == m.icu && icu.old.day == 1;
    EXPECT_TRUE(icu_starts) << m.new_moon << ": " << m.why;
  }
}

// The first day of every month from 1873 and the days around each era's start.
TEST(EraAgainstIcu, FirstDaysAndEraChanges) {
  ASSERT_GE(Dump().eras.size(), 12u * (2100 - 1873 + 1));
  for (const IcuEra& icu : Dump().eras) {
    EXPECT_EQ(ToEra(icu.date), (EraYear{icu.era, icu.year})) << IsoDate(icu.date);
  }
}

}  // namespace
}  // namespace ombrelk
