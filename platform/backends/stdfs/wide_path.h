#pragma once

// Windows only: text and file names as the system's wide calls take and give
// them.

#include <string>
#include <string_view>

#include "platform/services/file_path.h"

namespace ombrelk::stdfs {

// UTF-8 as Windows' UTF-16 calls take it and back, by the system's own
// converter (a unit that cannot be converted becomes U+FFFD).
std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);

// A path as Windows' UTF-16 names take it, and a UTF-16 name the system gave
// as a path.
inline std::wstring WidePath(const FilePath& path) {
  return WideText(path.text());
}
inline FilePath PathFromWide(std::wstring_view name) {
  return FilePath(Utf8Text(name));
}

}  // namespace ombrelk::stdfs
