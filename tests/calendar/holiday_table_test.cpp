#include "calendar/holiday_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "headless_run.h"

namespace ombrelk {
namespace {

// The fifteen fixed Japanese holidays, in the order the settings file lists them.
const std::vector<Holiday> kExpectedDefaults = {
    {0, 1, 1},  {0, 1, 15},  {0, 2, 11}, {0, 3, 21},  {0, 4, 29},
    {0, 5, 3},  {0, 5, 4},   {0, 5, 5},  {0, 7, 20},  {0, 9, 15},
    {0, 9, 23}, {0, 10, 10}, {0, 11, 3}, {0, 11, 23}, {0, 12, 23},
};

std::vector<Holiday> InUse(const Holidays& h) {
  return {h.HolidayTable.begin(), h.HolidayTable.begin() + h.HolidayCount};
}

TEST(DefaultHolidayTable, FifteenEntriesInOrder) {
  EXPECT_EQ(std::vector<Holiday>(kDefaultHolidayTable.begin(), kDefaultHolidayTable.end()),
            kExpectedDefaults);

  Holidays h;
  h.HolidayCount = 3;
  h.HolidayTable[20] = {2005, 6, 1};
  LoadDefaultHolidayTable(h);
  EXPECT_EQ(h.HolidayCount, 15);
  EXPECT_EQ(InUse(h), kExpectedDefaults);
  EXPECT_EQ(h.HolidayTable[20], (Holiday{2005, 6, 1}));  // positions after 15 untouched
}

TEST(DefaultHolidayTable, StartingWithoutASettingsFileLoadsIt) {
  testing::HeadlessRun run;
  const Program& p = run.Start();
  EXPECT_EQ(InUse(p.state.holidays), kExpectedDefaults);
}

}  // namespace
}  // namespace ombrelk
