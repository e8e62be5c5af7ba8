// The standard file system on POSIX systems: descriptors, fsync and
// posix_fallocate, and the folder synced after a rename.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "platform/backends/stdfs/native_files.h"
#include "platform/backends/stdfs/std_file_system.h"

namespace ombrelk {

namespace stdfs {

std::FILE* OpenForReading(const FilePath& path) {
  return std::fopen(path.text().c_str(), "rb");
}

}  // namespace stdfs

namespace {

using stdfs::kTemporaryNameTries;
using stdfs::TemporaryName;

IoResult Failed(int error) {
  return {stdfs::ErrnoText(error), error};
}

// errno after a failed call.
int LastError() {
  return errno;
}

class PosixFile : public WritableFile {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  IoResult Reserve(std::size_t length) override {
    if (length == 0) return {};
    const int error = ::posix_fallocate(fd_, 0, static_cast<off_t>(length));
    // A file system that cannot reserve space shows a full disk at the write.
    if (error == 0 || error == EOPNOTSUPP || error == EINVAL) return {};
    return Failed(error);
  }
  IoResult Write(std::string_view data) override {
    while (!data.empty()) {
      const ssize_t n = ::write(fd_, data.data(), data.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Failed(LastError());
      if (n == 0) return Failed(EIO);
      data.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
  }
  IoResult Truncate(std::size_t length) override {
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) return Failed(LastError());
    return {};
  }
  IoResult Sync() override {
    if (::fsync(fd_) != 0) return Failed(LastError());
    return {};
  }
  IoResult Close() override {
    const int fd = fd_;
    fd_ = -1;
    if (fd >= 0 && ::close(fd) != 0) return Failed(LastError());
    return {};
  }

 private:
  int fd_;
};

OpenedFile Opened(int fd, const FilePath& path) {
  if (fd < 0) {
    const int error = LastError();
    return {nullptr, path, stdfs::ErrnoText(error), error};
  }
  return {std::make_unique<PosixFile>(fd), path, {}};
}

}  // namespace

FilePath StdFileSystem::ResolveLinks(const FilePath& path) {
  // As many links as the kernel follows before it gives up with ELOOP.
  constexpr int kMaxLinks = 40;
  FilePath p = path;
  for (int i = 0; i < kMaxLinks; ++i) {
    struct stat link {};
    if (::lstat(p.text().c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return p;
    std::string target(link.st_size > 0 ? static_cast<std::size_t>(link.st_size) : 256, '\0');
    ssize_t n = 0;
    // A link may grow between lstat and readlink: a full buffer may be cut short.
    while ((n = ::readlink(p.text().c_str(), target.data(), target.size())) >= 0 &&
           static_cast<std::size_t>(n) == target.size())
      target.resize(target.size() * 2);
    if (n < 0) return p;
    target.resize(static_cast<std::size_t>(n));
    const FilePath to(std::move(target));
    p = to.IsAbsolute() ? to : p.Parent() / to.text();
  }
  return p;
}

OpenedFile StdFileSystem::CreateTemporary(const FilePath& target) {
  struct stat old {};
  const bool replaces = ::stat(target.text().c_str(), &old) == 0 && S_ISREG(old.st_mode);
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    const FilePath temp = TemporaryName(target);
    // Mode 0666 gives a new file the user's umask, as any new file gets it.
    const int fd = ::open(temp.text().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0 || !replaces) return Opened(fd, temp);
    // The file that is replaced keeps its group and permissions. Only root
    // may give a file to another owner, so a failing fchown is no failure.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
      const int error = LastError();
      ::close(fd);
      ::unlink(temp.text().c_str());
      return {nullptr, temp, stdfs::ErrnoText(error), error};
    }
    return Opened(fd, temp);
  }
  return {nullptr, target, stdfs::ErrnoText(EEXIST), EEXIST};
}

OpenedFile StdFileSystem::OpenInPlace(const FilePath& path) {
  return Opened(::open(path.text().c_str(), O_WRONLY | O_CLOEXEC), path);
}

IoResult StdFileSystem::SyncFolder(const FilePath& folder) {
  const FilePath dir = folder.empty() ? FilePath(".") : folder;
  const int fd = ::open(dir.text().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Failed(LastError());
  const int error = ::fsync(fd) != 0 ? LastError() : 0;
  ::close(fd);
  if (error != 0) return Failed(error);
  return {};
}

// With the errno value, as the Windows half gives it, so a common reason is
// worded the same on both systems.
IoResult StdFileSystem::Rename(const FilePath& from, const FilePath& to) {
  if (::rename(from.text().c_str(), to.text().c_str()) != 0) return Failed(LastError());
  return {};
}

bool StdFileSystem::Exists(const FilePath& path) {
  // A dangling link takes its name too; a name that cannot be looked at counts as taken.
  struct stat st {};
  if (::lstat(path.text().c_str(), &st) == 0) return true;
  return errno != ENOENT && errno != ENOTDIR;
}

// A file, or an empty folder.
void StdFileSystem::Remove(const FilePath& path) {
  std::remove(path.text().c_str());
}

}  // namespace ombrelk
