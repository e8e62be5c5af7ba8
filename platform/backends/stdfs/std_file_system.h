#pragma once

#include "platform/services/file_system.h"

namespace ombrelk {

// The real file system. Writes count as done once they are on the disk.
class StdFileSystem : public FileSystem {
 public:
  ReadResult ReadAll(const std::filesystem::path& path) override;
  std::filesystem::path ResolveLinks(const std::filesystem::path& path) override;
  OpenedFile CreateTemporary(const std::filesystem::path& target) override;
  OpenedFile OpenInPlace(const std::filesystem::path& path) override;
  IoResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  IoResult SyncFolder(const std::filesystem::path& folder) override;
  bool Exists(const std::filesystem::path& path) override;
  void Remove(const std::filesystem::path& path) override;
};

}  // namespace ombrelk
