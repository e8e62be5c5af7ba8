#include "platform/stdfs/std_file_system.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define OMBRELK_POSIX_FILES 1
#endif

namespace ombrelk {

namespace {

// errno after a failed call; a call that failed without saying why counts as
// an input/output error.
int LastError() {
  return errno != 0 ? errno : EIO;
}

IoResult Failed(int error) {
  return {std::strerror(error)};
}

// A name beside target that no file is likely to have: target's name with
// ".tmp" and six random letters.
std::filesystem::path TemporaryName(const std::filesystem::path& target) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string suffix = ".tmp";
  for (int i = 0; i < 6; ++i) suffix += kLetters[pick(random)];
  std::filesystem::path temp = target;
  temp += suffix;
  return temp;
}

constexpr int kTemporaryNameTries = 100;

#ifdef OMBRELK_POSIX_FILES

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
  if (fd < 0) return {nullptr, path, std::strerror(LastError())};
  return {std::make_unique<PosixFile>(fd), path, {}};
}

#else

// Where there is no POSIX, through the C library: nothing is reserved, and a
// flush stands in for the sync.
class StdioFile : public WritableFile {
 public:
  StdioFile(std::FILE* file, std::filesystem::path path) : file_(file), path_(std::move(path)) {}
  ~StdioFile() override {
    if (file_ != nullptr) std::fclose(file_);
  }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;

  IoResult Reserve(std::size_t /*length*/) override { return {}; }
  IoResult Write(std::string_view data) override {
    if (std::fwrite(data.data(), 1, data.size(), file_) != data.size()) return Failed(LastError());
    return {};
  }
  IoResult Truncate(std::size_t length) override {
    if (std::fflush(file_) != 0) return Failed(LastError());
    std::error_code ec;
    std::filesystem::resize_file(path_, length, ec);
    if (ec) return {ec.message()};
    return {};
  }
  IoResult Sync() override {
    if (std::fflush(file_) != 0) return Failed(LastError());
    return {};
  }
  IoResult Close() override {
    std::FILE* file = file_;
    file_ = nullptr;
    if (file != nullptr && std::fclose(file) != 0) return Failed(LastError());
    return {};
  }

 private:
  std::FILE* file_;
  std::filesystem::path path_;
};

OpenedFile Opened(std::FILE* file, const std::filesystem::path& path) {
  if (file == nullptr) return {nullptr, path, std::strerror(LastError())};
  return {std::make_unique<StdioFile>(file, path), path, {}};
}

#endif

}  // namespace

ReadResult StdFileSystem::ReadAll(const std::filesystem::path& path) {
  errno = 0;
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (file == nullptr) {
    const int error = LastError();
    if (error == ENOENT) return {ReadResult::Status::kMissing, {}, std::strerror(error)};
    return {ReadResult::Status::kUnreadable, {}, std::strerror(error)};
  }
  // A file that opens but cannot be read (a folder of that name, a failing
  // disk) counts as one that cannot be opened, never as an empty file.
  std::string content;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
    content.append(buffer.data(), n);
  const int error = std::ferror(file) != 0 ? LastError() : 0;
  std::fclose(file);
  if (error != 0) return {ReadResult::Status::kUnreadable, {}, std::strerror(error)};
  return {ReadResult::Status::kRead, std::move(content), {}};
}

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

#ifdef OMBRELK_POSIX_FILES

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
      return {nullptr, temp, std::strerror(error)};
    }
    return Opened(fd, temp);
  }
  return {nullptr, target, std::strerror(EEXIST)};
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

#else

OpenedFile StdFileSystem::CreateTemporary(const std::filesystem::path& target) {
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    const std::filesystem::path temp = TemporaryName(target);
    if (Exists(temp)) continue;
    return Opened(std::fopen(temp.string().c_str(), "wb"), temp);
  }
  return {nullptr, target, std::strerror(EEXIST)};
}

OpenedFile StdFileSystem::OpenInPlace(const std::filesystem::path& path) {
  return Opened(std::fopen(path.string().c_str(), "r+b"), path);
}

IoResult StdFileSystem::SyncFolder(const std::filesystem::path& /*folder*/) {
  return {};
}

#endif

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
