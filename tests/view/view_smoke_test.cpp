#include <gtest/gtest.h>

#include "headless_run.h"
#include "view/month_view.h"

namespace ombrelk {
namespace {

TEST(MonthViewSmoke, StartUpDrawsTheCurrentMonth) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  EXPECT_EQ(p.frmMain.Caption(), "2000/05/07");
  EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/05");
  // 1 May 2000 is a Monday: column 1 with Sunday first.
  EXPECT_EQ(p.frmMain.lblDay(0).Caption(), "");
  EXPECT_EQ(p.frmMain.lblDay(1).Caption(), "1");
  EXPECT_EQ(p.frmMain.lblDay(7).Caption(), "7");
  EXPECT_EQ(p.frmMain.lblDay(7).ForeColor(), kYellow);
}

}  // namespace
}  // namespace ombrelk
