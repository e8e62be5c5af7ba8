#pragma once

#include "platform/file_system.h"

namespace ombrelk {

// The real file system, through the standard library; writes are flushed to
// the disk before they count as done.
class StdFileSystem : public FileSystem {
 public:
  std::optional<std::string> ReadAll(const std::filesystem::path& path) override;
  IoResult WriteAll(const std::filesystem::path& path, std::string_view data) override;
  IoResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  void Remove(const std::filesystem::path& path) override;
};

}  // namespace ombrelk
