// The window options: always on top, applied at start-up and from the menu;
// show at start-up, which only takes effect at the next start; today's law;
// and the start at login, which lives in the system's own entry.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "settings/settings_fixtures.h"
#include "shell/shell_fixtures.h"
#include "shell/window_options.h"

namespace ombrelk {
namespace {

using testing::CallsSince;
using testing::CallsTo;
using testing::CountOf;
using testing::Crlf;
using testing::HeadlessRun;
using testing::Saved;
using testing::TrayNotify;
using testing::ZOrderCall;

using Calls = std::vector<std::string>;

// The z-order calls start-up makes, by settings file.
TEST(AlwaysOnTop, AtStartUp) {
  const struct {
    const char* name;
    std::optional<std::string> file;
    int insert_after;  // 0: no call
    int x, y;
    bool checked;
    float twips_per_pixel = 15;
  } rows[] = {
      {"no file", std::nullopt, -1, 5, 24, true},
      {"on top", Saved{.top = "1800", .left = "9000"}.Text(), -1, 600, 120, true},
      {"not on top", Saved{.top = "1800", .left = "9000", .top_mode = "0"}.Text(), -2, 600, 120,
       false},
      {"halves to even", Saved{.top = "22.5", .left = "52.5"}.Text(), -1, 4, 2, true},
      {"above and left of the screen", Saved{.top = "-150", .left = "-37.5"}.Text(), -1, -2, -10,
       true},
      {"show first, then top", Crlf({"MODE_SHOW:1", "MODE_TOP :1"}), -1, 5, 24, true},
      {"top first, then show", Crlf({"MODE_TOP :1", "MODE_SHOW:1"}), 0, 0, 0, true},
      {"to start in the tray", Saved{.show = "0"}.Text(), 0, 0, 0, true},
      {"top mode 2", Saved{.top_mode = "2"}.Text(), 0, 0, 0, false},
      {"top mode key missing", Crlf({"MODE_SHOW:1"}), -1, 5, 24, true},
      {"at 7.5 twips a pixel", Saved{.top = "1800", .left = "9000"}.Text(), -1, 1200, 240, true,
       7.5F},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    if (r.file) run.WriteSettings(*r.file);
    run.platform.twips_per_pixel = r.twips_per_pixel;
    const FrmMain& frm = run.Start().frmMain;
    const Calls expected =
        r.insert_after == 0 ? Calls{}
                            : Calls{ZOrderCall(frm, r.insert_after, r.x, r.y, r.twips_per_pixel)};
    EXPECT_EQ(CallsTo(run, "SetWindowPos"), expected);
    EXPECT_EQ(frm.mnuFormTop.Checked(), r.checked);
  }
}

// Started in the tray with the option on: not topmost yet, not when shown
// from the tray either; choosing the entry twice makes it so.
TEST(AlwaysOnTop, AWindowStartedInTheTrayBecomesTopmostByTheMenu) {
  HeadlessRun run;
  run.WriteSettings(Saved{.show = "0"}.Text());
  Program& p = run.Start();
  FrmMain& frm = p.frmMain;
  EXPECT_FALSE(frm.Visible());
  EXPECT_TRUE(frm.mnuFormTop.Checked());
  TrayNotify(frm, 515);
  EXPECT_EQ(CountOf(run.platform.calls, "SetWindowPos"), 0U);

  const std::size_t before = run.platform.calls.size();
  frm.mnuFormTop.Click();
  EXPECT_EQ(p.state.ModeTop, 0);
  EXPECT_FALSE(frm.mnuFormTop.Checked());
  frm.mnuFormTop.Click();
  EXPECT_EQ(p.state.ModeTop, 1);
  EXPECT_TRUE(frm.mnuFormTop.Checked());
  EXPECT_EQ(CallsSince(run, before),
            (Calls{ZOrderCall(frm, -2, 5, 24), ZOrderCall(frm, -1, 5, 24)}));
}

TEST(AlwaysOnTop, AnOddValueIsLeftAloneUntilTheFirstChoice) {
  HeadlessRun run;
  run.WriteSettings(Saved{.top = "1800", .left = "9000", .top_mode = "2"}.Text());
  Program& p = run.Start();
  const std::size_t before = run.platform.calls.size();
  p.frmMain.mnuFormTop.Click();
  EXPECT_EQ(p.state.ModeTop, 1);
  EXPECT_TRUE(p.frmMain.mnuFormTop.Checked());
  EXPECT_EQ(CallsSince(run, before), Calls{ZOrderCall(p.frmMain, -1, 600, 120)});
}

TEST(AlwaysOnTop, TurningItOffNeitherMovesNorActivates) {
  HeadlessRun run;
  run.WriteSettings(Saved{.top = "1800", .left = "9000"}.Text());
  Program& p = run.Start();
  const std::size_t before = run.platform.calls.size();
  p.frmMain.mnuFormTop.Click();
  EXPECT_EQ(CallsSince(run, before), Calls{ZOrderCall(p.frmMain, -2, 600, 120)});
  EXPECT_EQ(p.frmMain.Top(), 1800);
  EXPECT_EQ(p.frmMain.Left(), 9000);
}

TEST(ShowAtStartUp, OnlyFlipsItsCheckAndTheMode) {
  HeadlessRun run;
  Program& p = run.Start();
  const std::size_t before = run.platform.calls.size();
  for (const int expected : {0, 1, 0}) {
    p.frmMain.mnuFormShow.Click();
    EXPECT_EQ(p.state.ModeShow, expected);
    EXPECT_EQ(p.frmMain.mnuFormShow.Checked(), expected == 1);
    EXPECT_TRUE(p.frmMain.Visible());
  }
  EXPECT_EQ(CallsSince(run, before), Calls{});
}

// The third option redraws the month on display at once, by the other rules.
TEST(LawMode, TheEntryRedrawsTheMonthAtOnce) {
  HeadlessRun run(std::chrono::year{2026} / 9 / 1);
  Program& p = run.Start();
  const FrmMain& frm = p.frmMain;
  const auto colour_of_day = [&frm](const std::string& day) {
    for (int i = 0; i < frm.lblDay.Count(); ++i) {
      if (frm.lblDay(i).Caption() == day) return frm.lblDay(i).ForeColor();
    }
    return Colour{0xFFFFFFFF};
  };
  const std::size_t before = run.platform.calls.size();
  for (const bool law : {true, false, true}) {
    p.frmMain.mnuFormLaw.Click();
    EXPECT_EQ(p.state.mode_law, law ? 1 : 0);
    EXPECT_EQ(frm.mnuFormLaw.Checked(), law);
    EXPECT_EQ(colour_of_day("15"), law ? kBlack : kDarkRed);
    EXPECT_EQ(colour_of_day("21"), law ? kDarkRed : kBlack);
    EXPECT_EQ(frm.lblYM.Caption(), "2026/09");
  }
  EXPECT_EQ(CallsSince(run, before), Calls{});
}

// The login entry's mark shows whether the system's entry is there, from the
// start on; a change that fails leaves it as it was and says why.
TEST(LoginStart, TheMarkFollowsTheSystemsEntry) {
  const struct {
    const char* name;
    bool on_at_start;
    std::optional<std::string> failure;
    bool checked_after;
    Calls box;
  } rows[] = {
      {"turned on", false, std::nullopt, true, {}},
      {"turned off", true, std::nullopt, false, {}},
      {"cannot be written",
       false,
       "/a/autostart/ombrelk.desktop\n書き込む権限がありません。",
       false,
       {"MessageBox(ログイン時に起動する設定を書けませんでした。\n/a/autostart/ombrelk.desktop\n"
        "書き込む権限がありません。, 48, Ombrelk)"}},
      {"cannot be removed",
       true,
       "/a/autostart/ombrelk.desktop\n読み取り専用の場所です。",
       true,
       {"MessageBox(ログイン時に起動する設定を消せませんでした。\n/a/autostart/ombrelk.desktop\n"
        "読み取り専用の場所です。, 48, Ombrelk)"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    run.platform.login_on = r.on_at_start;
    run.platform.login_failure = r.failure;
    FrmMain& frm = run.Start().frmMain;
    EXPECT_EQ(frm.mnuFormLogin.Checked(), r.on_at_start);
    const std::size_t before = run.platform.calls.size();
    frm.mnuFormLogin.Click();
    EXPECT_EQ(frm.mnuFormLogin.Checked(), r.checked_after);
    EXPECT_EQ(run.platform.login_on, r.checked_after);
    EXPECT_EQ(CallsTo(run, "SetOn"), Calls{r.on_at_start ? "SetOn(false)" : "SetOn(true)"});
    EXPECT_EQ(CallsTo(run, "MessageBox"), r.box);
    EXPECT_EQ(CallsSince(run, before).size(), 1 + r.box.size());
    // The settings file keeps nothing of it: the usual seven lines.
    frm.mnuEnd.Click();
    const std::string saved = run.ReadSettings();
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 7);
  }
}

}  // namespace
}  // namespace ombrelk
