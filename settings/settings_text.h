#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_table.h"

namespace ombrelk {

// Splits a settings file into lines. A line ends at a carriage return (a line
// feed right after it belongs to the same end) or at a bare line feed; a
// UTF-8 byte-order mark at the start is skipped.
std::vector<std::string_view> SplitSettingsLines(std::string_view content);

// The holiday line's entries, as the writer stores them: "HOLIDAY  :00000101...".
std::string HolidayLine(const Holidays& holidays);

// The entries of a holiday line, read from position 11 to the end of the line
// or of the 100th entry. failed is set when an entry has an empty or
// non-numeric field; entries then holds the complete entries before it.
struct HolidayLineResult {
  std::vector<Holiday> entries;
  bool failed = false;
};
HolidayLineResult ReadHolidayLine(std::string_view line);

}  // namespace ombrelk
