// The settings file from start-up to shut-down, byte for byte: what start-up
// finds, what it recreates (keeping the old file as a backup), and what the
// exit entry writes after a user action or two.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "platform/runtime_values/tray_notification.h"
#include "platform/runtime_values/twips.h"
#include "settings/settings_fixtures.h"

namespace ombrelk {
namespace {

using testing::Crlf;
using testing::ExampleFile;
using testing::FileNames;
using testing::FirstStartFile;
using testing::HeadlessRun;
using testing::HolidayLineOf;
using testing::kDefaultHolidayLine;
using testing::Saved;

std::string WithLineEnds(std::string text, const std::string& end) {
  std::string out;
  for (std::size_t p = 0; p < text.size(); ++p) {
    if (text.compare(p, 2, "\r\n") == 0) {
      out += end;
      ++p;
    } else {
      out += text[p];
    }
  }
  return out;
}

using Action = std::function<void(FrmMain&)>;
void Nothing(FrmMain& /*frm*/) {}
Action ChooseWeekday(int index) {
  return [index](FrmMain& frm) { frm.cboWDay.SetListIndex(index); };
}
void DoubleClickTrayIcon(FrmMain& frm) {
  frm.MouseMove(0, 0, TrayNotificationX(kWmLButtonDblClk, kUsualTwipsPerPixel), 0);
}
void ToggleShowAtStart(FrmMain& frm) {
  frm.mnuFormShow.Click();
}
void ToggleOnTop(FrmMain& frm) {
  frm.mnuFormTop.Click();
}
void ToggleLaw(FrmMain& frm) {
  frm.mnuFormLaw.Click();
}
void ToggleReki(FrmMain& frm) {
  frm.mnuFormReki.Click();
}
void ToggleIcon(FrmMain& frm) {
  frm.mnuFormIcon.Click();
}

TEST(SettingsFile, FromStartUpToShutDown) {
  const std::string example = ExampleFile();
  const Saved example_on_top{"1800", "9000", "Monday", kDefaultHolidayLine, "1", "1", "0"};
  const struct {
    const char* name;
    std::optional<std::string> file;       // none: no settings file
    std::optional<std::string> recreated;  // none: start-up leaves the file as it was
    std::vector<Action> actions;
    std::string saved;
  } rows[] = {
      {"no file", std::nullopt, FirstStartFile(), {Nothing}, Saved{}.Text()},
      {"the first start's file",
       FirstStartFile(),
       std::nullopt,
       {ChooseWeekday(1), ToggleShowAtStart},
       Saved{.weekday = "Monday", .show = "0"}.Text()},
      {"the example", example, std::nullopt, {Nothing}, example},
      {"an empty value",
       Saved{"1800", "9000", "Monday", kDefaultHolidayLine, "", "0", "0"}.Text(),
       Crlf({"FORMTOP  :1800", "FORMLEFT :9000", "MODE_SHOW:1", "MODE_TOP :1"}),
       {Nothing},
       example_on_top.Text()},
      {"a letter",
       Crlf({"STARTWDAY:Friday", "FORMTOP  :1x00", "MODE_SHOW:0"}),
       Crlf({kDefaultHolidayLine, "FORMTOP  :360", "FORMLEFT :75", "MODE_SHOW:1", "MODE_TOP :1"}),
       {[](FrmMain& frm) {
         frm.Move({3000, 1500, frm.Width(), frm.Height()});
       }},
       Saved{.top = "1500", .left = "3000", .weekday = "Friday"}.Text()},
      {"a sign alone",
       Crlf({"HOLIDAY  :00000505", "MODE_MIN :-"}),
       Crlf({"STARTWDAY:Sunday", "FORMTOP  :360", "FORMLEFT :75", "MODE_SHOW:1", "MODE_TOP :1"}),
       {ToggleOnTop},
       Saved{.holidays = "HOLIDAY  :00000505", .top_mode = "0"}.Text()},
      {"a short holiday entry",
       Crlf({"HOLIDAY  :0000010100000505000012", "STARTWDAY:Friday"}),
       Crlf({"HOLIDAY  :0000010100000505", "STARTWDAY:Sunday", "FORMTOP  :360", "FORMLEFT :75",
             "MODE_SHOW:1", "MODE_TOP :1"}),
       {Nothing},
       Saved{.holidays = "HOLIDAY  :0000010100000505"}.Text()},
      {"101 entries",
       Saved{.holidays = HolidayLineOf(101)}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.holidays = HolidayLineOf(100)}.Text()},
      {"more than 810 characters",
       Saved{.holidays = HolidayLineOf(100) + "x0000101"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.holidays = HolidayLineOf(100)}.Text()},
      {"MODE_TOP before MODE_SHOW",
       Crlf({"MODE_TOP :1", "MODE_SHOW:1", "FORMTOP  :1800", "FORMLEFT :9000", "STARTWDAY:Monday",
             kDefaultHolidayLine, "MODE_MIN :0"}),
       std::nullopt,
       {Nothing},
       example_on_top.Text()},
      {"unknown keys and short lines",
       example + Crlf({"COLOR    :red", "MODE_TOP:1", "", "abc", "formtop  :5"}),
       std::nullopt,
       {Nothing},
       example},
      {"CR line ends", WithLineEnds(example, "\r"), std::nullopt, {Nothing}, example},
      {"LF line ends", WithLineEnds(example, "\n"), std::nullopt, {Nothing}, example},
      {"a byte-order mark", "\xEF\xBB\xBF" + example, std::nullopt, {Nothing}, example},
      {"negative holiday fields",
       Saved{.holidays = "HOLIDAY  :-001-1-100000101-999-9-9"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.holidays = "HOLIDAY  :-001-1-100000101-999-9-9"}.Text()},
      {"the holiday key alone",
       Saved{.holidays = "HOLIDAY  :"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.holidays = "HOLIDAY  :"}.Text()},
      {"two holiday lines",
       Crlf({kDefaultHolidayLine, "HOLIDAY  :00000505"}),
       std::nullopt,
       {Nothing},
       Saved{.holidays = "HOLIDAY  :00000505"}.Text()},
      {"an empty file", std::string(), std::nullopt, {Nothing}, Saved{}.Text()},
      {"positions as plain decimals of seven digits",
       Saved{.top = "300000", .left = "-1234.5678"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.top = "300000", .left = "-1234.568"}.Text()},
      {"only a left edge",
       Crlf({"FORMLEFT :9000"}),
       std::nullopt,
       {ChooseWeekday(6)},
       Saved{.left = "9000", .weekday = "Saturday"}.Text()},
      {"hidden into the tray before exit",
       example,
       std::nullopt,
       {DoubleClickTrayIcon},
       Saved{"1800", "9000", "Monday", kDefaultHolidayLine, "1", "0", "1"}.Text()},
      {"shown again before exit",
       Saved{.min = "1"}.Text(),
       std::nullopt,
       {DoubleClickTrayIcon},
       Saved{}.Text()},
      // The law mode's line is there only while the mode is on.
      {"law mode on", Saved{.law = "1"}.Text(), std::nullopt, {Nothing}, Saved{.law = "1"}.Text()},
      {"law mode 10 reads only its first digit",
       Saved{.law = "10"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.law = "1"}.Text()},
      {"law mode 2 is off", Saved{.law = "2"}.Text(), std::nullopt, {Nothing}, Saved{}.Text()},
      {"law mode turned on", Saved{}.Text(), std::nullopt, {ToggleLaw}, Saved{.law = "1"}.Text()},
      {"law mode turned off", Saved{.law = "1"}.Text(), std::nullopt, {ToggleLaw}, Saved{}.Text()},
      {"law mode not a number",
       Saved{.law = "x"}.Text(),
       Crlf({"FORMTOP  :360", "FORMLEFT :75"}),
       {Nothing},
       Saved{}.Text()},
      {"law mode -1: a sign alone",
       Saved{.law = "-1"}.Text(),
       Crlf({"FORMTOP  :360", "FORMLEFT :75"}),
       {Nothing},
       Saved{}.Text()},
      // The reki mode's line likewise, after the law mode's.
      {"reki mode on",
       Saved{.reki = "1"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.reki = "1"}.Text()},
      {"reki mode turned on with the law mode",
       Saved{}.Text(),
       std::nullopt,
       {ToggleReki, ToggleLaw},
       Saved{.law = "1", .reki = "1"}.Text()},
      {"reki mode turned off",
       Saved{.reki = "1"}.Text(),
       std::nullopt,
       {ToggleReki},
       Saved{}.Text()},
      {"reki mode not a number",
       Saved{.reki = "x"}.Text(),
       Crlf({"FORMTOP  :360", "FORMLEFT :75"}),
       {Nothing},
       Saved{}.Text()},
      // The icon mode's line likewise, last.
      {"icon mode on",
       Saved{.icon = "1"}.Text(),
       std::nullopt,
       {Nothing},
       Saved{.icon = "1"}.Text()},
      {"icon mode turned on with the other two",
       Saved{}.Text(),
       std::nullopt,
       {ToggleIcon, ToggleReki, ToggleLaw},
       Saved{.law = "1", .reki = "1", .icon = "1"}.Text()},
      {"icon mode turned off",
       Saved{.icon = "1"}.Text(),
       std::nullopt,
       {ToggleIcon},
       Saved{}.Text()},
      {"icon mode not a number",
       Saved{.icon = "x"}.Text(),
       Crlf({"FORMTOP  :360", "FORMLEFT :75"}),
       {Nothing},
       Saved{}.Text()},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    if (r.file) run.WriteSettings(*r.file);
    Program& p = run.Start();
    EXPECT_EQ(p.frmMain.mnuFormLaw.Checked(), p.state.LawMode());
    EXPECT_EQ(p.frmMain.mnuFormReki.Checked(), p.state.RekiMode());
    EXPECT_EQ(p.frmMain.mnuFormIcon.Checked(), p.state.IconMode());

    EXPECT_EQ(run.ReadSettings(), r.recreated ? *r.recreated : *r.file);
    const bool backup = r.recreated && r.file;
    std::vector<std::string> files{"Ombrelk.ini"};
    if (backup) files.emplace_back("Ombrelk.ini.bak");
    EXPECT_EQ(FileNames(run.dir.path()), files);
    if (backup) {
      EXPECT_EQ(testing::ReadFileBytes(run.dir.path() / "Ombrelk.ini.bak"), *r.file);
    }

    for (const Action& act : r.actions) act(p.frmMain);
    p.frmMain.mnuEnd.Click();

    EXPECT_EQ(run.ReadSettings(), r.saved);
    EXPECT_EQ(FileNames(run.dir.path()), files);
    EXPECT_EQ(run.platform.errors.str(), "");
    EXPECT_TRUE(run.platform.ended);
  }
}

// What one run saves, the next reads back unchanged.
TEST(SettingsFile, ASavedFileReadsBackAsItWasWritten) {
  HeadlessRun first;
  first.WriteSettings(Saved{.top = "-150",
                            .left = "12345.5",
                            .weekday = "Thursday",
                            .holidays = "HOLIDAY  :-0010101",
                            .show = "0",
                            .top_mode = "2"}
                          .Text());
  first.Start().frmMain.mnuEnd.Click();
  const std::string saved = first.ReadSettings();

  HeadlessRun second;
  second.WriteSettings(saved);
  second.Start().frmMain.mnuEnd.Click();
  EXPECT_EQ(second.ReadSettings(), saved);
  EXPECT_NE(saved.find("MODE_MIN :1\r\n"), std::string::npos);  // it started in the tray
}

}  // namespace
}  // namespace ombrelk
