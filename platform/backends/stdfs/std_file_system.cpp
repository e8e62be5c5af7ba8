#include "platform/backends/stdfs/std_file_system.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/backends/stdfs/native_files.h"

namespace ombrelk {

namespace stdfs {

FilePath TemporaryName(const FilePath& target) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string suffix = ".tmp";
  for (int i = 0; i < 6; ++i) suffix += kLetters[pick(random)];
  return target + suffix;
}

std::string ErrnoText(int error) {
  return std::strerror(error != 0 ? error : EIO);
}

}  // namespace stdfs

ReadResult StdFileSystem::ReadAll(const FilePath& path) {
  errno = 0;
  std::FILE* file = stdfs::OpenForReading(path);
  if (file == nullptr) {
    const int error = errno;
    if (error == ENOENT) return {ReadResult::Status::kMissing, {}, stdfs::ErrnoText(error)};
    return {ReadResult::Status::kUnreadable, {}, stdfs::ErrnoText(error)};
  }
  // A file that opens but cannot be read (a folder of that name, a failing
  // disk) counts as one that cannot be opened, never as an empty file.
  std::string content;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
    content.append(buffer.data(), n);
  const int error = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(file);
  if (error != 0) return {ReadResult::Status::kUnreadable, {}, stdfs::ErrnoText(error)};
  return {ReadResult::Status::kRead, std::move(content), {}};
}

}  // namespace ombrelk
