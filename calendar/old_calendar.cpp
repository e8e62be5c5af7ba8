#include "calendar/old_calendar.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace ombrelk {
namespace {

#include "calendar/old_calendar_table.inc"

// How a table entry packs a month (see the table's own comment).
constexpr int kFirstDayShift = 5;
constexpr std::uint32_t kNumberMask = 0xf;
constexpr std::uint32_t kLeapBit = 1;

// Indexed by (month + day) mod 6: the six follow one another day by day, and
// each month's first day starts them afresh (1月1日 先勝, 2月1日 友引 ...).
constexpr std::array<std::string_view, 6> kRokuyoNames{"大安", "赤口", "先勝",
                                                       "友引", "先負", "仏滅"};

}  // namespace

std::optional<OldDate> ToOldDate(std::chrono::year_month_day date) {
  if (!date.ok() || date < kOldCalendarFirstDay || date > kOldCalendarLastDay) return std::nullopt;
  const auto days = static_cast<std::uint32_t>(
      (std::chrono::sys_days{date} - std::chrono::sys_days{kOldCalendarEpoch}).count());
  // The last month that begins on or before the day: the entries sort by
  // their first day, which sits in the high bits.
  const std::uint32_t next_day_key = (days + 1) << kFirstDayShift;
  const std::uint32_t month = *std::prev(
      std::lower_bound(std::begin(kOldCalendarMonths), std::end(kOldCalendarMonths), next_day_key));
  return OldDate{static_cast<int>(month >> 1 & kNumberMask), (month & kLeapBit) != 0,
                 static_cast<int>(days - (month >> kFirstDayShift)) + 1};
}

std::optional<std::string_view> Rokuyo(std::chrono::year_month_day date) {
  const std::optional<OldDate> old = ToOldDate(date);
  if (!old) return std::nullopt;
  return kRokuyoNames[static_cast<std::size_t>((old->month + old->day) % 6)];
}

}  // namespace ombrelk
