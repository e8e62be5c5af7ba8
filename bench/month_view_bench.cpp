#include <benchmark/benchmark.h>

#include "headless_run.h"
#include "view/month_view.h"

namespace ombrelk {
namespace {

constexpr int kMonths = 1200;

// A hundred years of stepping to the next month in the started headless
// window, as the next-month button does.
void BM_ShowMonthNext(benchmark::State& state) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  for (auto _ : state) {
    p.state.ViewMonth = {1989, 12};  // each batch walks 1990 to 2089, far from the year guard
    for (int i = 0; i < kMonths; ++i) ShowMonth(p.state, p.frmMain, p.sys.clock, 1);
    benchmark::DoNotOptimize(p.frmMain.lblDay(41).Caption().size());
  }
  state.SetItemsProcessed(state.iterations() * kMonths);
  // Seconds per ShowMonth call.
  state.counters["per_call"] = benchmark::Counter(
      kMonths, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ShowMonthNext)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrelk
