// Settings files that cannot be written or read: the old file survives whole,
// no temporary file is left behind, one line on the error stream says which
// file and why, and the program goes on or ends as it would have.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "platform/stdfs/std_file_system.h"
#include "settings/settings_fixtures.h"

namespace ombrelk {
namespace {

using testing::Crlf;
using testing::ExampleFile;
using testing::FaultyFileSystem;
using testing::FileNames;
using testing::FirstStartFile;
using testing::HeadlessRun;
using testing::Saved;

// One line, naming the file and the reason.
void ExpectOneErrorLine(const HeadlessRun& run, const std::string& file, const std::string& why) {
  const std::string errors = run.platform.errors.str();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_FALSE(errors.empty() || errors.back() != '\n') << errors;
  EXPECT_NE(errors.find((run.dir.path() / file).string()), std::string::npos) << errors;
  EXPECT_NE(errors.find(why), std::string::npos) << errors;
}

TEST(SettingsWrite, GoesThroughATemporaryFileRenamedWhenComplete) {
  FaultyFileSystem files;
  HeadlessRun run;
  run.platform.UseFileSystem(files);
  run.WriteSettings(ExampleFile());
  run.Start().frmMain.mnuEnd_Click();
  EXPECT_EQ(files.renames, std::vector<std::string>{"Ombrelk.ini.tmp -> Ombrelk.ini"});
  EXPECT_EQ(run.ReadSettings(), ExampleFile());
}

TEST(SettingsWrite, AFailedShutDownWriteKeepsTheOldFile) {
  const struct {
    const char* name;
    std::optional<std::string> write_error, rename_error;
    std::string why;
  } rows[] = {
      {"the write fails", "No space left on device", std::nullopt, "No space left on device"},
      {"the rename fails", std::nullopt, "Permission denied", "Permission denied"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    FaultyFileSystem files;
    HeadlessRun run;
    run.platform.UseFileSystem(files);
    run.WriteSettings(ExampleFile());
    Program& p = run.Start();
    p.frmMain.cboWDay.SetListIndex(4);
    files.write_error = r.write_error;
    files.rename_error = r.rename_error;
    p.frmMain.mnuEnd_Click();

    EXPECT_EQ(run.ReadSettings(), ExampleFile());
    EXPECT_EQ(FileNames(run.dir.path()), std::vector<std::string>{"Ombrelk.ini"});
    ExpectOneErrorLine(run, "Ombrelk.ini", r.why);
    EXPECT_TRUE(run.platform.ended);
    EXPECT_TRUE(p.frmMain.Unloaded());
  }
}

TEST(SettingsWrite, AFailedRecoveryWriteLetsTheProgramStart) {
  const struct {
    const char* name;
    std::optional<std::string> file;
    std::string failing_file;
    std::vector<std::string> left;
  } rows[] = {
      {"no file", std::nullopt, "Ombrelk.ini", {}},
      // The backup is written first; without it the old file is not replaced.
      {"an unreadable file", Crlf({"MODE_SHOW:?"}), "Ombrelk.ini.bak", {"Ombrelk.ini"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    FaultyFileSystem files;
    files.write_error = "Read-only file system";
    HeadlessRun run;
    run.platform.UseFileSystem(files);
    if (r.file) run.WriteSettings(*r.file);
    Program& p = run.Start();

    EXPECT_EQ(FileNames(run.dir.path()), r.left);
    if (r.file) {
      EXPECT_EQ(run.ReadSettings(), *r.file);
    }
    ExpectOneErrorLine(run, r.failing_file, "Read-only file system");
    // Start-up went on with the defaults.
    EXPECT_TRUE(p.frmMain.Visible());
    EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/05");
    EXPECT_EQ(p.ModeShow, 1);
    EXPECT_EQ(p.holidays.HolidayCount, 15);
    EXPECT_FALSE(run.platform.ended);
  }
}

TEST(SettingsBackup, ReplacesAnOlderBackup) {
  HeadlessRun run;
  const std::string unreadable = Crlf({"STARTWDAY:Monday", "FORMTOP  :?"});
  run.WriteSettings(unreadable);
  testing::WriteFileBytes(run.dir.path() / "Ombrelk.ini.bak", "an older backup");
  run.Start();
  EXPECT_EQ(testing::ReadFileBytes(run.dir.path() / "Ombrelk.ini.bak"), unreadable);
  EXPECT_EQ(run.ReadSettings(), Crlf({testing::kDefaultHolidayLine, "FORMTOP  :360", "FORMLEFT :75",
                                      "MODE_SHOW:1", "MODE_TOP :1"}));
}

// A file that is there but cannot be opened is moved aside, not overwritten.
TEST(SettingsBackup, MovesAsideAFileThatCannotBeOpened) {
  FaultyFileSystem files;
  files.read_fails = true;
  HeadlessRun run;
  run.platform.UseFileSystem(files);
  run.WriteSettings(ExampleFile());
  run.Start();
  EXPECT_EQ(testing::ReadFileBytes(run.dir.path() / "Ombrelk.ini.bak"), ExampleFile());
  EXPECT_EQ(run.ReadSettings(), FirstStartFile());
  EXPECT_EQ(run.platform.errors.str(), "");
}

TEST(SettingsBackup, MovesAsideAFolderInTheFilesPlace) {
  HeadlessRun run;
  std::filesystem::create_directory(run.settings_file());
  run.Start();
  EXPECT_TRUE(std::filesystem::is_directory(run.dir.path() / "Ombrelk.ini.bak"));
  EXPECT_EQ(run.ReadSettings(), FirstStartFile());
}

// The real file system's answers when it fails.
TEST(StdFileSystem, ReportsWhyItFailed) {
  StdFileSystem files;
  testing::TempDir dir;
  EXPECT_EQ(files.ReadAll(dir.path() / "missing"), std::nullopt);
  EXPECT_EQ(files.ReadAll(dir.path()), std::nullopt);  // a folder
  EXPECT_EQ(files.WriteAll(dir.path() / "no" / "folder", "x").error, "No such file or directory");
  if (std::filesystem::exists("/dev/full")) {
    // Buffered data fails only when it is flushed; the reason must still come through.
    EXPECT_EQ(files.WriteAll("/dev/full", "x").error, "No space left on device");
  }
  EXPECT_FALSE(files.Rename(dir.path() / "missing", dir.path() / "b").ok());
  testing::WriteFileBytes(dir.path() / "a", "new");
  testing::WriteFileBytes(dir.path() / "b", "old");
  EXPECT_TRUE(files.Rename(dir.path() / "a", dir.path() / "b").ok());
  EXPECT_EQ(files.ReadAll(dir.path() / "b"), "new");
}

// Whether this user can write into a folder whose write permissions are gone
// (root can).
bool PermissionsBind(const std::filesystem::path& dir) {
  const std::filesystem::path probe = dir / "probe";
  { std::ofstream out(probe); }
  const bool written = std::filesystem::exists(probe);
  std::filesystem::remove(probe);
  return !written;
}

TEST(SettingsWrite, ShutDownInAReadOnlyFolder) {
  HeadlessRun run;
  run.WriteSettings(ExampleFile());
  Program& p = run.Start();
  p.frmMain.cboWDay.SetListIndex(3);
  std::filesystem::permissions(run.dir.path(), std::filesystem::perms(0555));
  if (!PermissionsBind(run.dir.path())) {
    GTEST_SKIP() << "folder permissions do not bind this user; the injected faults cover it";
  }
  p.frmMain.mnuEnd_Click();
  EXPECT_EQ(run.ReadSettings(), ExampleFile());
  EXPECT_EQ(FileNames(run.dir.path()), std::vector<std::string>{"Ombrelk.ini"});
  ExpectOneErrorLine(run, "Ombrelk.ini", "ermission denied");
  EXPECT_TRUE(run.platform.ended);
}

}  // namespace
}  // namespace ombrelk
