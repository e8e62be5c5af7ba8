#include "platform/backends/stdfs/wide_path.h"

#include <windows.h>

#include <utility>

namespace ombrelk::stdfs {

std::wstring WidePath(const FilePath& path) {
  const std::string& text = path.text();
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), n);
  return out;
}

FilePath PathFromWide(std::wstring_view name) {
  if (name.empty()) return {};
  const int size = static_cast<int>(name.size());
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, name.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, name.data(), size, out.data(), n, nullptr, nullptr);
  return FilePath(std::move(out));
}

}  // namespace ombrelk::stdfs
