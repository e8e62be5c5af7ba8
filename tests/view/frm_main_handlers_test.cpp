#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "day_grid.h"
#include "headless_run.h"
#include "platform/controls/key_codes.h"
#include "view/home_page.h"
#include "view/month_view.h"

namespace ombrelk {
namespace {

using namespace std::chrono;
using testing::DayCaptions;
using testing::ExpectedDayCaptions;
using testing::OverCell;

constexpr std::int16_t kNone = 0;
constexpr std::int16_t kCtrl = kCtrlMask;

// A key press as the backend delivers it; returns what is left of KeyCode.
std::int16_t Press(Program& p, std::int16_t key, std::int16_t shift) {
  std::int16_t code = key;
  p.frmMain.KeyDown(code, shift);
  return code;
}

YearMonth YM(int year, int month) {
  return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month)};
}

std::string HomeCall() {
  return "ShellExecute(0x1001, " + HomePageAddress() + ", " + std::to_string(kSwShowNormal) + ")";
}

TEST(FormKeyDown, CtrlShortcutsSwitchTheMonthAndSwallowTheKey) {
  const struct {
    std::int16_t key, shift;
    YearMonth shown;
    std::int16_t key_left;
  } rows[] = {
      {kVkLeft, kCtrl, YM(2000, 6), 0},
      {kVkB, kCtrl, YM(2000, 6), 0},
      {kVkUp, kCtrl, YM(2000, 5), 0},
      {kVkDown, kCtrl, YM(2000, 5), 0},
      {kVkC, kCtrl, YM(2000, 5), 0},
      {kVkRight, kCtrl, YM(2000, 8), 0},
      {kVkN, kCtrl, YM(2000, 8), 0},
      // Any other modifiers, or another key, leave everything alone.
      {kVkLeft, kCtrl | kShiftMask, YM(2000, 7), kVkLeft},
      {kVkLeft, kAltMask, YM(2000, 7), kVkLeft},
      {kVkLeft, kCtrl | kAltMask, YM(2000, 7), kVkLeft},
      {kVkLeft, kNone, YM(2000, 7), kVkLeft},
      {kVkRight, kShiftMask, YM(2000, 7), kVkRight},
      {kVkN, kNone, YM(2000, 7), kVkN},
      {kVkHome, kNone, YM(2000, 7), kVkHome},
      {kVkHome, kCtrl | kShiftMask, YM(2000, 7), kVkHome},
      {65 /* A */, kCtrl, YM(2000, 7), 65},
  };
  testing::HeadlessRun run;
  Program& p = run.Start();
  p.frmMain.cboWDay.SetListIndex(3);  // Wednesday first
  for (const auto& r : rows) {
    p.state.ViewMonth = YM(2000, 7);
    ShowMonth(p.state, p.frmMain, p.sys.clock, kRedrawShift);
    const auto calls_before = run.platform.calls.size();

    EXPECT_EQ(Press(p, r.key, r.shift), r.key_left) << r.key << " with " << r.shift;
    EXPECT_EQ(p.state.ViewMonth, r.shown) << r.key << " with " << r.shift;
    EXPECT_EQ(DayCaptions(p.frmMain), ExpectedDayCaptions(r.shown.year, r.shown.month, 4));
    EXPECT_EQ(p.frmMain.cboWDay.ListIndex(), 3);
    EXPECT_EQ(p.state.StartWeekday, 4);
    EXPECT_EQ(run.platform.calls.size(), calls_before);
  }
}

TEST(FormKeyDown, CtrlHomeOpensTheHomePageAndPassesTheKeyOn) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  run.platform.calls.clear();
  EXPECT_EQ(Press(p, kVkHome, kCtrl), kVkHome);
  EXPECT_EQ(run.platform.calls, std::vector<std::string>{HomeCall()});
  EXPECT_EQ(p.state.ViewMonth, YM(2000, 5));

  run.platform.calls.clear();
  p.frmMain.cmdHOME.Click();
  EXPECT_EQ(run.platform.calls, std::vector<std::string>{HomeCall()});
}

TEST(CmdSwitchMonth, ButtonsStepByTheirTags) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  auto& buttons = p.frmMain.cmdSwitchMonth;
  buttons(2).Click();
  buttons(2).Click();
  EXPECT_EQ(p.state.ViewMonth, YM(2000, 7));
  buttons(1).Click();  // two months on, then back to this month
  EXPECT_EQ(p.state.ViewMonth, YM(2000, 5));
  EXPECT_EQ(DayCaptions(p.frmMain), ExpectedDayCaptions(2000, 5, 1));
  buttons(0).Click();
  EXPECT_EQ(p.state.ViewMonth, YM(2000, 4));
  EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/04");
}

TEST(CboWDay, ChoosingMondayRedrawsTheShownMonthWithMondayFirst) {
  testing::HeadlessRun run;
  Program& p = run.Start();
  Press(p, kVkRight, kCtrl);
  Press(p, kVkRight, kCtrl);
  ASSERT_EQ(p.state.ViewMonth, YM(2000, 7));

  p.frmMain.cboWDay.SetListIndex(1);  // "Monday"
  EXPECT_EQ(p.state.StartWeekday, 2);
  EXPECT_EQ(p.state.ViewMonth, YM(2000, 7));
  EXPECT_EQ(p.frmMain.lblWeekDay(0).Caption(), "M");
  EXPECT_EQ(p.frmMain.lblWeekDay(6).ForeColor(), kDarkRed);
  EXPECT_EQ(p.frmMain.lblDay(5).Caption(), "1");  // 1 July 2000, a Saturday
  EXPECT_EQ(DayCaptions(p.frmMain), ExpectedDayCaptions(2000, 7, 2));

  p.frmMain.cboWDay.SetListIndex(6);  // "Saturday"
  EXPECT_EQ(p.state.StartWeekday, 7);
  EXPECT_EQ(p.frmMain.lblDay(0).Caption(), "1");
}

TEST(LblMenu, RightButtonOpensTheSettingsMenu) {
  const struct {
    std::int16_t button, shift;
    bool opens;
  } rows[] = {
      {kRightButton, kNone, true},
      {kRightButton, kCtrl, true},
      {kLeftButton, kNone, false},
      {4 /* middle */, kNone, false},
  };
  for (const auto& r : rows) {
    testing::HeadlessRun run;
    Program& p = run.Start();
    run.platform.calls.clear();
    p.frmMain.lbl_menu.MouseDown(r.button, r.shift, 1200.0F, 900.0F);
    EXPECT_EQ(run.platform.calls,
              r.opens ? std::vector<std::string>{"PopupMenu(mnuSet)"} : std::vector<std::string>{})
        << "button " << r.button;
  }
}

// September 2026, Sunday first: day 1 in cell 2, so day d in cell d + 1. With
// 和暦と六曜 on, every day's tip is its era date and 六曜, followed by the
// name the law mode gives it.
TEST(LblMenu, TipNamesTheDayUnderThePointerByTheModes) {
  const struct {
    const char* name;
    std::pair<float, float> at;
    const char* by_law;
    const char* reki;
  } rows[] = {
      {"21", OverCell(22), "敬老の日", "令和8年9月21日（月） 赤口"},
      {"22", OverCell(23), "国民の休日", "令和8年9月22日（火） 先勝"},
      {"23", OverCell(24), "秋分の日", "令和8年9月23日（水） 友引"},
      {"a user's date", OverCell(25), "休日", "令和8年9月24日（木） 先負"},
      {"a working day", OverCell(26), "", "令和8年9月25日（金） 仏滅"},
      {"today, a working day", OverCell(8), "", "令和8年9月7日（月） 友引"},
      {"an empty cell", OverCell(0), "", ""},
      {"the year line", {1200, 60}, "", ""},
      {"the right edge of 21 lies under 22", OverCell(22, 185), "国民の休日",
       "令和8年9月22日（火） 先勝"},
      {"the foot of 21 lies under 28", OverCell(22, 0, 150), "", "令和8年9月28日（月） 先勝"},
      {"the foot of 14 lies under 21", OverCell(15, 0, 150), "敬老の日",
       "令和8年9月21日（月） 赤口"},
  };
  testing::HeadlessRun run(2026y / 9 / 7);
  Program& p = run.Start();
  p.state.holidays.HolidayTable[static_cast<std::size_t>(p.state.holidays.HolidayCount++)] = {0, 9,
                                                                                              24};
  for (const int law : {0, 1}) {
    for (const int reki : {0, 1}) {
      p.state.mode_law = static_cast<std::int16_t>(law);
      p.state.mode_reki = static_cast<std::int16_t>(reki);
      ShowMonth(p.state, p.frmMain, p.sys.clock, 0);
      for (const auto& r : rows) {
        const std::string name = law == 1 ? r.by_law : "";
        const std::string reki_tip = std::string(r.reki) + (name.empty() ? "" : " ") + name;
        p.frmMain.lbl_menu.MouseMove(0, 0, r.at.first, r.at.second);
        EXPECT_EQ(p.frmMain.lbl_menu.ToolTipText(), reki == 1 ? reki_tip : name)
            << r.name << " law " << law << " reki " << reki;
      }
    }
  }
}

// A pointer that rests on a cell while the month or the mode changes.
TEST(LblMenu, TipFollowsTheMonthAndTheMode) {
  testing::HeadlessRun run(2026y / 9 / 7);
  Program& p = run.Start();
  FrmMain& frm = p.frmMain;
  frm.mnuFormLaw.Click();
  const auto [x, y] = OverCell(15);  // 14 September, 12 October
  frm.lbl_menu.MouseMove(0, 0, x, y);
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "");
  EXPECT_EQ(Press(p, kVkRight, kCtrl), 0);
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "スポーツの日");
  frm.mnuFormLaw.Click();
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "");
  frm.mnuFormLaw.Click();
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "スポーツの日");
  frm.cmdSwitchMonth(0).Click();
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "");
  frm.mnuFormReki.Click();
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "令和8年9月14日（月） 大安");
  // The day's name for a screen reader follows the option too.
  EXPECT_EQ(frm.lblDay(15).AccessibleName(), "9月14日 月曜日 令和8年9月14日（月） 大安");
  frm.mnuFormReki.Click();
  EXPECT_EQ(frm.lbl_menu.ToolTipText(), "");
  EXPECT_EQ(frm.lblDay(15).AccessibleName(), "9月14日 月曜日");
}

// Records each caption change in order, as a backend would repaint it.
class CaptionLog {
 public:
  void Watch(Form& form) {
    Add(form, [&form] { return form.Caption(); });
  }
  void Watch(Label& label, std::function<std::string()> note = {}) {
    Add(label, [&label, note] { return label.Caption() + (note ? note() : ""); });
  }
  std::vector<std::string> lines;

 private:
  class Peer : public ControlPeer {
   public:
    Peer(std::vector<std::string>& lines, std::string name, std::function<std::string()> read)
        : lines_(lines), name_(std::move(name)), read_(std::move(read)) {}
    void PropertyChanged(Property what) override {
      if (what == Property::Caption) lines_.push_back(name_ + "=" + read_());
    }

   private:
    std::vector<std::string>& lines_;
    std::string name_;
    std::function<std::string()> read_;
  };
  void Add(Control& c, std::function<std::string()> read) {
    const std::string name =
        c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
    peers_.push_back(std::make_unique<Peer>(lines, name, std::move(read)));
    c.AttachPeer(peers_.back().get());
  }
  std::vector<std::unique_ptr<Peer>> peers_;
};

// One event from end to end: Ctrl+Right on the last day of the year.
TEST(FormKeyDown, CtrlRightFromDecemberWalkThrough) {
  CaptionLog log;  // outlives the window it watches
  testing::HeadlessRun run{2000y / 12 / 30};
  Program& p = run.Start();
  ASSERT_EQ(p.frmMain.lblYM.Caption(), "2000/12");  // 1 December 2000 is a Friday: cells 5 to 35
  run.platform.today = 2000y / 12 / 31;             // midnight has passed since

  FrmMain& frm = p.frmMain;
  log.Watch(frm);
  log.Watch(frm.lblYM, [&frm] {
    int filled = 0;
    for (int i = 0; i < 42; ++i) filled += frm.lblDay(i).Caption().empty() ? 0 : 1;
    return " filled=" + std::to_string(filled);
  });
  for (int i = 0; i < 42; ++i) log.Watch(frm.lblDay(i));

  EXPECT_EQ(Press(p, kVkRight, kCtrl), 0);

  std::vector<std::string> expected{"frmMain=2000/12/31"};
  for (int i = 5; i <= 35; ++i) expected.push_back("lblDay(" + std::to_string(i) + ")=");
  expected.push_back("lblYM=2001/01 filled=0");
  for (int d = 1; d <= 31; ++d) {  // 1 January 2001 is a Monday: cells 1 to 31
    expected.push_back("lblDay(" + std::to_string(d) + ")=" + std::to_string(d));
  }
  EXPECT_EQ(log.lines, expected);
  EXPECT_EQ(p.state.ViewMonth, YM(2001, 1));
  EXPECT_EQ(frm.lblDay(1).ForeColor(), kDarkRed);  // New Year's Day
  EXPECT_EQ(frm.lblDay(8).ForeColor(), kDarkRed);  // second Monday
  EXPECT_EQ(frm.lblDay(6).ForeColor(), kBlue);
  EXPECT_EQ(frm.lblDay(3).ForeColor(), kBlack);
  // What a screen reader finds after the step: the new month in words, its
  // first day as a holiday, the cell before it empty and hidden from it.
  EXPECT_EQ(frm.lblYM.AccessibleName(), "2001年1月");
  EXPECT_EQ(frm.lblDay(1).AccessibleName(), "1月1日 月曜日 祝日");
  EXPECT_EQ(frm.lblDay(31).AccessibleName(), "1月31日 水曜日");
  EXPECT_FALSE(frm.lblDay(0).AccessibleShown());
  EXPECT_FALSE(frm.lblDay(32).AccessibleShown());
}

}  // namespace
}  // namespace ombrelk
