// A whole run of the calendar on the headless platform: start-up reads the
// settings file and draws the month, shut-down writes the file durably (a
// temporary file flushed to the disk, then renamed) into a real folder.

#include <benchmark/benchmark.h>

#include "headless_run.h"

namespace ombrelk {
namespace {

void RunOnce(const std::filesystem::path& settings_file) {
  HeadlessPlatform platform;
  Program program(platform.services(), testing::AsFilePath(settings_file));
  program.frmMain.SetHwnd(0x1001);
  program.Start();
  program.frmMain.mnuEnd.Click();
  benchmark::DoNotOptimize(platform.calls.data());
}

// The usual run: the file a shut-down wrote is there to be read.
void BM_StartUpAndShutDown(benchmark::State& state) {
  testing::TempDir dir;
  const auto settings_file = dir.path() / "Ombrelk.ini";
  RunOnce(settings_file);
  for (auto _ : state) RunOnce(settings_file);
}
BENCHMARK(BM_StartUpAndShutDown)->Unit(benchmark::kMillisecond);

// The first start: no file, so start-up recreates it and shut-down writes it again.
void BM_FirstStartAndShutDown(benchmark::State& state) {
  testing::TempDir dir;
  const auto settings_file = dir.path() / "Ombrelk.ini";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(settings_file);
    state.ResumeTiming();
    RunOnce(settings_file);
  }
}
BENCHMARK(BM_FirstStartAndShutDown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrelk
