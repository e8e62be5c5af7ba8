#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calendar/day_name.h"
#include "calendar/list_files.h"

namespace ombrelk {
namespace {

using namespace std::chrono;

// The data set the law mode is checked against, written by
// make_published_list.sh as the Cabinet Office publishes its list: the law
// mode with it must have the same days off, with the same names, as without.
TEST(PublishedList, KeepsTheLawsDaysOffAndNamesFrom1970To2050) {
  std::ifstream in(OMBRELK_PUBLISHED_LIST, std::ios::binary);
  ASSERT_TRUE(in) << "No list at " << OMBRELK_PUBLISHED_LIST << "; ctest writes it first.";
  std::stringstream bytes;
  bytes << in.rdbuf();
  ASSERT_FALSE(bytes.str().starts_with(kHolidayListHeader)) << "not in code page 932";
  HolidayList list;
  const ListReadResult read = list_files::Read(bytes.str(), list);
  ASSERT_TRUE(read.ok()) << read.refusal;
  ASSERT_EQ(list.first_year, year{1970});
  ASSERT_EQ(list.last_year, year{2050});

  Holidays table;
  LoadDefaultHolidayTable(table);
  const HolidayList none;
  int differences = 0;
  for (sys_days day = sys_days{1970y / 1 / 1}; day <= sys_days{2050y / 12 / 31}; day += days{1}) {
    const year_month_day date{day};
    const std::string_view law = DayName(table, true, none, date);
    const std::string_view listed = DayName(table, true, list, date);
    if (IsHolidayColoured(table, true, list, date) == IsHolidayColoured(table, true, none, date) &&
        listed == law) {
      continue;
    }
    ADD_FAILURE() << static_cast<int>(date.year()) << "-" << static_cast<unsigned>(date.month())
                  << "-" << static_cast<unsigned>(date.day()) << ": by the law " << law
                  << ", by the list " << listed;
    if (++differences == 10) return;
  }
}

}  // namespace
}  // namespace ombrelk
