// The standard file system on Windows: every file opened by its wide native
// name, so that folders named in any script work (a narrow name would go
// through the ANSI code page and lose them); writes flushed with
// FlushFileBuffers and renames written through.

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/backends/stdfs/native_files.h"
#include "platform/backends/stdfs/std_file_system.h"
#include "platform/backends/stdfs/wide_path.h"

namespace ombrelk {

namespace stdfs {

std::FILE* OpenForReading(const FilePath& path) {
  return ::_wfopen(WidePath(path).c_str(), L"rb");
}

}  // namespace stdfs

namespace {

using stdfs::kTemporaryNameTries;
using stdfs::PathFromWide;
using stdfs::TemporaryName;
using stdfs::WidePath;

// The C library's errno value for a Windows error, so that a message reads
// alike on every system; 0 for one it has no value for.
int WindowsErrno(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILE_TOO_LARGE:
      return EFBIG;
    default:
      return 0;
  }
}

// The reason for a Windows error in the C library's words where it has them.
IoResult Problem(DWORD error) {
  const int e = WindowsErrno(error);
  if (e != 0) return {stdfs::ErrnoText(e), e};
  return {"Windows error " + std::to_string(error), 0};
}

IoResult Failed() {
  return Problem(::GetLastError());
}

OpenedFile NotOpened(const FilePath& path, DWORD error) {
  IoResult why = Problem(error);
  return {nullptr, path, std::move(why.error), why.errno_value};
}

// The attributes a replaced file hands on to the file that takes its place.
// Read-only is not among them: a read-only file is not replaced at all.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

class Win32File : public WritableFile {
 public:
  explicit Win32File(HANDLE handle) : handle_(handle) {}
  ~Win32File() override {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  Win32File(const Win32File&) = delete;
  Win32File& operator=(const Win32File&) = delete;

  // Claims the clusters without moving the end of the file, so the old bytes
  // stay as they are until they are overwritten.
  IoResult Reserve(std::size_t length) override {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle_, &size)) return Failed();
    if (static_cast<std::size_t>(size.QuadPart) >= length) return {};
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(length);
    if (::SetFileInformationByHandle(handle_, FileAllocationInfo, &allocation, sizeof allocation))
      return {};
    // A file system that cannot reserve space shows a full disk at the write.
    const DWORD error = ::GetLastError();
    if (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_INVALID_FUNCTION || error == ERROR_CALL_NOT_IMPLEMENTED)
      return {};
    return Problem(error);
  }
  IoResult Write(std::string_view data) override {
    while (!data.empty()) {
      constexpr std::size_t kMaxChunk = 1 << 30;
      const DWORD chunk = static_cast<DWORD>(data.size() < kMaxChunk ? data.size() : kMaxChunk);
      DWORD written = 0;
      if (!::WriteFile(handle_, data.data(), chunk, &written, nullptr)) return Failed();
      if (written == 0) return Problem(ERROR_WRITE_FAULT);
      data.remove_prefix(written);
    }
    return {};
  }
  IoResult Truncate(std::size_t length) override {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(length);
    if (!::SetFileInformationByHandle(handle_, FileEndOfFileInfo, &end, sizeof end))
      return Failed();
    return {};
  }
  IoResult Sync() override {
    if (!::FlushFileBuffers(handle_)) return Failed();
    return {};
  }
  IoResult Close() override {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (handle != INVALID_HANDLE_VALUE && !::CloseHandle(handle)) return Failed();
    return {};
  }

 private:
  HANDLE handle_;
};

OpenedFile Opened(HANDLE handle, const FilePath& path) {
  if (handle == INVALID_HANDLE_VALUE) return NotOpened(path, ::GetLastError());
  return {std::make_unique<Win32File>(handle), path, {}};
}

// "\\?\C:\x" as "C:\x" and "\\?\UNC\server\x" as "\\server\x": the names a
// user knows, and short enough for every call that takes them.
std::wstring WithoutLongPrefix(std::wstring name) {
  if (name.rfind(LR"(\\?\UNC\)", 0) == 0) return LR"(\\)" + name.substr(8);
  if (name.rfind(LR"(\\?\)", 0) == 0) return name.substr(4);
  return name;
}

}  // namespace

// Windows resolves links (symbolic links, junctions) itself when the file is
// opened; the final name comes from the open handle. A link whose target does
// not exist yet cannot be opened, and is then replaced like a file.
FilePath StdFileSystem::ResolveLinks(const FilePath& path) {
  const std::wstring wide = WidePath(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
    return path;
  const HANDLE handle =
      ::CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return path;
  std::wstring name(MAX_PATH, L'\0');
  DWORD n = ::GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n >= name.size()) {
    name.resize(n + 1);
    n = ::GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()),
                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  }
  ::CloseHandle(handle);
  if (n == 0 || n >= name.size()) return path;
  name.resize(n);
  return PathFromWide(WithoutLongPrefix(std::move(name)));
}

// Windows gives a new file the folder's inherited permissions; what it keeps
// of the file it replaces are the attributes, so the temporary file is made
// with them (a hidden file stays hidden).
OpenedFile StdFileSystem::CreateTemporary(const FilePath& target) {
  const DWORD old = ::GetFileAttributesW(WidePath(target).c_str());
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
      (old & kKeptAttributes) != 0)
    attributes = old & kKeptAttributes;
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    const FilePath temp = TemporaryName(target);
    const std::wstring wide = WidePath(temp);
    const HANDLE handle =
        ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) continue;
    return Opened(handle, temp);
  }
  return NotOpened(target, ERROR_FILE_EXISTS);
}

// Others may go on reading and writing the file meanwhile (an editor that
// holds it open), as they may on POSIX.
OpenedFile StdFileSystem::OpenInPlace(const FilePath& path) {
  return Opened(
      ::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
      path);
}

// MOVEFILE_WRITE_THROUGH returns only once the rename is on the disk. The
// wide names are made before the call, so that freeing them cannot touch
// the last error before it is read.
IoResult StdFileSystem::Rename(const FilePath& from, const FilePath& to) {
  const std::wstring wide_from = WidePath(from);
  const std::wstring wide_to = WidePath(to);
  if (!::MoveFileExW(wide_from.c_str(), wide_to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Failed();
  return {};
}

// Windows cannot open a folder to flush it; the rename written through above
// is what makes the new name last.
IoResult StdFileSystem::SyncFolder(const FilePath& /*folder*/) {
  return {};
}

// A link, dangling or not, is looked at itself; a name that cannot be looked at
// (no access) counts as taken.
bool StdFileSystem::Exists(const FilePath& path) {
  const std::wstring wide = WidePath(path);
  if (::GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  const DWORD error = ::GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

// A file, or an empty folder.
void StdFileSystem::Remove(const FilePath& path) {
  const std::wstring wide = WidePath(path);
  if (::DeleteFileW(wide.c_str()) == 0) ::RemoveDirectoryW(wide.c_str());
}

}  // namespace ombrelk
