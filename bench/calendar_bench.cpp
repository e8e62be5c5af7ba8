#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "calendar/date_helpers.h"
#include "calendar/holiday_table.h"
#include "calendar/is_holiday.h"

namespace ombrelk {
namespace {

struct Date {
  std::int16_t year, month, day;
};

// Every day of 1900 to 2199: all three computed rules and the table get their turn.
const std::vector<Date>& EveryDay() {
  static const std::vector<Date> days = [] {
    std::vector<Date> out;
    for (std::int16_t y = 1900; y <= 2199; ++y) {
      for (std::int16_t m = 1; m <= 12; ++m) {
        for (std::int16_t d = 1; d <= DaysInMonth(y, m); ++d) out.push_back({y, m, d});
      }
    }
    return out;
  }();
  return days;
}

void RunOverEveryDay(benchmark::State& state, const Holidays& holidays) {
  const auto& days = EveryDay();
  for (auto _ : state) {
    for (const Date& date : days) {
      benchmark::DoNotOptimize(IsHoliday(holidays, date.year, date.month, date.day));
    }
  }
  const auto calls = static_cast<std::int64_t>(days.size());
  state.SetItemsProcessed(state.iterations() * calls);
  // Seconds per IsHoliday call.
  state.counters["per_call"] =
      benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_IsHolidayDefaultTable(benchmark::State& state) {
  Holidays holidays;
  LoadDefaultHolidayTable(holidays);
  RunOverEveryDay(state, holidays);
}
BENCHMARK(BM_IsHolidayDefaultTable)->Unit(benchmark::kMillisecond);

// The longest scan: 100 entries of which none matches.
void BM_IsHolidayFullTable(benchmark::State& state) {
  Holidays holidays;
  for (auto& entry : holidays.HolidayTable) entry = {1, 1, 1};
  holidays.HolidayCount = kHolidayCapacity;
  RunOverEveryDay(state, holidays);
}
BENCHMARK(BM_IsHolidayFullTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrelk
