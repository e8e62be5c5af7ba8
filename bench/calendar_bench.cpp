#include <benchmark/benchmark.h>

#include "calendar/holiday_table.h"
#include "calendar/is_holiday.h"

namespace ombrelk {
namespace {

void BM_IsHolidayDefaultTable(benchmark::State& state) {
  Holidays h;
  LoadDefaultHolidayTable(h);
  for (auto _ : state) benchmark::DoNotOptimize(IsHoliday(h, 2000, 5, 3));
}
BENCHMARK(BM_IsHolidayDefaultTable);

}  // namespace
}  // namespace ombrelk
