// The whole start-up and exit of the calendar on the headless platform, over
// a file system in memory, for any settings file. The first byte of an input
// sets up the machine (no tray, no room for a temporary file, a folder named
// Ombrelk.ini.bak, a full disk, a file that cannot be opened, no file at all);
// the rest is the file. Any property that fails aborts with a message, which
// libFuzzer reports as a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "memory_file_system.h"
#include "platform/backends/headless/headless_platform.h"
#include "program/program.h"
#include "settings/settings_keys.h"

namespace ombrelk::fuzzing {
namespace {

const FilePath kFile("/calendar/Ombrelk.ini");

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

// The options a save writes a line for only while they are on.
struct Modes {
  bool law = false;
  bool reki = false;
  bool icon = false;
  friend bool operator==(const Modes&, const Modes&) = default;
};

// The lines a save writes: seven, then a line for each option that is on, in
// their order. The one place to change when a line is added.
bool IsSavedLineCount(std::string_view text, std::size_t lines, const Modes& modes) {
  std::string tail;
  if (modes.law) tail += "MODE_LAW :1\r\n";
  if (modes.reki) tail += "MODE_REKI:1\r\n";
  if (modes.icon) tail += "MODE_ICON:1\r\n";
  const std::size_t optional = (modes.law ? 1 : 0) + (modes.reki ? 1 : 0) + (modes.icon ? 1 : 0);
  return lines == 7 + optional && text.ends_with(tail);
}

// Lines of printable ASCII, each ended by CR LF, in the number a save writes.
bool IsSavedFile(std::string_view text, const Modes& modes) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') return false;
      ++lines;
      ++i;
    } else if (c < 0x20 || c > 0x7E) {
      return false;
    }
  }
  return !text.empty() && text.back() == '\n' && IsSavedLineCount(text, lines, modes);
}

struct Machine {
  bool tray = true;
  bool no_temporary = false;
  bool backup_is_a_folder = false;
  bool disk_full = false;
  bool unreadable = false;
  bool no_file = false;
};

struct Run {
  std::string errors;  // what the exit said it could not do
  Modes modes;
};

// Runs start-up and exit.
Run StartAndExit(MemoryFileSystem& fs, const Machine& m) {
  HeadlessPlatform platform;
  platform.tray_available = m.tray;
  platform.UseFileSystem(fs);
  Program program(platform.services(), kFile);
  program.frmMain.SetHwnd(0x1001);
  program.Start();
  Require(program.state.StartWeekday >= 1 && program.state.StartWeekday <= 7,
          "StartWeekday 1 to 7");
  Require(program.state.holidays.HolidayCount >= 0 && program.state.holidays.HolidayCount <= 100,
          "HolidayCount 0 to 100");
  // Modes come from one digit of the file or are defaulted to 1.
  Require(program.state.ModeShow >= 0 && program.state.ModeShow <= 9, "ModeShow read or defaulted");
  Require(program.state.ModeTop >= 0 && program.state.ModeTop <= 9, "ModeTop read or defaulted");
  Require(program.state.ModeMin >= 0 && program.state.ModeMin <= 9, "ModeMin read or kept");
  Require(program.frmMain.mnuFormLaw.Checked() == program.state.LawMode(),
          "the law entry's check mark");
  Require(program.frmMain.mnuFormReki.Checked() == program.state.RekiMode(),
          "the reki entry's check mark");
  Require(program.frmMain.mnuFormIcon.Checked() == program.state.IconMode(),
          "the icon entry's check mark");
  const Modes modes{program.state.LawMode(), program.state.RekiMode(), program.state.IconMode()};
  program.frmMain.mnuEnd.Click();
  Require(platform.ended, "the exit ends the program");
  return Run{platform.errors.str(), modes};
}

void Check(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::uint8_t setup = data[0];
  Machine m;
  m.tray = (setup & 0x01U) == 0;
  m.no_temporary = (setup & 0x02U) != 0;
  m.backup_is_a_folder = (setup & 0x04U) != 0;
  m.disk_full = (setup & 0x08U) != 0;
  m.unreadable = (setup & 0x10U) != 0;
  m.no_file = (setup & 0x20U) != 0;
  const std::string old(reinterpret_cast<const char*>(data) + 1, size - 1);

  MemoryFileSystem fs;
  fs.no_temporary = m.no_temporary;
  fs.disk_full = m.disk_full;
  const FilePath bak = kFile + kBackupSuffix;
  if (m.backup_is_a_folder) fs.folders.insert(bak);
  if (!m.no_file) fs.files[kFile] = old;
  if (m.unreadable && !m.no_file) fs.unreadable.insert(kFile);
  const Run run = StartAndExit(fs, m);
  const std::string& errors = run.errors;

  // Every backup holds exactly the old bytes.
  for (const auto& [path, content] : fs.files) {
    if (path == kFile) continue;
    Require(path.text().rfind(bak.text(), 0) == 0, "no file but the settings and backups");
    Require(content == old, "a backup holds the old bytes");
  }
  const auto saved = fs.files.find(kFile);
  if (!errors.empty()) {
    // Only a full disk or a folder that takes no new file stops a save. The
    // user's file then survives whole: as it was, or moved aside as a backup
    // when it could not be opened; and it was not overwritten without one.
    Require(m.disk_full || m.no_temporary, "only a full disk or a closed folder stops a save");
    const bool kept = saved != fs.files.end() && saved->second == old;
    const bool moved_aside = saved == fs.files.end() && fs.files.size() == 1;
    Require(m.no_file ? saved == fs.files.end() : kept || moved_aside,
            "a save that failed leaves the old file whole");
    return;
  }
  Require(saved != fs.files.end(), "the exit wrote the file");
  Require(IsSavedFile(saved->second, run.modes),
          "seven CRLF lines of printable ASCII, and one for each optional mode on");

  // A second start and exit on the written file writes the same bytes.
  MemoryFileSystem again;
  again.files[kFile] = saved->second;
  Require(StartAndExit(again, Machine{.tray = m.tray}).modes == run.modes,
          "the optional modes read back");
  Require(again.files[kFile] == saved->second, "a written file is a fixpoint");
  Require(again.files.size() == 1, "a written file reads without recovery");
}

}  // namespace
}  // namespace ombrelk::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ombrelk::fuzzing::Check(data, size);
  return 0;
}
