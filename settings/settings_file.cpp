#include "settings/settings_file.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/number_text.h"
#include "settings/durable_write.h"
#include "settings/settings_keys.h"
#include "settings/settings_text.h"
#include "shell/program.h"
#include "shell/window_options.h"

namespace ombrelk {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayAbbreviations{"Sun", "Mon", "Tue", "Wed",
                                                                "Thu", "Fri", "Sat"};

// What the reader has seen so far, beyond the values it applied.
struct ReadProgress {
  // A holiday line decided the table: it was read to its end, or it failed
  // after at least one complete entry.
  bool holidays_decided = false;
};

void ApplyHolidays(Program& app, const HolidayLineResult& line) {
  Holidays& h = app.holidays;
  h.HolidayCount = 0;
  for (const Holiday& entry : line.entries) {
    h.HolidayTable[static_cast<std::size_t>(h.HolidayCount++)] = entry;
  }
}

void SetMainWindowVisible(Program& app, bool visible) {
  // Without a tray a hidden window could not be reached again.
  if (!visible && !app.has_tray) return;
  app.frmMain.SetVisible(visible);
}

// A window position, at most 10 characters from position 11.
std::optional<float> ReadPosition(std::string_view line) {
  return TextToSingle(Mid(line, 11, 10));
}

// Applies one line; false when a value fails to convert.
bool ApplyLine(Program& app, std::string_view line, ReadProgress& progress) {
  if (line.size() < kKeyLength) return true;
  const std::string_view key = line.substr(0, kKeyLength);
  FrmMain& frm = app.frmMain;
  if (key == kKeyModeShow) {
    const auto v = TextToInt16(Mid(line, 11, 1));
    if (!v) return false;
    app.ModeShow = *v;
    frm.mnuFormShow.SetChecked(app.ModeShow == 1);
  } else if (key == kKeyModeTop) {
    const auto v = TextToInt16(Mid(line, 11, 1));
    if (!v) return false;
    app.ModeTop = *v;
    ApplyTopMost(app);
  } else if (key == kKeyHoliday) {
    const HolidayLineResult result = ReadHolidayLine(line);
    // A later line replaces an earlier one, as for every other key; a line that
    // fails keeps its complete entries and drops the incomplete one.
    if (!result.failed || !result.entries.empty()) {
      ApplyHolidays(app, result);
      progress.holidays_decided = true;
    }
    if (result.failed) return false;
  } else if (key == kKeyStartWeekday) {
    const std::string_view abbreviation = Mid(line, 11, 3);
    for (int i = 0; i < 7; ++i) {
      if (abbreviation == kWeekdayAbbreviations[static_cast<std::size_t>(i)])
        app.StartWeekday = static_cast<std::int16_t>(i + 1);
    }
  } else if (key == kKeyFormTop) {
    const auto v = ReadPosition(line);
    if (!v) return false;
    frm.SetTop(*v);
  } else if (key == kKeyFormLeft) {
    const auto v = ReadPosition(line);
    if (!v) return false;
    frm.SetLeft(*v);
  } else if (key == kKeyModeMin) {
    const auto v = TextToInt16(Mid(line, 11, 1));
    if (!v) return false;
    app.ModeMin = *v;
    SetMainWindowVisible(app, app.ModeMin != 1);
  } else if (key == kKeyModeLaw) {
    const auto v = TextToInt16(Mid(line, 11, 1));
    if (!v) return false;
    app.ModeLaw = *v;
    frm.mnuFormLaw.SetChecked(app.ModeLaw == 1);
  }
  return true;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += value;
  line += kLineEnd;
  return line;
}

void DefaultModeShow(Program& app) {
  app.frmMain.mnuFormShow.SetChecked(true);
  app.ModeShow = 1;
}

void DefaultModeTop(Program& app) {
  app.ModeTop = 1;
  ApplyTopMost(app);
}

// A file that read to its end but lacked keys: give the missing values what a
// recreated file would hold, without rewriting the user's file.
void SupplyMissingValues(Program& app, const ReadProgress& progress) {
  if (!progress.holidays_decided) LoadDefaultHolidayTable(app.holidays);
  if (app.StartWeekday == -1) app.StartWeekday = 1;
  if (app.ModeShow == -1) DefaultModeShow(app);
  if (app.ModeTop == -1) DefaultModeTop(app);
}

std::filesystem::path BackupPath(const Program& app) {
  std::filesystem::path backup = app.settings_file;
  backup += kBackupSuffix;
  return backup;
}

// Keeps a file that is about to be recreated as "Ombrelk.ini.bak", replacing
// an older backup, so a typo never costs the user's holiday table. False when
// it could not be kept; the old file is then left as it is.
bool KeepBackup(Program& app, const std::string& old_content) {
  return WriteFileDurably(app.sys.files, BackupPath(app), old_content, app.sys.errors);
}

// A file that exists but cannot be opened is moved aside instead. Usually
// there is no file at all, and then there is nothing to move.
void MoveAsideUnopenable(Program& app) {
  app.sys.files.Rename(app.settings_file, BackupPath(app));
}

void Recover(Program& app, const std::optional<std::string>& old_content,
             const ReadProgress& progress) {
  std::string out;
  if (!progress.holidays_decided) {
    LoadDefaultHolidayTable(app.holidays);
    out += HolidayLine(app.holidays) + std::string(kLineEnd);
  }
  if (app.StartWeekday == -1) {
    app.StartWeekday = 1;
    out += KeyLine(kKeyStartWeekday, "Sunday");
  }
  out += KeyLine(kKeyFormTop, SingleText(app.frmMain.Top()));
  out += KeyLine(kKeyFormLeft, SingleText(app.frmMain.Left()));
  if (app.ModeShow == -1) {
    DefaultModeShow(app);
    out += KeyLine(kKeyModeShow, "1");
  }
  if (app.ModeTop == -1) {
    DefaultModeTop(app);
    out += KeyLine(kKeyModeTop, "1");
  }
  if (!old_content) {
    MoveAsideUnopenable(app);
  } else if (!KeepBackup(app, *old_content)) {
    return;
  }
  WriteFileDurably(app.sys.files, app.settings_file, out, app.sys.errors);
}

}  // namespace

void LoadSettings(Program& app) {
  app.holidays.HolidayCount = 1;
  app.StartWeekday = -1;
  app.ModeTop = -1;
  app.ModeShow = -1;

  ReadProgress progress;
  const std::optional<std::string> content = app.sys.files.ReadAll(app.settings_file);
  if (!content) {
    Recover(app, std::nullopt, progress);
    return;
  }
  for (const std::string_view line : SplitSettingsLines(*content)) {
    if (!ApplyLine(app, line, progress)) {
      Recover(app, content, progress);
      return;
    }
  }
  SupplyMissingValues(app, progress);
}

void SaveSettings(Program& app) {
  const FrmMain& frm = app.frmMain;
  std::string out;
  out += KeyLine(kKeyFormTop, SingleText(frm.Top()));
  out += KeyLine(kKeyFormLeft, SingleText(frm.Left()));
  out += KeyLine(kKeyStartWeekday, frm.cboWDay.Text());
  out += HolidayLine(app.holidays) + std::string(kLineEnd);
  out += KeyLine(kKeyModeShow, DecimalText(app.ModeShow));
  out += KeyLine(kKeyModeTop, DecimalText(app.ModeTop));
  out += KeyLine(kKeyModeMin, DecimalText(app.ModeMin));
  // Only while it is on, so everyone else's file keeps its seven lines.
  if (app.LawMode()) out += KeyLine(kKeyModeLaw, "1");
  WriteFileDurably(app.sys.files, app.settings_file, out, app.sys.errors);
}

}  // namespace ombrelk
