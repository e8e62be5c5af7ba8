#pragma once

// Settings files as text, and a file system that fails on request. Shared by
// the settings, shell and about tests.

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/backends/stdfs/std_file_system.h"
#include "platform/services/file_system.h"

namespace ombrelk::testing {

// Each line ended with CR LF, as the program writes its file.
inline std::string Crlf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

// The fifteen fixed holidays a new settings file starts with.
inline const std::string kDefaultHolidayLine =
    "HOLIDAY  :000001010000011500000211000003210000042900000503000005040000050500000720"
    "0000091500000923000010100000110300001123"
    "00001223";

// The window's designed place, in twips, before any setting moves it.
inline constexpr int kDesignTop = 360;
inline constexpr int kDesignLeft = 75;

// What the first start writes when there is no settings file.
inline std::string FirstStartFile() {
  return Crlf({kDefaultHolidayLine, "STARTWDAY:Sunday", "FORMTOP  :360", "FORMLEFT :75",
               "MODE_SHOW:1", "MODE_TOP :1"});
}

// What a shut-down writes: seven lines in their fixed order, then the law,
// reki and icon modes' lines when they are given.
struct Saved {
  std::string top = "360";
  std::string left = "75";
  std::string weekday = "Sunday";
  std::string holidays = kDefaultHolidayLine;
  std::string show = "1";
  std::string top_mode = "1";
  std::string min = "0";
  std::string law{};   // empty: no "MODE_LAW :" line
  std::string reki{};  // empty: no "MODE_REKI:" line
  std::string icon{};  // empty: no "MODE_ICON:" line
  std::string Text() const {
    return Crlf({"FORMTOP  :" + top, "FORMLEFT :" + left, "STARTWDAY:" + weekday, holidays,
                 "MODE_SHOW:" + show, "MODE_TOP :" + top_mode, "MODE_MIN :" + min}) +
           (law.empty() ? "" : Crlf({"MODE_LAW :" + law})) +
           (reki.empty() ? "" : Crlf({"MODE_REKI:" + reki})) +
           (icon.empty() ? "" : Crlf({"MODE_ICON:" + icon}));
  }
};

// The example of a shut-down's file: top 1800, left 9000, Monday first, the
// default holidays, shown at start, not on top, visible at exit.
inline std::string ExampleFile() {
  return Saved{"1800", "9000", "Monday", kDefaultHolidayLine, "1", "0", "0"}.Text();
}

// A holiday line of n entries: 0001-01-01, 0002-01-01, ...
inline std::string HolidayLineOf(int n) {
  std::string line = "HOLIDAY  :";
  for (int k = 1; k <= n; ++k) {
    std::string year = std::to_string(k);
    line += std::string(4 - year.size(), '0') + year + "0101";
  }
  return line;
}

// The real file system with faults switched on by a test. A failing write
// leaves half of the data behind, as a full disk would.
class FaultyFileSystem : public StdFileSystem {
 public:
  std::optional<IoResult> write_error;     // every Reserve and Write fails with this reason
  std::optional<IoResult> rename_error;    // every Rename fails with this reason
  std::optional<IoResult> in_place_error;  // every OpenInPlace fails with this reason
  bool read_fails = false;                 // ReadAll as for a file that cannot be opened
  std::vector<std::string> renames;  // "from -> to", by file name, ".tmp" and what follows as "*"

  ReadResult ReadAll(const FilePath& path) override {
    if (read_fails) return {ReadResult::Status::kUnreadable, {}, "Permission denied"};
    return StdFileSystem::ReadAll(path);
  }
  OpenedFile CreateTemporary(const FilePath& target) override {
    return Faulty(StdFileSystem::CreateTemporary(target));
  }
  OpenedFile OpenInPlace(const FilePath& path) override {
    if (in_place_error) return {nullptr, path, in_place_error->error, in_place_error->errno_value};
    return Faulty(StdFileSystem::OpenInPlace(path));
  }
  IoResult Rename(const FilePath& from, const FilePath& to) override {
    std::string name = std::filesystem::path(from.text()).filename().string();
    if (const auto tmp = name.find(".tmp"); tmp != std::string::npos)
      name.replace(tmp + 4, name.npos, "*");
    renames.push_back(name + " -> " + std::filesystem::path(to.text()).filename().string());
    if (rename_error) return *rename_error;
    return StdFileSystem::Rename(from, to);
  }

 private:
  class File : public WritableFile {
   public:
    File(std::unique_ptr<WritableFile> real, const std::optional<IoResult>& error)
        : real_(std::move(real)), error_(error) {}
    IoResult Reserve(std::size_t length) override {
      if (error_) return *error_;
      return real_->Reserve(length);
    }
    IoResult Write(std::string_view data) override {
      if (!error_) return real_->Write(data);
      real_->Write(data.substr(0, data.size() / 2));
      return *error_;
    }
    IoResult Truncate(std::size_t length) override { return real_->Truncate(length); }
    IoResult Sync() override { return real_->Sync(); }
    IoResult Close() override { return real_->Close(); }

   private:
    std::unique_ptr<WritableFile> real_;
    std::optional<IoResult> error_;
  };
  OpenedFile Faulty(OpenedFile opened) const {
    if (opened.file) opened.file = std::make_unique<File>(std::move(opened.file), write_error);
    return opened;
  }
};

// The names of the files in a folder, sorted.
inline std::vector<std::string> FileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace ombrelk::testing
