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

const Holiday* FindTableEntry(const Holidays& holidays, int year, int month, int day,
                              bool (*skip)(const Holiday&)) {
  const int count = holidays.HolidayCount;
  for (int k = 0; k < count; ++k) {
    const Holiday& h = holidays.HolidayTable[static_cast<std::size_t>(k)];
    if (h.day == day && h.month == month && (h.year == year || h.year == 0) &&
        (skip == nullptr || !skip(h))) {
      return &h;
    }
  }
  return nullptr;
}

}  // namespace ombrelk
