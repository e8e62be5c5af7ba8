#pragma once

// Windows only: file names as the system's wide calls take and give them.

#include <string>
#include <string_view>

#include "platform/services/file_path.h"

namespace ombrelk::stdfs {

// A path as Windows' UTF-16 names take it, and a UTF-16 name the system gave
// as a path, by the system's own converter (a unit that cannot be converted
// becomes U+FFFD).
std::wstring WidePath(const FilePath& path);
FilePath PathFromWide(std::wstring_view name);

}  // namespace ombrelk::stdfs
