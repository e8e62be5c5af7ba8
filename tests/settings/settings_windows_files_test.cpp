// The settings file on Windows' own file system, as users have it there: a
// folder named in Japanese, a hidden file, a file another program holds open.
// Windows only; run under Wine by the cross build.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "headless_run.h"
#include "settings/settings_fixtures.h"

namespace ombrelk {
namespace {

using testing::ExampleFile;
using testing::HeadlessRun;
using testing::Saved;

// Start, Thursday as first weekday, exit; in each set-up.
TEST(SettingsOnWindowsFiles, EverySetUpKeepsTheUsersFile) {
  const std::string example_on_thursday =
      Saved{"1800", "9000", "Thursday", testing::kDefaultHolidayLine, "1", "0", "0"}.Text();
  const struct {
    const char* name;
    std::filesystem::path folder;
    bool exists;         // the file is there before the start, holding ExampleFile()
    DWORD attributes;    // set on it before the start, and expected after the exit
    DWORD others_share;  // another program holds it open for reading, sharing so much; 0: not
    bool saved;          // else the old file stays, and one line says why
  } rows[] = {
      {"a new file in a folder with a Japanese name", std::filesystem::path(u8"設定 フォルダ"),
       false, FILE_ATTRIBUTE_ARCHIVE, 0, true},
      {"a file in a folder with a Japanese name", std::filesystem::path(u8"カレンダー"), true,
       FILE_ATTRIBUTE_ARCHIVE, 0, true},
      {"a hidden file stays hidden",
       {},
       true,
       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE,
       0,
       true},
      // It cannot be renamed over while open without delete sharing: written in place.
      {"a file another program reads",
       {},
       true,
       FILE_ATTRIBUTE_ARCHIVE,
       FILE_SHARE_READ | FILE_SHARE_WRITE,
       true},
      {"a file another program locks against writers",
       {},
       true,
       FILE_ATTRIBUTE_ARCHIVE,
       FILE_SHARE_READ,
       false},
      // The line on the error sink names the folder in UTF-8.
      {"a locked file in a folder with a Japanese name", std::filesystem::path(u8"ロック中"), true,
       FILE_ATTRIBUTE_ARCHIVE, FILE_SHARE_READ, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HeadlessRun run;
    const std::filesystem::path path = run.dir.path() / r.folder / "Ombrelk.ini";
    std::filesystem::create_directories(path.parent_path());
    const std::wstring file = path.native();
    if (r.exists) {
      testing::WriteFileBytes(path, ExampleFile());
      ASSERT_TRUE(::SetFileAttributesW(file.c_str(), r.attributes));
    }
    HANDLE other = INVALID_HANDLE_VALUE;
    if (r.others_share != 0) {
      other = ::CreateFileW(file.c_str(), GENERIC_READ, r.others_share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(other, INVALID_HANDLE_VALUE);
    }
    run.program = std::make_unique<Program>(run.platform.services(), testing::AsFilePath(path));
    Program& p = *run.program;
    p.frmMain.SetHwnd(HeadlessRun::kMainHwnd);
    p.Start();
    p.frmMain.cboWDay.SetListIndex(4);
    p.frmMain.mnuEnd.Click();
    if (other != INVALID_HANDLE_VALUE) ::CloseHandle(other);

    EXPECT_EQ(testing::FileNames(path.parent_path()), std::vector<std::string>{"Ombrelk.ini"});
    const std::string errors = run.platform.errors.str();
    if (r.saved) {
      EXPECT_EQ(testing::ReadFileBytes(path),
                r.exists ? example_on_thursday : Saved{.weekday = "Thursday"}.Text());
      EXPECT_EQ(errors, "");
    } else {
      EXPECT_EQ(testing::ReadFileBytes(path), ExampleFile());
      EXPECT_NE(errors.find("Permission denied"), std::string::npos) << errors;
      const std::u8string folder = r.folder.u8string();
      EXPECT_NE(errors.find(std::string(folder.begin(), folder.end())), std::string::npos)
          << errors;
    }
    EXPECT_EQ(::GetFileAttributesW(file.c_str()), r.attributes);
  }
}

}  // namespace
}  // namespace ombrelk
