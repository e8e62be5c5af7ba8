#pragma once

#include "platform/services/file_system.h"

namespace ombrelk {

// The real file system. Writes count as done once they are on the disk.
class StdFileSystem : public FileSystem {
 public:
  ReadResult ReadAll(const FilePath& path) override;
  FilePath ResolveLinks(const FilePath& path) override;
  OpenedFile CreateTemporary(const FilePath& target) override;
  OpenedFile OpenInPlace(const FilePath& path) override;
  IoResult Rename(const FilePath& from, const FilePath& to) override;
  IoResult SyncFolder(const FilePath& folder) override;
  bool Exists(const FilePath& path) override;
  void Remove(const FilePath& path) override;
};

}  // namespace ombrelk
