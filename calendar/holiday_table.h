#pragma once

#include <array>
#include <cstdint>

namespace ombrelk {

// One entry of the holiday table; year 0 means every year.
struct Holiday {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  friend bool operator==(const Holiday&, const Holiday&) = default;
};

inline constexpr int kHolidayCapacity = 100;

// The user's holiday table. Entries 1 to HolidayCount are in use, entry k at
// position k - 1, in the order the settings file lists them. Nothing sorts
// or validates them: an impossible date simply never matches.
struct Holidays {
  std::array<Holiday, kHolidayCapacity> HolidayTable{};
  std::int16_t HolidayCount = 0;  // 0 to 100
};

// Japan's fixed public holidays. January 15 and October 10 stand at their
// dates before 2000, and the equinox days at March 21 and September 23; the
// holiday test moves them where the computed rules apply.
inline constexpr std::array<Holiday, 15> kDefaultHolidayTable{{
    {0, 1, 1},
    {0, 1, 15},
    {0, 2, 11},
    {0, 3, 21},
    {0, 4, 29},
    {0, 5, 3},
    {0, 5, 4},
    {0, 5, 5},
    {0, 7, 20},
    {0, 9, 15},
    {0, 9, 23},
    {0, 10, 10},
    {0, 11, 3},
    {0, 11, 23},
    {0, 12, 23},
}};

void LoadDefaultHolidayTable(Holidays& holidays);

// Whether an entry equals one of the fifteen default rows, wherever it stands.
bool IsDefaultRow(const Holiday& entry);

// The first entry in use that falls on the date (its year equal or 0), leaving
// out the entries skip names; null when there is none. Inline, as it runs for
// every painted day cell.
template <typename Skip>
const Holiday* FindTableEntry(const Holidays& holidays, int year, int month, int day, Skip skip) {
  const int count = holidays.HolidayCount;
  for (int k = 0; k < count; ++k) {
    const Holiday& h = holidays.HolidayTable[static_cast<std::size_t>(k)];
    if (h.day == day && h.month == month && (h.year == year || h.year == 0) && !skip(h)) {
      return &h;
    }
  }
  return nullptr;
}

inline const Holiday* FindTableEntry(const Holidays& holidays, int year, int month, int day) {
  return FindTableEntry(holidays, year, month, day, [](const Holiday&) { return false; });
}

}  // namespace ombrelk
