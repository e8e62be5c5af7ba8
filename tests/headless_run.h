#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "platform/backends/headless/headless_platform.h"
#include "program/program.h"

namespace ombrelk::testing {

// A folder of its own for one test, removed afterwards. Test programs run in
// parallel: a name another one took already is drawn again.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("ombrelk-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A path of the tests' std::filesystem as the program's: its UTF-8 text.
inline FilePath AsFilePath(const std::filesystem::path& p) {
  const std::u8string text = p.u8string();
  return FilePath(std::string(text.begin(), text.end()));
}

inline std::string ReadFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The whole calendar on the headless platform, with its settings file in a
// temporary folder: a fresh clock, a fresh state, nothing shared with other tests.
struct HeadlessRun {
  explicit HeadlessRun(std::chrono::year_month_day today = std::chrono::year{2000} /
                                                           std::chrono::month{5} /
                                                           std::chrono::day{7}) {
    platform.today = today;
  }
  // Builds the program (call after setting the platform's answers).
  Program& Make() {
    program = std::make_unique<Program>(platform.services(), AsFilePath(settings_file()));
    program->frmMain.SetHwnd(kMainHwnd);
    return *program;
  }
  // Builds the program and runs its start-up.
  Program& Start() {
    Make().Start();
    return *program;
  }
  std::filesystem::path settings_file() const { return dir.path() / "Ombrelk.ini"; }
  void WriteSettings(const std::string& bytes) const { WriteFileBytes(settings_file(), bytes); }
  std::string ReadSettings() const { return ReadFileBytes(settings_file()); }

  static constexpr std::int32_t kMainHwnd = 0x1001;
  TempDir dir;
  HeadlessPlatform platform;
  std::unique_ptr<Program> program;
};

}  // namespace ombrelk::testing
