// The standard file system on POSIX systems: descriptors, fsync and
// posix_fallocate, and the folder synced after a rename.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "platform/backends/stdfs/native_files.h"
#include "platform/backends/stdfs/std_file_system.h"

namespace ombrelk {

namespace stdfs {

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "rb");
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

OpenedFile Opened(int fd, const std::filesystem::path& path) {
  if (fd < 0) {
    const int error = LastError();
    return {nullptr, path, stdfs::ErrnoText(error), error};
  }
  return {std::make_unique<PosixFile>(fd), path, {}};
}

}  // namespace

std::filesystem::path StdFileSystem::ResolveLinks(const std::filesystem::path& path) {
  // As many links as the kernel follows before it gives up with ELOOP.
  constexpr int kMaxLinks = 40;
  std::filesystem::path p = path;
  for (int i = 0; i < kMaxLinks; ++i) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
    const std::filesystem::path target = std::filesystem::read_symlink(p, ec);
    if (ec) return p;
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return p;
}

OpenedFile StdFileSystem::CreateTemporary(const std::filesystem::path& target) {
  struct stat old {};
  const bool replaces = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    const std::filesystem::path temp = TemporaryName(target);
    // Mode 0666 gives a new file the user's umask, as any new file gets it.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
      ::unlink(temp.c_str());
      return {nullptr, temp, stdfs::ErrnoText(error), error};
    }
    return Opened(fd, temp);
  }
  return {nullptr, target, stdfs::ErrnoText(EEXIST), EEXIST};
}

OpenedFile StdFileSystem::OpenInPlace(const std::filesystem::path& path) {
  return Opened(::open(path.c_str(), O_WRONLY | O_CLOEXEC), path);
}

IoResult StdFileSystem::SyncFolder(const std::filesystem::path& folder) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Failed(LastError());
  const int error = ::fsync(fd) != 0 ? LastError() : 0;
  ::close(fd);
  if (error != 0) return Failed(error);
  return {};
}

IoResult StdFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  if (ec) return {ec.message()};
  return {};
}

bool StdFileSystem::Exists(const std::filesystem::path& path) {
  std::error_code ec;
  // A dangling link takes its name too; a name that cannot be looked at counts as taken.
  return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
}

void StdFileSystem::Remove(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace ombrelk
