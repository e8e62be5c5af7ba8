#include <gtest/gtest.h>

#include <string>

#include "platform/services/file_path.h"

namespace ombrelk {
namespace {

// The settings file, its backup and its temporary file are named by joining
// and taking parents, as std::filesystem::path does (a trailing separator
// names the folder itself); a wrong root sends a write to the wrong folder or
// climbs above a drive.
TEST(FilePath, JoinsAndTakesParentsByTheSystemsSyntax) {
  const struct {
    const char* path;
    const char* joined;  // path / "Ombrelk.ini"
    const char* parent;
    bool absolute;
  } rows[] = {
      {"", "Ombrelk.ini", "", false},
#ifdef _WIN32
      {"Ombrelk.ini", "Ombrelk.ini\\Ombrelk.ini", "", false},
      {"C:\\Users\\花子\\Ombrelk", "C:\\Users\\花子\\Ombrelk\\Ombrelk.ini", "C:\\Users\\花子",
       true},
      {"C:\\Ombrelk", "C:\\Ombrelk\\Ombrelk.ini", "C:\\", true},
      {"C:\\", "C:\\Ombrelk.ini", "C:\\", true},
      {"C:", "C:Ombrelk.ini", "C:", false},
      {"D:/a/b/", "D:/a/b/Ombrelk.ini", "D:/a/b", true},
      {"\\\\server\\share\\a", "\\\\server\\share\\a\\Ombrelk.ini", "\\\\server\\share", true},
      {"\\a", "\\a\\Ombrelk.ini", "\\", false},
#else
      {"Ombrelk.ini", "Ombrelk.ini/Ombrelk.ini", "", false},
      {"/設定/花子/ombrelk", "/設定/花子/ombrelk/Ombrelk.ini", "/設定/花子", true},
      {"/ombrelk", "/ombrelk/Ombrelk.ini", "/", true},
      {"/", "/Ombrelk.ini", "/", true},
      {"a//b//", "a//b//Ombrelk.ini", "a//b", false},
      {"a\\b", "a\\b/Ombrelk.ini", "", false},
#endif
  };
  for (const auto& row : rows) {
    const FilePath path{std::string(row.path)};
    EXPECT_EQ((path / "Ombrelk.ini").text(), row.joined) << row.path;
    EXPECT_EQ(path.Parent().text(), row.parent) << row.path;
    EXPECT_EQ(path.IsAbsolute(), row.absolute) << row.path;
  }
  EXPECT_EQ((FilePath("Ombrelk.ini") + ".bak").text(), "Ombrelk.ini.bak");
}

}  // namespace
}  // namespace ombrelk
