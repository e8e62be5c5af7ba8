// Reading the settings file at start-up: what each line applies, what a
// failure recovers, and what a file that lacks keys is given.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "headless_run.h"
#include "platform/runtime_values/number_text.h"
#include "settings/settings_fixtures.h"

namespace ombrelk {
namespace {

using testing::Crlf;
using testing::ExampleFile;
using testing::HeadlessRun;
using testing::HolidayLineOf;
using testing::kDefaultHolidayLine;
using testing::Saved;

// Starts a run on a settings file; no file when text is empty.
struct Started {
  explicit Started(const std::optional<std::string>& text) {
    if (text) run.WriteSettings(*text);
    run.Start();
  }
  Program& p() { return *run.program; }
  // Whether start-up wrote the file anew (it then differs from what was there).
  bool Recreated(const std::optional<std::string>& text) const {
    return !text || run.ReadSettings() != *text;
  }
  HeadlessRun run;
};

TEST(LoadSettings, AppliesOrRecoversEachValue) {
  const std::string example_top = ExampleFile();
  const struct {
    const char* name;
    std::optional<std::string> file;
    int holiday_count, weekday, show, top_mode;
    bool recreated;
  } rows[] = {
      {"no file", std::nullopt, 15, 1, 1, 1, true},
      {"the example file", ExampleFile(), 15, 2, 1, 0, false},
      {"one entry, then a failure", Crlf({"HOLIDAY  :00000505", "MODE_SHOW:x"}), 1, 1, 1, 1, true},
      {"100 entries and more text", Saved{.holidays = HolidayLineOf(100) + "0101x"}.Text(), 100, 1,
       1, 1, false},
      {"only entry stops after its month", Crlf({"HOLIDAY  :000001"}), 15, 1, 1, 1, true},
      {"Wednesday", Saved{.weekday = "Wednesday"}.Text(), 15, 4, 1, 1, false},
      {"wed matches no weekday", Saved{.weekday = "wed"}.Text(), 15, 1, 1, 1, false},
      {"show 10 reads only its first digit", Saved{.show = "10"}.Text(), 15, 1, 1, 1, false},
      {"show with no value", Saved{.show = ""}.Text(), 15, 1, 1, 1, true},
      {"show -1: a sign alone", Saved{.show = "-1"}.Text(), 15, 1, 1, 1, true},
      {"show 5 is kept as read", Saved{.show = "5"}.Text(), 15, 1, 5, 1, false},
      {"top mode 2 is kept as read", Saved{.top_mode = "2"}.Text(), 15, 1, 1, 2, false},
      {"a blank value", Saved{.min = " "}.Text(), 15, 1, 1, 1, true},
      {"a letter in a position", Saved{.top = "18o0"}.Text(), 15, 1, 1, 1, true},
      {"MODE_TOP without its blank is no key", ExampleFile() + Crlf({"MODE_TOP:1", "MODE_TOP:-"}),
       15, 2, 1, 0, false},
      {"not a number", Saved{.top = "nan"}.Text(), 15, 1, 1, 1, true},
      {"infinity", Saved{.left = "inf"}.Text(), 15, 1, 1, 1, true},
      // Keys missing from a file that reads to its end get the defaults of a
      // recreated file, and the file is left as it is.
      {"empty file", std::string(), 15, 1, 1, 1, false},
      {"only a position", Crlf({"FORMTOP  :1800"}), 15, 1, 1, 1, false},
      {"only show 0", Crlf({"MODE_SHOW:0"}), 15, 1, 0, 1, false},
      {"only a holiday line", Crlf({"HOLIDAY  :00000505"}), 1, 1, 1, 1, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Started s(r.file);
    const Program& p = s.p();
    EXPECT_EQ(p.state.holidays.HolidayCount, r.holiday_count);
    EXPECT_EQ(p.state.StartWeekday, r.weekday);
    EXPECT_EQ(p.frmMain.cboWDay.ListIndex(), r.weekday - 1);
    EXPECT_EQ(p.state.ModeShow, r.show);
    EXPECT_EQ(p.state.ModeTop, r.top_mode);
    EXPECT_EQ(p.frmMain.mnuFormShow.Checked(), r.show == 1);
    EXPECT_EQ(p.frmMain.mnuFormTop.Checked(), r.top_mode == 1);
    EXPECT_EQ(s.Recreated(r.file), r.recreated);
  }
}

TEST(LoadSettings, FillsTheHolidayTable) {
  using H = Holiday;
  const struct {
    const char* name;
    std::string file;
    std::vector<Holiday> table;
  } rows[] = {
      {"one entry survives a later failure",
       Crlf({"HOLIDAY  :00000505", "FORMTOP  :"}),
       {H{0, 5, 5}}},
      {"the incomplete entry is dropped",
       Crlf({"HOLIDAY  :2001020300000505000012"}),
       {H{2001, 2, 3}, H{0, 5, 5}}},
      {"a later line replaces an earlier one",
       Crlf({"HOLIDAY  :000001010000021100001223", "HOLIDAY  :0000050300000505"}),
       {H{0, 5, 3}, H{0, 5, 5}}},
      {"an empty later line empties the table", Crlf({"HOLIDAY  :00000101", "HOLIDAY  :"}), {}},
      {"negative fields", Crlf({"HOLIDAY  :-001-1-1-999-9-9"}), {H{-1, -1, -1}, H{-999, -9, -9}}},
      {"blanks around a field's digits", Crlf({"HOLIDAY  :   1 1 2"}), {H{1, 1, 2}}},
      {"fractions round halves to even",
       Crlf({"HOLIDAY  :00005.052.5 3..5"}),
       {H{0, 5, 5}, H{2, 3, 0}}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Started s(r.file);
    const Holidays& h = s.p().state.holidays;
    ASSERT_EQ(h.HolidayCount, static_cast<int>(r.table.size()));
    for (std::size_t i = 0; i < r.table.size(); ++i) EXPECT_EQ(h.HolidayTable[i], r.table[i]);
  }
  Started full(Saved{.holidays = HolidayLineOf(100) + "9999"}.Text());
  EXPECT_EQ(full.p().state.holidays.HolidayTable[99], (Holiday{100, 1, 1}));
}

TEST(LoadSettings, PlacesAndShowsTheWindow) {
  const struct {
    const char* name;
    std::string file;
    float top, left;
    bool visible;
  } rows[] = {
      {"the example file", ExampleFile(), 1800, 9000, true},
      {"above the screen", Saved{.top = "-150"}.Text(), -150, 75, true},
      {"far off the screen", Saved{.top = "99999", .left = "-99999"}.Text(), 99999, -99999, true},
      {"beyond every screen", Saved{.top = "3e38", .left = "-3e38"}.Text(), 9999999, -9999999,
       true},
      {"a fraction", Saved{.top = "1800.5"}.Text(), 1800.5F, 75, true},
      {"hidden at the last exit", Saved{.min = "1"}.Text(), 360, 75, false},
      {"min 2 shows the window", Saved{.min = "2"}.Text(), 360, 75, true},
      {"min 1 then 0", Saved{.min = "1"}.Text() + Crlf({"MODE_MIN :0"}), 360, 75, true},
      // Nothing in this file shows the window on the way, and nothing hides it:
      // it comes on screen when start-up ends.
      {"top mode first, no min",
       Crlf({"MODE_TOP :1", "MODE_SHOW:1", "STARTWDAY:Sunday", kDefaultHolidayLine}), 360, 75,
       true},
      {"top mode 2, no min", Crlf({"MODE_SHOW:1", "MODE_TOP :2"}), 360, 75, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Started s(r.file);
    const FrmMain& frm = s.p().frmMain;
    EXPECT_EQ(frm.Top(), r.top);
    EXPECT_EQ(frm.Left(), r.left);
    EXPECT_EQ(frm.Visible(), r.visible);
  }
}

TEST(LoadSettings, LeavesModeMinAsItWasWhenNoLineSetsIt) {
  HeadlessRun run;
  run.Make().state.ModeMin = 1;
  run.program->Start();
  EXPECT_EQ(run.program->state.ModeMin, 1);
}

// "MODE_MIN :0" shows the window at once, before the month is drawn.
TEST(LoadSettings, ShowsTheWindowBeforeTheMonthIsDrawn) {
  struct Recorder : ControlPeer {
    Recorder(std::vector<std::string>& log, std::string name, Property watched)
        : log(log), name(std::move(name)), watched(watched) {}
    void PropertyChanged(Property what) override {
      if (what == watched) log.push_back(name);
    }
    std::vector<std::string>& log;
    std::string name;
    Property watched;
  };
  HeadlessRun run;
  run.WriteSettings(Crlf({"MODE_SHOW:1", "MODE_MIN :0"}));
  Program& p = run.Make();
  std::vector<std::string> log;
  Recorder window(log, "shown", Property::Visible);
  Recorder year_month(log, "drawn", Property::Caption);
  p.frmMain.AttachPeer(&window);
  p.frmMain.lblYM.AttachPeer(&year_month);
  p.Start();
  p.frmMain.AttachPeer(nullptr);
  p.frmMain.lblYM.AttachPeer(nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"shown", "drawn"}));
}

}  // namespace
}  // namespace ombrelk
