// The tray icon and the window's visibility: the icon's record, the tray
// callback encoded in the mouse-move event, minimising and the show entry.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "headless_run.h"
#include "settings/settings_fixtures.h"
#include "shell/shell_fixtures.h"

namespace ombrelk {
namespace {

using testing::CallsSince;
using testing::CallsTo;
using testing::ExampleFile;
using testing::HeadlessRun;
using testing::kForceForegroundCalls;
using testing::Saved;
using testing::TrayCall;
using testing::TrayNotify;
using testing::ZOrderCall;

using Calls = std::vector<std::string>;

TEST(TrayIcon, IsAddedAtStartAndRemovedWithTheSameRecord) {
  HeadlessRun run;
  run.WriteSettings(ExampleFile());
  Program& p = run.Start();
  EXPECT_EQ(CallsTo(run, "Shell_NotifyIcon"), Calls{TrayCall(0)});
  const TrayIconRecord& rec = p.TrayIcon;
  EXPECT_EQ(std::string(rec.szTip.data()), "2000/05/07");
  for (std::size_t i = 10; i < rec.szTip.size(); ++i) EXPECT_EQ(rec.szTip[i], '\0') << i;

  // Past midnight the caption follows the date, the tip does not.
  run.platform.today = std::chrono::year{2000} / 5 / 8;
  p.frmMain.cmdSwitchMonth(1).Click();
  EXPECT_EQ(p.frmMain.Caption(), "2000/05/08");
  p.frmMain.mnuEnd_Click();
  EXPECT_EQ(CallsTo(run, "Shell_NotifyIcon"), (Calls{TrayCall(0), TrayCall(2)}));
}

TEST(TrayIcon, TheStartDecidesTheWindowsVisibility) {
  const struct {
    const char* show;
    const char* min;
    bool visible;
  } rows[] = {
      {"0", "0", false}, {"0", "1", false}, {"1", "0", true},
      {"1", "1", false}, {"7", "0", true},  {"7", "1", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string("show ") + r.show + ", min " + r.min);
    HeadlessRun run;
    run.WriteSettings(Saved{.show = r.show, .min = r.min}.Text());
    EXPECT_EQ(run.Start().frmMain.Visible(), r.visible);
  }
}

TEST(TrayCallback, ActsOnlyOnADoubleClickOrARightPress) {
  const Calls right_press{"SetForegroundWindow(0x1001)", "DoEvents()", "PopupMenu(mnuTray)"};
  Calls show_and_raise = kForceForegroundCalls;
  show_and_raise.emplace_back("DoEvents()");
  const struct {
    const char* name;
    bool visible;
    float x;  // twips
    float twips_per_pixel;
    bool visible_after;
    Calls calls;
  } rows[] = {
      {"double-click on a shown window", true, 515 * 15, 15, false, {}},
      {"double-click on a hidden window", false, 515 * 15, 15, true, show_and_raise},
      {"right press, shown", true, 516 * 15, 15, true, right_press},
      {"right press, hidden", false, 516 * 15, 15, false, right_press},
      {"plain move over the icon", true, 512 * 15, 15, true, {}},
      {"left button down", false, 513 * 15, 15, false, {}},
      {"left button up", true, 514 * 15, 15, true, {}},
      {"right button up", false, 517 * 15, 15, false, {}},
      {"a real move over the window", true, 1200, 15, true, {}},
      {"rounds to 7732 twips: 515", true, 7732.4F, 15, false, {}},
      {"7724 twips: 514", true, 7724, 15, true, {}},
      {"at 12 twips a pixel", true, 515 * 12, 12, false, {}},
      {"15-twip code at 12 twips a pixel", true, 515 * 15, 12, true, {}},
      {"far off", true, 3e38F, 15, true, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    run.WriteSettings(Saved{.min = r.visible ? "0" : "1"}.Text());
    run.platform.twips_per_pixel = r.twips_per_pixel;
    Program& p = run.Start();
    const std::size_t before = run.platform.calls.size();
    p.frmMain.MouseMove(0, 0, r.x, 0);
    EXPECT_EQ(p.frmMain.Visible(), r.visible_after);
    EXPECT_EQ(CallsSince(run, before), r.calls);
  }
}

TEST(TrayCallback, TheTrayMenuShowsTheWindowFromTheTray) {
  HeadlessRun run;
  run.WriteSettings(Saved{.min = "1"}.Text());
  Program& p = run.Start();
  run.platform.on_popup = [](MenuItem& menu) { menu.items.front()->Click(); };
  TrayNotify(p.frmMain, 516);
  EXPECT_TRUE(p.frmMain.Visible());
  EXPECT_EQ(run.platform.calls.back(), ZOrderCall(p.frmMain, 0, 5, 24));
}

TEST(Minimise, SendsTheWindowToTheTrayInItsNormalState) {
  HeadlessRun run;
  FrmMain& frm = run.Start().frmMain;
  frm.Resize();  // a resize that is no minimising
  EXPECT_TRUE(frm.Visible());

  frm.SetWindowState(WindowState::Minimized);
  frm.Resize();
  EXPECT_FALSE(frm.Visible());
  EXPECT_EQ(frm.WindowState(), WindowState::Normal);

  TrayNotify(frm, 515);
  EXPECT_TRUE(frm.Visible());
  EXPECT_EQ(frm.WindowState(), WindowState::Normal);
}

TEST(ShowEntry, ShowsAndRaisesWithoutActivating) {
  for (const bool hidden : {false, true}) {
    SCOPED_TRACE(hidden ? "hidden" : "shown");
    HeadlessRun run;
    run.WriteSettings(Saved{.top = "1800", .left = "9000", .min = hidden ? "1" : "0"}.Text());
    Program& p = run.Start();
    const std::size_t before = run.platform.calls.size();
    p.frmMain.mnuDisp.Click();
    EXPECT_TRUE(p.frmMain.Visible());
    EXPECT_EQ(CallsSince(run, before), Calls{ZOrderCall(p.frmMain, 0, 600, 120)});
    EXPECT_EQ(p.frmMain.Top(), 1800);
    EXPECT_EQ(p.frmMain.Left(), 9000);
  }
}

}  // namespace
}  // namespace ombrelk
