#include "platform/stdfs/std_file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define OMBRELK_HAVE_FSYNC 1
#endif

namespace ombrelk {

std::optional<std::string> StdFileSystem::ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

IoResult StdFileSystem::WriteAll(const std::filesystem::path& path, std::string_view data) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return {std::strerror(errno)};
  const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  const int write_errno = errno;
  bool flushed = std::fflush(file) == 0;
#ifdef OMBRELK_HAVE_FSYNC
  // The rename that follows must not reach the disk before the data does.
  flushed = flushed && ::fsync(::fileno(file)) == 0;
#endif
  const int flush_errno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written) return {std::strerror(write_errno)};
  if (!flushed || !closed) return {std::strerror(flush_errno != 0 ? flush_errno : errno)};
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
