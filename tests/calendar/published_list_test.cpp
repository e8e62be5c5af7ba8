#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calendar/day_name.h"
#include "calendar/holiday_law.h"
#include "calendar/list_files.h"

namespace ombrelk {
namespace {

using namespace std::chrono;

// The data set the law mode is checked against, as make_published_list.sh
// writes it for CTest before this test runs.
std::string PublishedListBytes() {
  std::ifstream in(OMBRELK_PUBLISHED_LIST, std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "No list at " << OMBRELK_PUBLISHED_LIST
                  << "\nRun this test through ctest, which writes it first.";
    return {};
  }
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(PublishedList, KeepsTheLawsDaysOffAndNamesFrom1970To2050) {
  const std::string bytes = PublishedListBytes();
  ASSERT_FALSE(bytes.starts_with(kHolidayListHeader)) << "the list is to be in code page 932";
  HolidayList list;
  const ListReadResult read = list_files::Read(bytes, list);
  ASSERT_TRUE(read.ok()) << read.refusal;
  ASSERT_GE(list.days.size(), 1300U);
  ASSERT_EQ(list.first_year, year{1970});
  ASSERT_EQ(list.last_year, year{2050});

  Holidays table;
  LoadDefaultHolidayTable(table);
  int differences = 0;
  for (sys_days day = sys_days{year{1970} / 1 / 1}; day <= sys_days{year{2050} / 12 / 31};
       day += days{1}) {
    const year_month_day date{day};
    const bool law_off =
        IsLawHoliday(table, static_cast<std::int16_t>(static_cast<int>(date.year())),
                     static_cast<std::int16_t>(static_cast<unsigned>(date.month())),
                     static_cast<std::int16_t>(static_cast<unsigned>(date.day())));
    if (IsHolidayColoured(table, true, list, date) == law_off &&
        DayName(table, true, list, date) == LawHolidayName(table, date)) {
      continue;
    }
    ADD_FAILURE() << static_cast<int>(date.year()) << "-" << static_cast<unsigned>(date.month())
                  << "-" << static_cast<unsigned>(date.day()) << ": by the law "
                  << LawHolidayName(table, date) << ", by the list "
                  << DayName(table, true, list, date);
    if (++differences == 10) return;
  }
}

}  // namespace
}  // namespace ombrelk
