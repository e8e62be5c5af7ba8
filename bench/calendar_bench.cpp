#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "calendar/date_helpers.h"
#include "calendar/holiday_law.h"
#include "calendar/holiday_table.h"
#include "calendar/is_holiday.h"
#include "calendar/japanese_era.h"

namespace ombrelk {
namespace {

struct Date {
  std::int16_t year, month, day;
};

std::vector<Date> DaysOf(std::int16_t first_year, std::int16_t last_year) {
  std::vector<Date> out;
  for (std::int16_t y = first_year; y <= last_year; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      for (std::int16_t d = 1; d <= DaysInMonth(y, m); ++d) out.push_back({y, m, d});
    }
  }
  return out;
}

// Every day of 1900 to 2199: all three computed rules and the table get their turn.
const std::vector<Date>& EveryDay() {
  static const std::vector<Date> days = DaysOf(1900, 2199);
  return days;
}

// Every day the law mode's rules reach: from the Act's first year to the last
// year of the equinox formula.
const std::vector<Date>& EveryLawDay() {
  static const std::vector<Date> days = DaysOf(1948, 2150);
  return days;
}

template <typename Test>
void RunOver(benchmark::State& state, const std::vector<Date>& days, Test is_holiday) {
  for (auto _ : state) {
    for (const Date& date : days) {
      benchmark::DoNotOptimize(is_holiday(date.year, date.month, date.day));
    }
  }
  const auto calls = static_cast<std::int64_t>(days.size());
  state.SetItemsProcessed(state.iterations() * calls);
  // Seconds per call of the holiday test.
  state.counters["per_call"] =
      benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void RunOverEveryDay(benchmark::State& state, const Holidays& holidays) {
  RunOver(state, EveryDay(), [&holidays](std::int16_t y, std::int16_t m, std::int16_t d) {
    return IsHoliday(holidays, y, m, d);
  });
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

// The law mode's test with the default table (whose rows it
// passes over) as the program starts with it.
void BM_LawHolidayDefaultTable(benchmark::State& state) {
  Holidays holidays;
  LoadDefaultHolidayTable(holidays);
  RunOver(state, EveryLawDay(), [&holidays](std::int16_t y, std::int16_t m, std::int16_t d) {
    return IsLawHoliday(holidays, y, m, d);
  });
}
BENCHMARK(BM_LawHolidayDefaultTable)->Unit(benchmark::kMillisecond);

// The era date and 六曜 of every day the old calendar's table covers.
void BM_EraAndRokuyoText(benchmark::State& state) {
  static const std::vector<Date> kDays = DaysOf(1873, 2100);
  RunOver(state, kDays, [](std::int16_t y, std::int16_t m, std::int16_t d) {
    return EraAndRokuyoText(std::chrono::year{y} / m / d);
  });
}
BENCHMARK(BM_EraAndRokuyoText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrelk
