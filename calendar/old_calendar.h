#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace ombrelk {

// A day of the old lunisolar calendar (旧暦) as Japan reckons it: a month
// begins on the day in Japan that holds a new moon, and the month that holds
// the winter solstice is the 11th. A leap month (閏月) repeats the number of
// the month before it.
struct OldDate {
  int month;  // 1 to 12
  bool leap;
  int day;  // 1 to 30
  friend bool operator==(const OldDate&, const OldDate&) = default;
};

// The old calendar's date of a Gregorian day from 1873-01-01, when Japan left
// the old calendar, to 2100-12-31; nothing for other days.
std::optional<OldDate> ToOldDate(std::chrono::year_month_day date);

// The day's 六曜 (先勝, 友引, 先負, 仏滅, 大安, 赤口), which follows from the
// old calendar's month and day; nothing where ToOldDate gives nothing.
std::optional<std::string_view> Rokuyo(std::chrono::year_month_day date);

}  // namespace ombrelk
