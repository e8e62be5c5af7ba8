#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ombrelk {

// The outcome of a file operation: empty error on success, else why it failed.
struct IoResult {
  std::string error;
  bool ok() const { return error.empty(); }
};

// The few file operations the settings need, so that tests can inject faults.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The whole file, or nothing when it cannot be opened (usually: it does not exist).
  virtual std::optional<std::string> ReadAll(const std::filesystem::path& path) = 0;
  // Creates or truncates the file and writes all of data, flushed to the disk.
  virtual IoResult WriteAll(const std::filesystem::path& path, std::string_view data) = 0;
  // Renames from over to, replacing to in one step.
  virtual IoResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void Remove(const std::filesystem::path& path) = 0;
};

}  // namespace ombrelk
