#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/services/file_path.h"

namespace ombrelk {

// The outcome of a file operation: empty error on success, else why it
// failed in the system's words, with the C library's errno value for it (0
// when there is none) so that a message can name the common reasons itself.
struct IoResult {
  std::string error;
  int errno_value = 0;
  bool ok() const { return error.empty(); }
};

// What reading a whole file found.
struct ReadResult {
  enum class Status { kRead, kMissing, kUnreadable };
  Status status = Status::kMissing;
  std::string content;  // when read
  std::string error;    // why it could not be read
  bool read() const { return status == Status::kRead; }
};

// A file open for writing, from its first byte on. Closed when destroyed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Claims disk space for length bytes, so that a full disk or a size limit
  // shows before anything is overwritten. Succeeds where the system has no
  // such call.
  virtual IoResult Reserve(std::size_t length) = 0;
  // Writes all of data after what was written before.
  virtual IoResult Write(std::string_view data) = 0;
  // Cuts the file to length bytes.
  virtual IoResult Truncate(std::size_t length) = 0;
  // Returns once the data is on the disk.
  virtual IoResult Sync() = 0;
  virtual IoResult Close() = 0;
};

// A file just opened, or why it could not be.
struct OpenedFile {
  std::unique_ptr<WritableFile> file;
  FilePath path;
  std::string error;
  int errno_value = 0;
};

// The few file operations the settings need, so that tests can inject faults
// and run the program over a file system held in memory.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual ReadResult ReadAll(const FilePath& path) = 0;
  // The file that path finally names: symbolic links followed, also to a
  // target that does not exist yet; path itself when it is no link.
  virtual FilePath ResolveLinks(const FilePath& path) = 0;
  // A new empty file with a name of its own in target's folder, with target's
  // owner and permissions, or those of a new file when target does not exist.
  virtual OpenedFile CreateTemporary(const FilePath& target) = 0;
  // Opens the existing file path for writing as it stands, not truncated.
  virtual OpenedFile OpenInPlace(const FilePath& path) = 0;
  // Renames from over to, replacing to in one step.
  virtual IoResult Rename(const FilePath& from, const FilePath& to) = 0;
  // Makes the names in folder (a rename) last on the disk.
  virtual IoResult SyncFolder(const FilePath& folder) = 0;
  virtual bool Exists(const FilePath& path) = 0;
  virtual void Remove(const FilePath& path) = 0;
};

}  // namespace ombrelk
