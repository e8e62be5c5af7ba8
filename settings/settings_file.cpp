#include "settings/settings_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime_values/number_text.h"
#include "platform/runtime_values/text_functions.h"
#include "platform/services/error_sink.h"
#include "platform/services/failure_reasons.h"
#include "settings/durable_write.h"
#include "settings/settings_keys.h"
#include "settings/settings_text.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"

namespace ombrelk {

namespace {

// What reading and writing the file touch: the shared state, the calendar
// window's place, check marks and visibility, the files, the error sink, and
// the window options' z-order, which the caller applies.
struct SettingsTarget {
  CalendarState& state;
  FrmMain& frm;
  FileSystem& files;
  ErrorSink& errors;
  const std::function<void()>& apply_top_most;
};

// What the reader has seen so far, beyond the values it applied.
struct ReadProgress {
  // A holiday line decided the table: it was read to its end, or it failed
  // after at least one complete entry.
  bool holidays_decided = false;
  // The last holiday line failed after complete entries, which are kept.
  bool holidays_cut_short = false;
};

void ApplyHolidays(SettingsTarget& t, const HolidayLineResult& line) {
  Holidays& h = t.state.holidays;
  h.HolidayCount = 0;
  for (const Holiday& entry : line.entries) {
    h.HolidayTable[static_cast<std::size_t>(h.HolidayCount++)] = entry;
  }
}

void SetMainWindowVisible(SettingsTarget& t, bool visible) {
  // Without a tray a hidden window could not be reached again.
  if (!visible && !t.state.has_tray) return;
  t.frm.SetVisible(visible);
}

// A window position, at most 10 characters from position 11, held and
// rounded to what the writer gives back, so that a file read and written
// again stays as it is.
std::optional<float> ReadPosition(std::string_view line) {
  const std::optional<float> value = TextToSingle(Mid(line, kValueColumn, 10));
  if (!value) return std::nullopt;
  return SingleAsWritten(*value);
}

// The options kept as one digit each.
constexpr std::array<std::string_view, 6> kModeKeys{kKeyModeShow, kKeyModeTop,  kKeyModeMin,
                                                    kKeyModeLaw,  kKeyModeReki, kKeyModeIcon};

void ApplyMode(SettingsTarget& t, std::string_view key, std::int16_t value) {
  CalendarState& s = t.state;
  FrmMain& frm = t.frm;
  if (key == kKeyModeShow) {
    s.ModeShow = value;
    frm.mnuFormShow.SetChecked(s.ModeShow == 1);
  } else if (key == kKeyModeTop) {
    s.ModeTop = value;
    t.apply_top_most();
  } else if (key == kKeyModeMin) {
    s.ModeMin = value;
    SetMainWindowVisible(t, s.ModeMin != 1);
  } else if (key == kKeyModeLaw) {
    s.mode_law = value;
    frm.mnuFormLaw.SetChecked(s.LawMode());
  } else if (key == kKeyModeReki) {
    s.mode_reki = value;
    frm.mnuFormReki.SetChecked(s.RekiMode());
  } else if (key == kKeyModeIcon) {
    s.mode_icon = value;
    frm.mnuFormIcon.SetChecked(s.IconMode());
  }
}

// Applies one line; false when a value fails to convert.
bool ApplyLine(SettingsTarget& t, std::string_view line, ReadProgress& progress) {
  if (line.size() < kKeyLength) return true;
  const std::string_view key = line.substr(0, kKeyLength);
  if (std::find(kModeKeys.begin(), kModeKeys.end(), key) != kModeKeys.end()) {
    const auto v = TextToInt16(Mid(line, kValueColumn, 1));
    if (!v) return false;
    ApplyMode(t, key, *v);
  } else if (key == kKeyHoliday) {
    const HolidayLineResult result = ReadHolidayLine(line);
    // A later line replaces an earlier one, as for every other key; a line that
    // fails keeps its complete entries and drops the incomplete one.
    if (!result.failed || !result.entries.empty()) {
      ApplyHolidays(t, result);
      progress.holidays_decided = true;
      progress.holidays_cut_short = result.failed;
    }
    if (result.failed) return false;
  } else if (key == kKeyStartWeekday) {
    const std::string_view abbreviation = Mid(line, kValueColumn, kWeekdayNameReadLength);
    for (std::size_t i = 0; i < kWeekdayNames.size(); ++i) {
      if (abbreviation == kWeekdayNames[i].substr(0, kWeekdayNameReadLength))
        t.state.StartWeekday = static_cast<std::int16_t>(i + 1);
    }
  } else if (key == kKeyFormTop || key == kKeyFormLeft) {
    const auto v = ReadPosition(line);
    if (!v) return false;
    if (key == kKeyFormTop) {
      t.frm.SetTop(*v);
    } else {
      t.frm.SetLeft(*v);
    }
  }
  return true;
}

// The common reasons in the user's words, any other in the system's.
std::string ReasonText(const IoResult& failed) {
  const std::string_view common = CommonReasonText(failed.errno_value);
  return common.empty() ? failed.error : std::string(common);
}

std::string NotSavedMessage(const FilePath& file, const std::string& reason) {
  // UTF-8 like every text the program shows, also for a folder named in
  // Japanese on Windows.
  return "設定を保存できませんでした。\n" + file.text() + "\n" + reason;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += value;
  line += kLineEnd;
  return line;
}

// The one line a save that did not happen leaves on the error sink.
void ReportNotSaved(ErrorSink& errors, const FilePath& file, const std::string& why) {
  errors.Write("ombrelk: cannot write " + file.text() + ": " + why + "\n");
}

// Gives each value the file did not hold its default, in the file's order,
// so that the always-on-top option is applied after the start-up choice. A
// recovery passes out: the recreated file then gets the defaults and the
// holiday entries kept from a line that failed (without them there, a crash
// before the exit would lose them), and the window's place.
void SupplyDefaults(SettingsTarget& t, const ReadProgress& progress, std::string* out) {
  CalendarState& s = t.state;
  if (!progress.holidays_decided) LoadDefaultHolidayTable(s.holidays);
  if (out != nullptr && (!progress.holidays_decided || progress.holidays_cut_short))
    *out += HolidayLine(s.holidays) + std::string(kLineEnd);
  if (s.StartWeekday == -1) {
    s.StartWeekday = kDefaultStartWeekday;
    if (out != nullptr)
      *out +=
          KeyLine(kKeyStartWeekday, kWeekdayNames[static_cast<std::size_t>(s.StartWeekday - 1)]);
  }
  if (out != nullptr) {
    *out += KeyLine(kKeyFormTop, SingleText(t.frm.Top()));
    *out += KeyLine(kKeyFormLeft, SingleText(t.frm.Left()));
  }
  if (s.ModeShow == -1) {
    s.ModeShow = kDefaultModeShow;
    t.frm.mnuFormShow.SetChecked(s.ModeShow == 1);
    if (out != nullptr) *out += KeyLine(kKeyModeShow, DecimalText(s.ModeShow));
  }
  if (s.ModeTop == -1) {
    s.ModeTop = kDefaultModeTop;
    t.apply_top_most();
    if (out != nullptr) *out += KeyLine(kKeyModeTop, DecimalText(s.ModeTop));
  }
}

// "Ombrelk.ini.bak", or with number 1 to 9 "Ombrelk.ini.bak1" and so on.
FilePath BackupPath(const SettingsTarget& t, int number) {
  std::string suffix(kBackupSuffix);
  if (number > 0) suffix += DecimalText(number);
  return t.state.settings_file + suffix;
}

// Tries to keep the user's file by keep(backup): first as "Ombrelk.ini.bak",
// replacing an older backup, then as the first numbered backup that does not
// exist yet. Returns why none could be made, empty when one was.
template <typename Keep>
std::string KeepSomewhere(SettingsTarget& t, Keep keep) {
  IoResult result = keep(BackupPath(t, 0));
  for (int n = 1; !result.ok() && n <= kMaxNumberedBackups; ++n) {
    const FilePath backup = BackupPath(t, n);
    if (!t.files.Exists(backup)) result = keep(backup);
  }
  return result.error;
}

// A file about to be recreated is copied first, so that a typo never costs
// the user's holiday table; one that exists but cannot be opened is moved
// aside instead. Without either, the file is not to be overwritten in this
// run, and the reason is kept for the exit to tell.
bool KeepOldFile(SettingsTarget& t, const ReadResult& old) {
  FileSystem& files = t.files;
  std::string why;
  if (old.read()) {
    why = KeepSomewhere(
        t, [&](const FilePath& backup) { return WriteFileDurably(files, backup, old.content); });
  } else if (old.status == ReadResult::Status::kUnreadable) {
    why = KeepSomewhere(
        t, [&](const FilePath& backup) { return files.Rename(t.state.settings_file, backup); });
  }
  if (why.empty()) return true;
  t.state.settings_file_kept =
      "it could not be read and no backup of it could be made (" + why + ")";
  return false;
}

void Recover(SettingsTarget& t, const ReadResult& old, const ReadProgress& progress) {
  std::string out;
  SupplyDefaults(t, progress, &out);
  if (!KeepOldFile(t, old)) return;
  const IoResult written = WriteFileDurably(t.files, t.state.settings_file, out);
  if (!written.ok()) ReportNotSaved(t.errors, t.state.settings_file, written.error);
}

}  // namespace

void LoadSettings(CalendarState& state, FrmMain& frm, FileSystem& files, ErrorSink& errors,
                  const std::function<void()>& apply_top_most) {
  SettingsTarget t{state, frm, files, errors, apply_top_most};
  t.state.holidays.HolidayCount = 1;
  t.state.StartWeekday = -1;
  t.state.ModeTop = -1;
  t.state.ModeShow = -1;

  ReadProgress progress;
  const ReadResult old = t.files.ReadAll(t.state.settings_file);
  if (!old.read()) {
    Recover(t, old, progress);
    return;
  }
  for (const std::string_view line : SplitSettingsLines(old.content)) {
    if (!ApplyLine(t, line, progress)) {
      Recover(t, old, progress);
      return;
    }
  }
  SupplyDefaults(t, progress, nullptr);
}

std::optional<std::string> SaveSettings(const CalendarState& state, const FrmMain& frm,
                                        FileSystem& files, ErrorSink& errors) {
  std::string out;
  out += KeyLine(kKeyFormTop, SingleText(frm.Top()));
  out += KeyLine(kKeyFormLeft, SingleText(frm.Left()));
  out += KeyLine(kKeyStartWeekday, frm.cboWDay.Text());
  out += HolidayLine(state.holidays) + std::string(kLineEnd);
  out += KeyLine(kKeyModeShow, DecimalText(state.ModeShow));
  out += KeyLine(kKeyModeTop, DecimalText(state.ModeTop));
  out += KeyLine(kKeyModeMin, DecimalText(state.ModeMin));
  // Each only while its option is on, so everyone else's file keeps its seven lines.
  if (state.LawMode()) out += KeyLine(kKeyModeLaw, "1");
  if (state.RekiMode()) out += KeyLine(kKeyModeReki, "1");
  if (state.IconMode()) out += KeyLine(kKeyModeIcon, "1");
  if (!state.settings_file_kept.empty()) {
    ReportNotSaved(errors, state.settings_file, state.settings_file_kept);
    return NotSavedMessage(
        state.settings_file,
        "読めなかった設定ファイルの控えを作れなかったため、書き換えていません。");
  }
  const IoResult written = WriteFileDurably(files, state.settings_file, out);
  if (written.ok()) return std::nullopt;
  ReportNotSaved(errors, state.settings_file, written.error);
  return NotSavedMessage(state.settings_file, ReasonText(written));
}

}  // namespace ombrelk
