#include "calendar/holiday_table.h"

#include <algorithm>

namespace ombrelk {

void LoadDefaultHolidayTable(Holidays& holidays) {
  std::copy(kDefaultHolidayTable.begin(), kDefaultHolidayTable.end(),
            holidays.HolidayTable.begin());
  holidays.HolidayCount = static_cast<std::int16_t>(kDefaultHolidayTable.size());
}

bool IsDefaultRow(const Holiday& entry) {
  return std::find(kDefaultHolidayTable.begin(), kDefaultHolidayTable.end(), entry) !=
         kDefaultHolidayTable.end();
}

}  // namespace ombrelk
