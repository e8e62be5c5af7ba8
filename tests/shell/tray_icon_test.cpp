// The tray icon and the window's visibility: the icon's record, the tray
// callback encoded in the mouse-move event, minimising and the show entry.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "settings/settings_fixtures.h"
#include "shell/shell_fixtures.h"

namespace ombrelk {
namespace {

using testing::CallsSince;
using testing::CallsTo;
using testing::CountOf;
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
  const TrayIconRecord& rec = p.state.TrayIcon;
  EXPECT_EQ(std::string(rec.szTip.data()), "2000/05/07");
  for (std::size_t i = 10; i < rec.szTip.size(); ++i) EXPECT_EQ(rec.szTip[i], '\0') << i;

  // Past midnight the caption follows the date, the tip does not.
  run.platform.today = std::chrono::year{2000} / 5 / 8;
  p.frmMain.cmdSwitchMonth(1).Click();
  EXPECT_EQ(p.frmMain.Caption(), "2000/05/08");
  p.frmMain.mnuEnd.Click();
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
      {"double-click at 7.5 twips a pixel", true, 515 * 7.5F, 7.5F, false, {}},
      {"right press at 9.6 twips a pixel", false, 516 * 9.6F, 9.6F, false, right_press},
      {"a real move at 7.5 twips a pixel", true, 1200, 7.5F, true, {}},
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
  const struct {
    bool hidden;
    float twips_per_pixel;
    int x, y;
  } rows[] = {{false, 15, 600, 120}, {true, 15, 600, 120}, {true, 7.5F, 1200, 240}};
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.hidden ? "hidden" : "shown") + " at " +
                 std::to_string(r.twips_per_pixel));
    HeadlessRun run;
    run.WriteSettings(Saved{.top = "1800", .left = "9000", .min = r.hidden ? "1" : "0"}.Text());
    run.platform.twips_per_pixel = r.twips_per_pixel;
    Program& p = run.Start();
    const std::size_t before = run.platform.calls.size();
    p.frmMain.mnuDisp.Click();
    EXPECT_TRUE(p.frmMain.Visible());
    EXPECT_EQ(CallsSince(run, before),
              Calls{ZOrderCall(p.frmMain, 0, r.x, r.y, r.twips_per_pixel)});
    EXPECT_EQ(p.frmMain.Top(), 1800);
    EXPECT_EQ(p.frmMain.Left(), 9000);
  }
}

// A tray that appears after start-up takes the window in when the start-up
// would have and the user has not used the window since; a tray that
// vanishes gives a hidden window back. The icon follows the tray either way.
TEST(TrayComesAndGoes, TheWindowFollowsTheTray) {
  using Act = std::function<void(Program&)>;
  const Act none = [](Program&) {};
  const Act appear = [](Program& p) { p.Tray_Appeared(); };
  const Act vanish = [](Program& p) { p.Tray_Vanished(); };
  const auto then = [](Act a, Act b) {
    return [a, b](Program& p) {
      a(p);
      b(p);
    };
  };
  const auto minimise = [](Program& p) {
    p.frmMain.SetWindowState(WindowState::Minimized);
    p.frmMain.Resize();
  };
  const Calls added{TrayCall(0)};
  const Calls removed{TrayCall(0), TrayCall(2)};
  const Calls again{TrayCall(0), TrayCall(2), TrayCall(0)};
  const Calls probed{TrayCall(0), TrayCall(1)};
  const Calls retried{TrayCall(0), TrayCall(1), TrayCall(0)};
  const Calls failed_twice{TrayCall(0), TrayCall(1), TrayCall(0), TrayCall(1)};
  const struct {
    const char* name;
    bool tray_at_start;
    Saved saved;
    Act act;
    bool visible;
    bool tray_entries_in_settings;
    Calls tray_calls;
    int adds_to_fail = 0;
    bool modify_succeeds = true;
  } rows[] = {
      {"appears, start in the tray", false, {.show = "0"}, appear, false, false, added},
      {"appears, hidden at exit", false, {.min = "1"}, appear, false, false, added},
      {"appears, shown at start", false, {}, appear, true, false, added},
      {"appears, minimised", false, {}, then(minimise, appear), false, false, added},
      {"appears twice", false, {}, then(appear, appear), true, false, added},
      {"vanishes, in the tray", true, {.show = "0"}, vanish, true, true, removed},
      {"vanishes, shown", true, {}, vanish, true, true, removed},
      {"vanishes, then minimise", true, {}, then(vanish, minimise), true, true, removed},
      {"vanishes, returns", true, {.show = "0"}, then(vanish, appear), false, false, again},
      {"no tray, nothing happens", false, {.show = "0"}, none, true, true, {}},
      // The taskbar still starting: an add that fails is probed with a modify.
      {"add times out, icon there", true, {.show = "0"}, none, false, false, probed, 1, true},
      {"add fails, start in the tray", true, {.show = "0"}, none, true, true, probed, 1, false},
      {"add fails, then succeeds", true, {.show = "0"}, appear, false, false, retried, 1, false},
      {"add fails twice", true, {.show = "0"}, appear, true, true, failed_twice, 2, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    run.platform.tray_available = r.tray_at_start;
    run.platform.tray_adds_to_fail = r.adds_to_fail;
    run.platform.tray_modify_succeeds = r.modify_succeeds;
    run.WriteSettings(r.saved.Text());
    Program& p = run.Start();
    FrmMain& frm = p.frmMain;
    run.platform.today = std::chrono::year{2000} / 5 / 9;  // the tip keeps the start's date
    r.act(p);
    EXPECT_EQ(frm.Visible(), r.visible);
    if (!r.visible) {
      EXPECT_EQ(frm.WindowState(), WindowState::Normal);  // back in normal size
    }
    // The five options, then the separator and the four tray entries when they joined.
    EXPECT_EQ(frm.mnuSet.items.size(), r.tray_entries_in_settings ? 11U : 6U);
    EXPECT_EQ(CallsTo(run, "Shell_NotifyIcon"), r.tray_calls);
  }
}

// Any use of the window since start-up keeps it on screen when a tray appears.
TEST(TrayComesAndGoes, AUsedWindowStaysOnScreen) {
  const struct {
    const char* name;
    std::function<void(FrmMain&)> use;
  } uses[] = {
      {"a key",
       [](FrmMain& f) {
         std::int16_t key = 65;
         f.KeyDown(key, 0);
       }},
      {"a month change", [](FrmMain& f) { f.cmdSwitchMonth(2).Click(); }},
      {"a click", [](FrmMain& f) { f.lbl_menu.MouseDown(1, 0, 100, 100); }},
      {"a drag", [](FrmMain& f) { f.SetLeft(f.Left() + 150); }},
      {"a weekday choice", [](FrmMain& f) { f.cboWDay.SetListIndex(3); }},
  };
  for (const auto& u : uses) {
    SCOPED_TRACE(u.name);
    HeadlessRun run;
    run.platform.tray_available = false;
    run.WriteSettings(Saved{.show = "0"}.Text());
    Program& p = run.Start();
    FrmMain& frm = p.frmMain;
    u.use(frm);
    p.Tray_Appeared();
    EXPECT_TRUE(frm.Visible());
    EXPECT_EQ(CallsTo(run, "Shell_NotifyIcon"), Calls{TrayCall(0)});
  }
}

TEST(TrayComesAndGoes, AHiddenWindowComesBackAtItsPlaceOnTopIfChecked) {
  for (const char* top_mode : {"0", "1"}) {
    SCOPED_TRACE(top_mode);
    HeadlessRun run;
    run.WriteSettings(
        Saved{.top = "1800", .left = "9000", .show = "0", .top_mode = top_mode}.Text());
    Program& p = run.Start();
    const std::size_t before = run.platform.calls.size();
    p.Tray_Vanished();
    const int insert_after = *top_mode == '1' ? kHwndTopMost : kHwndTop;
    EXPECT_EQ(CallsSince(run, before),
              (Calls{TrayCall(2), ZOrderCall(p.frmMain, insert_after, 600, 120)}));
    EXPECT_EQ(CountOf(run.platform.calls, "SetForegroundWindow"), 0U);
    p.frmMain.mnuEnd.Click();  // no icon to remove any more
    EXPECT_EQ(CountOf(CallsSince(run, before), "Shell_NotifyIcon"), 1U);
  }
}

}  // namespace
}  // namespace ombrelk
