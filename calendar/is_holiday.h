#pragma once

#include <cstdint>

#include "calendar/holiday_table.h"

namespace ombrelk {

// Whether a valid Gregorian date is a Japanese public holiday: the table,
// the second-Monday rule from 2000, the equinox formula for 1980 to 2099 and
// the substitute Monday after a holiday Sunday of the same month.
bool IsHoliday(const Holidays& holidays, std::int16_t year, std::int16_t month, std::int16_t day);

}  // namespace ombrelk
