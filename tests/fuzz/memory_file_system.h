#pragma once

// A file system held in memory, for running the whole program many thousand
// times a second. Names that exist but are no files (a folder of that name)
// and a full disk can be set up; everything else works.

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "platform/services/file_system.h"

namespace ombrelk::fuzzing {

class MemoryFileSystem : public FileSystem {
 public:
  std::map<FilePath, std::string> files;
  std::set<FilePath> folders;     // can be neither read nor written nor replaced
  std::set<FilePath> unreadable;  // files that cannot be opened, but moved
  bool disk_full = false;         // no byte more fits
  bool no_temporary = false;      // the folder takes no new file

  ReadResult ReadAll(const FilePath& path) override {
    if (folders.count(path) != 0 || unreadable.count(path) != 0)
      return {ReadResult::Status::kUnreadable, {}, "Permission denied"};
    const auto it = files.find(path);
    if (it == files.end()) return {ReadResult::Status::kMissing, {}, "No such file or directory"};
    return {ReadResult::Status::kRead, it->second, {}};
  }
  FilePath ResolveLinks(const FilePath& path) override { return path; }
  OpenedFile CreateTemporary(const FilePath& target) override {
    const FilePath temp = target + (".tmp" + std::to_string(++temporaries_));
    if (no_temporary) return {nullptr, temp, "Permission denied"};
    files[temp];
    return {std::make_unique<File>(*this, temp), temp, {}};
  }
  OpenedFile OpenInPlace(const FilePath& path) override {
    if (files.count(path) == 0) return {nullptr, path, "No such file or directory"};
    return {std::make_unique<File>(*this, path), path, {}};
  }
  IoResult Rename(const FilePath& from, const FilePath& to) override {
    if (folders.count(to) != 0 || folders.count(from) != 0) return {"Is a directory"};
    const auto it = files.find(from);
    if (it == files.end()) return {"No such file or directory"};
    std::string content = std::move(it->second);
    files.erase(it);
    files[to] = std::move(content);
    if (unreadable.erase(from) != 0) unreadable.insert(to);
    return {};
  }
  IoResult SyncFolder(const FilePath& /*folder*/) override { return {}; }
  bool Exists(const FilePath& path) override {
    return files.count(path) != 0 || folders.count(path) != 0;
  }
  void Remove(const FilePath& path) override { files.erase(path); }

 private:
  class File : public WritableFile {
   public:
    File(MemoryFileSystem& fs, FilePath path) : fs_(fs), path_(std::move(path)) {}
    IoResult Reserve(std::size_t length) override {
      if (fs_.disk_full && length > fs_.files[path_].size()) return {"No space left on device"};
      return {};
    }
    IoResult Write(std::string_view data) override {
      std::string& content = fs_.files[path_];
      const std::size_t room =
          fs_.disk_full ? content.size() - std::min(content.size(), at_) : data.size();
      content.replace(at_, std::min(room, data.size()), data.substr(0, room));
      at_ += std::min(room, data.size());
      if (room < data.size()) return {"No space left on device"};
      return {};
    }
    IoResult Truncate(std::size_t length) override {
      fs_.files[path_].resize(length);
      return {};
    }
    IoResult Sync() override { return {}; }
    IoResult Close() override { return {}; }

   private:
    MemoryFileSystem& fs_;
    FilePath path_;
    std::size_t at_ = 0;
  };
  int temporaries_ = 0;
};

}  // namespace ombrelk::fuzzing
