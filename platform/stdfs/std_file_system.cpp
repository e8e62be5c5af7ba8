#include "platform/stdfs/std_file_system.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define OMBRELK_HAVE_FSYNC 1
#endif

namespace ombrelk {

namespace {

// errno after a failed call; a call that failed without saying why counts as
// an input/output error.
int LastError() {
  return errno != 0 ? errno : EIO;
}

}  // namespace

std::optional<std::string> StdFileSystem::ReadAll(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  // A file that opens but cannot be read (a folder of that name, a failing
  // disk) counts as one that cannot be opened, never as an empty file.
  std::string content;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
    content.append(buffer.data(), n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return content;
}

IoResult StdFileSystem::WriteAll(const std::filesystem::path& path, std::string_view data) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return {std::strerror(LastError())};
  // The first failure is the reason given; later steps still run so that the
  // file is always closed.
  int error = 0;
  if (std::fwrite(data.data(), 1, data.size(), file) != data.size()) error = LastError();
  if (error == 0 && std::fflush(file) != 0) error = LastError();
#ifdef OMBRELK_HAVE_FSYNC
  // The rename that follows must not reach the disk before the data does.
  if (error == 0 && ::fsync(::fileno(file)) != 0) error = LastError();
#endif
  if (std::fclose(file) != 0 && error == 0) error = LastError();
  if (error != 0) return {std::strerror(error)};
  return {};
}

IoResult StdFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  if (ec) return {ec.message()};
  return {};
}

void StdFileSystem::Remove(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace ombrelk
