#include "settings/settings_file.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/runtime_values/number_text.h"
#include "platform/runtime_values/text_functions.h"
#include "settings/durable_write.h"
#include "settings/settings_keys.h"
#include "settings/settings_text.h"
#include "shell/program.h"
#include "shell/window_options.h"

namespace ombrelk {

namespace {

// What the reader has seen so far, beyond the values it applied.
struct ReadProgress {
  // A holiday line decided the table: it was read to its end, or it failed
  // after at least one complete entry.
  bool holidays_decided = false;
  // The last holiday line failed after complete entries, which are kept.
  bool holidays_cut_short = false;
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

// A window position, at most 10 characters from position 11, held and
// rounded to what the writer gives back, so that a file read and written
// again stays as it is.
std::optional<float> ReadPosition(std::string_view line) {
  const std::optional<float> value = TextToSingle(Mid(line, 11, 10));
  if (!value) return std::nullopt;
  return SingleAsWritten(*value);
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
      progress.holidays_cut_short = result.failed;
    }
    if (result.failed) return false;
  } else if (key == kKeyStartWeekday) {
    const std::string_view abbreviation = Mid(line, 11, kWeekdayNameReadLength);
    for (std::size_t i = 0; i < kWeekdayNames.size(); ++i) {
      if (abbreviation == kWeekdayNames[i].substr(0, kWeekdayNameReadLength))
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
    app.mode_law = *v;
    frm.mnuFormLaw.SetChecked(app.mode_law == 1);
  }
  return true;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += value;
  line += kLineEnd;
  return line;
}

// The one line a save that did not happen leaves on the error stream.
void ReportNotSaved(Program& app, const std::string& why) {
  app.sys.errors << "ombrelk: cannot write " << app.settings_file.string() << ": " << why << '\n';
}

void DefaultModeShow(Program& app) {
  app.ModeShow = kDefaultModeShow;
  app.frmMain.mnuFormShow.SetChecked(app.ModeShow == 1);
}

void DefaultModeTop(Program& app) {
  app.ModeTop = kDefaultModeTop;
  ApplyTopMost(app);
}

// A file that read to its end but lacked keys: give the missing values what a
// recreated file would hold, without rewriting the user's file.
void SupplyMissingValues(Program& app, const ReadProgress& progress) {
  if (!progress.holidays_decided) LoadDefaultHolidayTable(app.holidays);
  if (app.StartWeekday == -1) app.StartWeekday = kDefaultStartWeekday;
  if (app.ModeShow == -1) DefaultModeShow(app);
  if (app.ModeTop == -1) DefaultModeTop(app);
}

// "Ombrelk.ini.bak", or with number 1 to 9 "Ombrelk.ini.bak1" and so on.
std::filesystem::path BackupPath(const Program& app, int number) {
  std::filesystem::path backup = app.settings_file;
  backup += kBackupSuffix;
  if (number > 0) backup += DecimalText(number);
  return backup;
}

// Tries to keep the user's file by keep(backup): first as "Ombrelk.ini.bak",
// replacing an older backup, then as the first numbered backup that does not
// exist yet. Returns why none could be made, empty when one was.
template <typename Keep>
std::string KeepSomewhere(Program& app, Keep keep) {
  IoResult result = keep(BackupPath(app, 0));
  for (int n = 1; !result.ok() && n <= kMaxNumberedBackups; ++n) {
    const std::filesystem::path backup = BackupPath(app, n);
    if (!app.sys.files.Exists(backup)) result = keep(backup);
  }
  return result.error;
}

// A file about to be recreated is copied first, so that a typo never costs
// the user's holiday table; one that exists but cannot be opened is moved
// aside instead. Without either, the file is not to be overwritten in this
// run, and the reason is kept for the exit to tell.
bool KeepOldFile(Program& app, const ReadResult& old) {
  FileSystem& files = app.sys.files;
  std::string why;
  if (old.read()) {
    why = KeepSomewhere(app, [&](const std::filesystem::path& backup) {
      return WriteFileDurably(files, backup, old.content);
    });
  } else if (old.status == ReadResult::Status::kUnreadable) {
    why = KeepSomewhere(app, [&](const std::filesystem::path& backup) {
      return files.Rename(app.settings_file, backup);
    });
  }
  if (why.empty()) return true;
  app.settings_file_kept = "it could not be read and no backup of it could be made (" + why + ")";
  return false;
}

void Recover(Program& app, const ReadResult& old, const ReadProgress& progress) {
  std::string out;
  if (!progress.holidays_decided) {
    LoadDefaultHolidayTable(app.holidays);
    out += HolidayLine(app.holidays) + std::string(kLineEnd);
  } else if (progress.holidays_cut_short) {
    // The entries kept from a line that failed: without them here, a crash
    // before the exit would lose them.
    out += HolidayLine(app.holidays) + std::string(kLineEnd);
  }
  if (app.StartWeekday == -1) {
    app.StartWeekday = kDefaultStartWeekday;
    out += KeyLine(kKeyStartWeekday, kWeekdayNames[static_cast<std::size_t>(app.StartWeekday - 1)]);
  }
  out += KeyLine(kKeyFormTop, SingleText(app.frmMain.Top()));
  out += KeyLine(kKeyFormLeft, SingleText(app.frmMain.Left()));
  if (app.ModeShow == -1) {
    DefaultModeShow(app);
    out += KeyLine(kKeyModeShow, DecimalText(app.ModeShow));
  }
  if (app.ModeTop == -1) {
    DefaultModeTop(app);
    out += KeyLine(kKeyModeTop, DecimalText(app.ModeTop));
  }
  if (!KeepOldFile(app, old)) return;
  const IoResult written = WriteFileDurably(app.sys.files, app.settings_file, out);
  if (!written.ok()) ReportNotSaved(app, written.error);
}

}  // namespace

void LoadSettings(Program& app) {
  app.holidays.HolidayCount = 1;
  app.StartWeekday = -1;
  app.ModeTop = -1;
  app.ModeShow = -1;

  ReadProgress progress;
  const ReadResult old = app.sys.files.ReadAll(app.settings_file);
  if (!old.read()) {
    Recover(app, old, progress);
    return;
  }
  for (const std::string_view line : SplitSettingsLines(old.content)) {
    if (!ApplyLine(app, line, progress)) {
      Recover(app, old, progress);
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
  if (!app.settings_file_kept.empty()) {
    ReportNotSaved(app, app.settings_file_kept);
    return;
  }
  const IoResult written = WriteFileDurably(app.sys.files, app.settings_file, out);
  if (!written.ok()) ReportNotSaved(app, written.error);
}

}  // namespace ombrelk
