#include <gtest/gtest.h>

#include "headless_run.h"

namespace ombrelk {
namespace {

TEST(Smoke, ProgramStarts) {
  testing::HeadlessRun run;
  EXPECT_NO_FATAL_FAILURE(run.Start());
}

}  // namespace
}  // namespace ombrelk
