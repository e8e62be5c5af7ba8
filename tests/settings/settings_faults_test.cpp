// Settings files that cannot be written or read: the old file survives whole,
// no temporary file is left behind, one line on the error stream says which
// file and why, and the program goes on or ends as it would have.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "platform/backends/stdfs/std_file_system.h"
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
  run.Start().frmMain.mnuEnd.Click();
  EXPECT_EQ(files.renames, std::vector<std::string>{"Ombrelk.ini.tmp* -> Ombrelk.ini"});
  EXPECT_EQ(run.ReadSettings(), ExampleFile());
}

// Where no temporary file can be renamed, the file is written in place; only
// when that fails too does the old file stay, with one line saying why, and a
// message box saying it to the user who ended the calendar (in Japanese for
// the common reasons); a session that ends only logs it.
TEST(SettingsWrite, AFailedShutDownWriteKeepsTheOldFile) {
  const IoResult full{"No space left on device", ENOSPC};
  const IoResult denied{"Permission denied", EACCES};
  const IoResult read_only{"Read-only file system", EROFS};
  const IoResult odd{"Input/output error", EIO};
  const struct {
    const char* name;
    std::optional<IoResult> write_error, rename_error, in_place_error;
    const char* why;     // nullptr: saved in place
    const char* reason;  // what the message box says of it
    bool session_end = false;
  } rows[] = {
      {"the disk is full", full, std::nullopt, std::nullopt, "No space left on device",
       "ディスクに空きがありません。"},
      {"the rename fails", std::nullopt, denied, std::nullopt, nullptr, nullptr},
      {"the rename fails and the file is read-only", std::nullopt, denied, read_only,
       "Read-only file system", "読み取り専用の場所です。"},
      {"no permission", std::nullopt, denied, denied, "Permission denied",
       "書き込む権限がありません。"},
      {"another reason", odd, std::nullopt, std::nullopt, "Input/output error",
       "Input/output error"},
      {"the session ends", full, std::nullopt, std::nullopt, "No space left on device", nullptr,
       true},
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
    files.in_place_error = r.in_place_error;
    if (r.session_end) {
      p.EndSession();
    } else {
      p.frmMain.mnuEnd.Click();
    }
    std::vector<std::string> boxes;
    std::copy_if(run.platform.calls.begin(), run.platform.calls.end(), std::back_inserter(boxes),
                 [](const std::string& c) { return c.rfind("MessageBox", 0) == 0; });
    std::vector<std::string> expected_boxes;
    if (r.reason != nullptr) {
      expected_boxes.push_back("MessageBox(設定を保存できませんでした。\n" +
                               run.settings_file().string() + "\n" + r.reason + ", 48, Ombrelk)");
    }
    EXPECT_EQ(boxes, expected_boxes);

    EXPECT_EQ(FileNames(run.dir.path()), std::vector<std::string>{"Ombrelk.ini"});
    if (r.why == nullptr) {
      const Saved thursday{"1800", "9000", "Thursday", testing::kDefaultHolidayLine, "1", "0", "0"};
      EXPECT_EQ(run.ReadSettings(), thursday.Text());
      EXPECT_EQ(run.platform.errors.str(), "");
    } else {
      EXPECT_EQ(run.ReadSettings(), ExampleFile());
      ExpectOneErrorLine(run, "Ombrelk.ini", r.why);
    }
    EXPECT_TRUE(run.platform.ended);
    EXPECT_TRUE(p.Unloaded());
  }
}

// Start-up goes on with the defaults. The user's unreadable file stays as it
// is when no backup of it can be made, and then the exit does not overwrite
// it either, and says why.
TEST(SettingsWrite, AFailedRecoveryWriteLetsTheProgramStart) {
  const struct {
    const char* name;
    std::optional<std::string> file;
    bool read_fails;
    std::string start_errors;
    std::vector<std::string> left;
  } rows[] = {
      {"no file", std::nullopt, false, "Read-only file system", {}},
      {"an unreadable file", Crlf({"MODE_SHOW:?"}), false, "", {"Ombrelk.ini"}},
      {"a file that cannot be opened", ExampleFile(), true, "", {"Ombrelk.ini"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    FaultyFileSystem files;
    files.write_error = IoResult{"Read-only file system", EROFS};
    files.rename_error = IoResult{"Read-only file system", EROFS};
    files.read_fails = r.read_fails;
    HeadlessRun run;
    run.platform.UseFileSystem(files);
    if (r.file) run.WriteSettings(*r.file);
    Program& p = run.Start();

    EXPECT_EQ(FileNames(run.dir.path()), r.left);
    if (r.start_errors.empty()) {
      EXPECT_EQ(run.platform.errors.str(), "");
    } else {
      ExpectOneErrorLine(run, "Ombrelk.ini", r.start_errors);
    }
    EXPECT_TRUE(p.frmMain.Visible());
    EXPECT_EQ(p.frmMain.lblYM.Caption(), "2000/05");
    EXPECT_EQ(p.state.ModeShow, 1);
    EXPECT_EQ(p.state.holidays.HolidayCount, 15);
    EXPECT_FALSE(run.platform.ended);
    if (!r.file) continue;

    files.write_error.reset();  // even a disk with room again is not used for it
    run.platform.errors.clear();
    p.frmMain.mnuEnd.Click();
    EXPECT_EQ(run.ReadSettings(), *r.file);
    ExpectOneErrorLine(run, "Ombrelk.ini", "no backup of it could be made (Read-only file system)");
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
  const FilePath folder = testing::AsFilePath(dir.path());
  EXPECT_EQ(files.ReadAll(folder / "missing").status, ReadResult::Status::kMissing);
  EXPECT_EQ(files.ReadAll(folder).status, ReadResult::Status::kUnreadable);  // a folder
  EXPECT_EQ(files.OpenInPlace(folder / "no" / "folder").error, "No such file or directory");
  EXPECT_FALSE(files.Rename(folder / "missing", folder / "b").ok());
  testing::WriteFileBytes(dir.path() / "a", "new");
  testing::WriteFileBytes(dir.path() / "b", "old");
  EXPECT_TRUE(files.Rename(folder / "a", folder / "b").ok());
  EXPECT_EQ(files.ReadAll(folder / "b").content, "new");
}

}  // namespace
}  // namespace ombrelk
