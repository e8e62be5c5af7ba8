// The calendar window's life: the single-instance check, the start-up order,
// and the shut-down by the exit entry or the close button.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/list_files.h"
#include "headless_run.h"
#include "platform/backends/stdfs/std_file_system.h"
#include "platform/controls/key_codes.h"
#include "settings/settings_fixtures.h"
#include "shell/shell_fixtures.h"
#include "view/day_grid.h"
#include "view/pictures/tray_picture.h"

namespace ombrelk {
namespace {

using testing::CallsSince;
using testing::CallsTo;
using testing::CountOf;
using testing::ExampleFile;
using testing::FileNames;
using testing::HeadlessRun;
using testing::Saved;
using testing::TrayCall;

TEST(SingleInstance, IsCheckedOnEverySystem) {
  const struct {
    std::optional<std::int32_t> platform_id;
    bool prev_instance, refused;
  } rows[] = {
      {1, true, true},
      {1, false, false},
      {2, true, true},
      {2, false, false},
      {0, true, true},
      {-1, true, true},
      {std::nullopt, true, true},
      {std::nullopt, false, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.platform_id ? std::to_string(*r.platform_id) : "no platform id");
    SCOPED_TRACE(r.prev_instance ? "another instance runs" : "alone");
    HeadlessRun run;
    run.platform.platform_id = r.platform_id;
    run.platform.prev_instance = r.prev_instance;
    run.WriteSettings(ExampleFile());
    Program& p = run.Start();
    if (r.refused) {
      EXPECT_EQ(
          run.platform.calls,
          (std::vector<std::string>{"MessageBox(起動済みです。, 48, Ombrelk)", "EndProgram()"}));
      EXPECT_FALSE(p.frmMain.Visible());
      EXPECT_EQ(p.frmMain.lblYM.Caption(), "M");  // nothing was drawn
    } else {
      EXPECT_EQ(CountOf(run.platform.calls, "MessageBox"), 0U);
      EXPECT_EQ(CountOf(run.platform.calls, TrayCall(0)), 1U);
      EXPECT_FALSE(run.platform.ended);
    }
    EXPECT_FALSE(p.state.Loading);
    EXPECT_EQ(run.ReadSettings(), ExampleFile());
  }
}

TEST(SingleInstance, ARefusedInstanceTouchesNoFile) {
  HeadlessRun run;
  run.platform.prev_instance = true;  // no platform id: the check runs
  run.Start();
  EXPECT_TRUE(FileNames(run.dir.path()).empty());
}

// Where no check runs, both instances start and each writes its own settings
// at its own shut-down; the later one is what the file keeps.
// On NT too a second start leaves at once, so it cannot write its settings
// over the first one's at exit.
TEST(SingleInstance, ASecondStartOnNtLeavesTheFirstsSettingsAlone) {
  HeadlessRun run;
  run.platform.platform_id = 2;
  run.WriteSettings(ExampleFile());
  Program& first = run.Start();

  HeadlessPlatform other;
  other.platform_id = 2;
  other.prev_instance = true;
  Program second(other.services(), testing::AsFilePath(run.settings_file()));
  second.frmMain.SetHwnd(0x3003);
  second.Start();
  EXPECT_TRUE(other.ended);
  EXPECT_EQ(CountOf(other.calls, "MessageBox(起動済みです。, 48, Ombrelk)"), 1U);

  first.frmMain.cboWDay.SetListIndex(3);
  first.frmMain.mnuEnd.Click();
  EXPECT_EQ(
      run.ReadSettings(),
      (Saved{"1800", "9000", "Wednesday", testing::kDefaultHolidayLine, "1", "0", "0"}.Text()));
}

TEST(StartUp, ShowsTodayAndTheCurrentMonthFromTheFirstWeekday) {
  const struct {
    std::chrono::year_month_day today;
    const char* weekday;
    const char* caption;
    const char* year_month;
    const char* first_letter;
    int first_day_cell;
  } rows[] = {
      {std::chrono::year{2000} / 5 / 7, "Sunday", "2000/05/07", "2000/05", "S", 1},
      {std::chrono::year{2000} / 5 / 7, "Monday", "2000/05/07", "2000/05", "M", 0},
      {std::chrono::year{2001} / 2 / 3, "Saturday", "2001/02/03", "2001/02", "S", 5},
      {std::chrono::year{1999} / 12 / 31, "Wednesday", "1999/12/31", "1999/12", "W", 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.caption);
    HeadlessRun run(r.today);
    run.WriteSettings(Saved{.weekday = r.weekday}.Text());
    const FrmMain& frm = run.Start().frmMain;
    EXPECT_EQ(frm.Caption(), r.caption);
    EXPECT_EQ(frm.lblYM.Caption(), r.year_month);
    EXPECT_EQ(frm.lblWeekDay(0).Caption(), r.first_letter);
    EXPECT_EQ(frm.cboWDay.Text(), r.weekday);
    EXPECT_EQ(frm.lblDay(r.first_day_cell).Caption(), "1");
    EXPECT_EQ(frm.Width(), 2775);
  }
}

// Ctrl+Right, from start-up to the labels: June 2000 follows May, its first
// day a Thursday, its 30 days in cells 4 to 33.
TEST(StartUp, CtrlRightShowsTheNextMonth) {
  HeadlessRun run;  // today 2000/05/07, no settings file: Sunday first
  FrmMain& frm = run.Start().frmMain;
  ASSERT_EQ(frm.lblYM.Caption(), "2000/05");
  ASSERT_EQ(frm.lblDay(7).ForeColor(), kYellow);

  std::int16_t key = kVkRight;
  frm.KeyDown(key, kCtrlMask);

  EXPECT_EQ(key, 0);  // swallowed: the weekday selector never sees it
  EXPECT_EQ(frm.cboWDay.ListIndex(), 0);
  EXPECT_EQ(frm.Caption(), "2000/05/07");
  EXPECT_EQ(frm.lblYM.Caption(), "2000/06");
  const char* letters[] = {"S", "M", "T", "W", "T", "F", "S"};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(frm.lblWeekDay(c).Caption(), letters[c]);
  EXPECT_EQ(frm.lblWeekDay(0).ForeColor(), kDarkRed);
  EXPECT_EQ(frm.lblWeekDay(6).ForeColor(), kBlue);
  for (int i = 0; i < 42; ++i) {
    const int day = i - 3;
    EXPECT_EQ(frm.lblDay(i).Caption(), day >= 1 && day <= 30 ? std::to_string(day) : "") << i;
  }
  EXPECT_EQ(frm.lblDay(4).ForeColor(), kBlack);    // Thursday the 1st
  EXPECT_EQ(frm.lblDay(6).ForeColor(), kBlue);     // Saturday the 3rd
  EXPECT_EQ(frm.lblDay(7).ForeColor(), kDarkRed);  // Sunday the 4th, where today stood
  EXPECT_EQ(frm.lblDay(8).ForeColor(), kBlack);
}

TEST(ShutDown, RecordsHiddenMakesVisibleRemovesTheIconThenSaves) {
  // Logs each write into the platform's calls, with the window's visibility then.
  struct LoggingFiles : StdFileSystem {
    IoResult Rename(const FilePath& from, const FilePath& to) override {
      run->platform.calls.push_back(
          "Rename(" + std::filesystem::path(to.text()).filename().string() +
          ", visible=" + (run->program->frmMain.Visible() ? "yes" : "no") + ")");
      return StdFileSystem::Rename(from, to);
    }
    HeadlessRun* run = nullptr;
  };
  for (const bool hide_first : {true, false}) {
    SCOPED_TRACE(hide_first ? "hidden in the tray" : "shown");
    HeadlessRun run;
    LoggingFiles files;
    files.run = &run;
    run.platform.UseFileSystem(files);
    run.WriteSettings(ExampleFile());
    Program& p = run.Start();
    if (hide_first) testing::TrayNotify(p.frmMain, 515);
    const std::size_t before = run.platform.calls.size();
    p.frmMain.mnuEnd.Click();
    EXPECT_EQ(CallsSince(run, before),
              (std::vector<std::string>{TrayCall(2), "Rename(Ombrelk.ini, visible=yes)",
                                        "EndProgram()"}));
    EXPECT_EQ(p.state.ModeMin, hide_first ? 1 : 0);
  }
}

TEST(ShutDown, TheNextStartBeginsWhereTheLastEnded) {
  for (const bool hide_first : {true, false}) {
    HeadlessRun run;
    Program& p = run.Start();
    if (hide_first) testing::TrayNotify(p.frmMain, 515);
    p.frmMain.mnuEnd.Click();
    HeadlessRun next;
    next.WriteSettings(run.ReadSettings());
    EXPECT_EQ(next.Start().frmMain.Visible(), !hide_first);
  }
}

// The close button unloads the window like the exit entry and ends the
// program, also when the version dialog is still loaded or even open.
TEST(ShutDown, TheCloseButtonEndsTheProgramLikeTheExitEntry) {
  const struct {
    const char* name;
    std::function<void(HeadlessRun&)> close;
  } rows[] = {
      {"exit entry", [](HeadlessRun& run) { run.program->frmMain.mnuEnd.Click(); }},
      {"close button", [](HeadlessRun& run) { run.program->frmMain.UserClose(); }},
      {"close button after the version dialog",
       [](HeadlessRun& run) {
         run.platform.on_modal = [](Form& dlg) { static_cast<DlgVersion&>(dlg).OKButton.Click(); };
         run.program->frmMain.mnuVersion.Click();
         run.program->frmMain.UserClose();
       }},
      {"close button while the version dialog is open",
       [](HeadlessRun& run) {
         run.platform.on_modal = [&run](Form&) { run.program->frmMain.UserClose(); };
         run.program->frmMain.mnuVersion.Click();
       }},
      {"close button, then the exit entry",
       [](HeadlessRun& run) {
         run.program->frmMain.UserClose();
         run.program->frmMain.mnuEnd.Click();
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    run.WriteSettings(ExampleFile());
    run.Start().frmMain.cboWDay.SetListIndex(2);
    const std::size_t before = run.platform.calls.size();
    r.close(run);
    const auto calls = CallsSince(run, before);
    EXPECT_EQ(CountOf(calls, TrayCall(2)), 1U);
    EXPECT_GE(CountOf(calls, "EndProgram()"), 1U);
    EXPECT_TRUE(run.program->Unloaded());
    EXPECT_EQ(
        run.ReadSettings(),
        (Saved{"1800", "9000", "Tuesday", testing::kDefaultHolidayLine, "1", "0", "0"}.Text()));
  }
}

// Without a tray the window has nowhere to hide: it stays on screen, and the
// tray menu's entries join the settings menu.
TEST(NoTray, TheWindowIsNeverHidden) {
  const struct {
    const char* name;
    std::string file;
    std::function<void(FrmMain&)> act;
    bool on_top;  // the always-on-top option took effect, as its check mark says
  } rows[] = {
      {"start in the tray", Saved{.show = "0"}.Text(), [](FrmMain&) {}, true},
      {"hidden at the last exit", Saved{.min = "1"}.Text(), [](FrmMain&) {}, true},
      {"both, not on top", Saved{.show = "0", .top_mode = "0", .min = "1"}.Text(), [](FrmMain&) {},
       false},
      {"minimised", ExampleFile(),
       [](FrmMain& frm) {
         frm.SetWindowState(WindowState::Minimized);
         frm.Resize();
       },
       false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    run.platform.tray_available = false;
    run.WriteSettings(r.file);
    Program& p = run.Start();
    FrmMain& frm = p.frmMain;
    r.act(frm);
    EXPECT_TRUE(frm.Visible());
    const std::vector<std::string> z_order = CallsTo(run, "SetWindowPos");
    EXPECT_EQ(!z_order.empty() && z_order.back().rfind("SetWindowPos(0x1001, -1,", 0) == 0,
              r.on_top);
    EXPECT_EQ(frm.mnuFormTop.Checked(), r.on_top);
    EXPECT_EQ(frm.mnuSet.items,
              (std::vector<MenuItem*>{&frm.mnuFormShow, &frm.mnuFormTop, &frm.mnuFormLaw,
                                      &frm.mnuFormReki, &frm.mnuFormIcon, &frm.mnuFormLogin,
                                      &frm.mnuSetSep, &frm.mnuDisp, &frm.mnuEnd, &frm.mnuSep,
                                      &frm.mnuVersion}));
    frm.mnuEnd.Click();
    EXPECT_EQ(CountOf(run.platform.calls, "Shell_NotifyIcon"), 0U);
    EXPECT_NE(run.ReadSettings().find("MODE_MIN :0\r\n"), std::string::npos);
  }
}

TEST(NoTray, WithATrayTheSettingsMenuHoldsOnlyTheOptions) {
  HeadlessRun run;
  FrmMain& frm = run.Start().frmMain;
  EXPECT_EQ(frm.mnuSet.items,
            (std::vector<MenuItem*>{&frm.mnuFormShow, &frm.mnuFormTop, &frm.mnuFormLaw,
                                    &frm.mnuFormReki, &frm.mnuFormIcon, &frm.mnuFormLogin}));
  EXPECT_EQ(frm.mnuTray.items,
            (std::vector<MenuItem*>{&frm.mnuDisp, &frm.mnuEnd, &frm.mnuSep, &frm.mnuVersion}));
}

// The calendar runs for days: when the date may have changed (midnight, a
// resume, a clock or time-zone change) the caption and today's mark follow,
// the month on display stays unless it was the current one, and the tray
// icon keeps the start-up date, unless it shows the day: then its picture
// and its tip follow the date.
TEST(DayChange, TheCaptionAndTheMonthFollowTheDate) {
  using namespace std::chrono;
  const struct {
    const char* name;
    year_month_day start;
    int shift;  // the month button pressed before the date changes, 314 for none
    year_month_day now;
    const char* caption;
    const char* month;
    int yellow_day;  // 0: no day of the month on display is today
  } rows[] = {
      {"midnight", 2000y / 5 / 7, 314, 2000y / 5 / 8, "2000/05/08", "2000/05", 8},
      {"a new month", 2000y / 5 / 31, 314, 2000y / 6 / 1, "2000/06/01", "2000/06", 1},
      {"a new year", 1999y / 12 / 31, 314, 2000y / 1 / 1, "2000/01/01", "2000/01", 1},
      {"next month on display", 2000y / 5 / 31, 2, 2000y / 6 / 1, "2000/06/01", "2000/06", 1},
      {"last month on display", 2000y / 5 / 7, 0, 2000y / 5 / 8, "2000/05/08", "2000/04", 0},
      {"clock set back", 2000y / 5 / 7, 314, 2000y / 5 / 6, "2000/05/06", "2000/05", 6},
  };
  for (const auto& r : rows) {
    for (const bool day_in_icon : {false, true}) {
      SCOPED_TRACE(::testing::Message() << r.name << (day_in_icon ? ", day in the icon" : ""));
      HeadlessRun run(r.start);
      Program& p = run.Start();
      FrmMain& frm = p.frmMain;
      if (day_in_icon) frm.mnuFormIcon.Click();
      if (r.shift != 314) frm.cmdSwitchMonth(r.shift).Click();
      const std::size_t before = run.platform.calls.size();
      run.platform.today = r.now;
      p.Clock_DayMayHaveChanged();
      EXPECT_EQ(frm.Caption(), r.caption);
      EXPECT_EQ(frm.lblYM.Caption(), r.month);
      for (int i = 0; i < frm.lblDay.Count(); ++i) {
        const bool today = frm.lblDay(i).Caption() == std::to_string(r.yellow_day);
        EXPECT_EQ(frm.lblDay(i).ForeColor() == kYellow, today) << i;
      }
      const int page_of_today = DayPageIcon(static_cast<int>(unsigned{r.now.day()}));
      const std::vector<std::string> since = CallsSince(run, before);
      EXPECT_EQ(CountOf(since, "Shell_NotifyIcon"), day_in_icon ? 1U : 0U);
      if (day_in_icon) {
        EXPECT_NE(std::find(since.begin(), since.end(),
                            testing::TrayCall(kNimModify, r.caption, page_of_today)),
                  since.end());
      }
    }
  }
}

TEST(DayChange, TheSameDayDrawsNothing) {
  HeadlessRun run;
  Program& p = run.Start();
  FrmMain& frm = p.frmMain;
  frm.lblYM.SetCaption("untouched");
  p.Clock_DayMayHaveChanged();  // a resume within the day
  EXPECT_EQ(frm.lblYM.Caption(), "untouched");
}

// The Cabinet Office's list beside the settings file, in law mode, read at
// start-up and at each new day. Its days decide the years it covers: 24
// September 2026 is off by this list (髙﨑記念日) though the law does not know
// it, and 21 September (敬老の日) is not. A refused file leaves what stood and
// is explained once.
TEST(HolidayListFile, IsTakenAtStartUpAndAtEachNewDay) {
  using namespace std::chrono;
  namespace lf = list_files;
  const std::string list = lf::kHeader932 + "\r\n2026/1/1," + lf::kGanjitsu932 + "\r\n2026/9/24," +
                           lf::kTakasaki932 + "\r\n";
  const std::string refused = lf::kHeader932 + "\r\n2026/1/1," + lf::kGanjitsu932 +
                              "\r\n2026/9/x," + lf::kKyujitsu932 + "\r\n";
  const std::string box =
      "MessageBox(syukujitsu.csv を読めませんでした: 3行目の日付が読めません。, 48, Ombrelk)";
  const struct {
    const char* name;
    const char* file_name;
    std::optional<std::string> at_start, at_day_change;  // none: no file then
    bool listed_at_start, listed_after;                  // the 24th by the list
    std::vector<std::string> boxes;                      // after the day change
  } rows[] = {
      {"taken at start-up", "syukujitsu.csv", list, list, true, true, {}},
      {"under its older name", "shukujitsu.csv", list, list, true, true, {}},
      {"refused: said once", "syukujitsu.csv", refused, refused, false, false, {box}},
      {"a refused copy keeps the list", "syukujitsu.csv", list, refused, true, true, {box}},
      {"appears at the day change", "syukujitsu.csv", std::nullopt, list, false, true, {}},
      {"taken away", "syukujitsu.csv", list, std::nullopt, true, false, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run(2026y / 9 / 7);
    const std::string settings = Saved{.law = "1"}.Text();
    run.WriteSettings(settings);
    const auto list_file = run.dir.path() / r.file_name;
    if (r.at_start) testing::WriteFileBytes(list_file, *r.at_start);
    Program& p = run.Start();
    FrmMain& frm = p.frmMain;
    const auto expect_listed = [&frm](bool listed) {
      // Sunday first: day d of September 2026 in cell d + 1.
      EXPECT_EQ(frm.lblDay(25).ForeColor(), listed ? kDarkRed : kBlack);
      EXPECT_EQ(frm.lblDay(22).ForeColor(), listed ? kBlack : kDarkRed);
      const auto [x, y] = testing::OverCell(25);
      frm.lbl_menu.MouseMove(0, 0, x, y);
      EXPECT_EQ(frm.lbl_menu.ToolTipText(), listed ? "髙﨑記念日" : "");
    };
    expect_listed(r.listed_at_start);
    std::filesystem::remove(list_file);
    if (r.at_day_change) testing::WriteFileBytes(list_file, *r.at_day_change);
    run.platform.today = 2026y / 9 / 8;
    p.Clock_DayMayHaveChanged();
    expect_listed(r.listed_after);
    EXPECT_EQ(CallsTo(run, "MessageBox"), r.boxes);
    EXPECT_EQ(run.platform.errors.str().empty(), r.boxes.empty());
    frm.mnuEnd.Click();
    EXPECT_EQ(run.ReadSettings(), settings);
  }
}

}  // namespace
}  // namespace ombrelk
