#pragma once

#include <string>
#include <string_view>

#include "platform/services/file_path.h"

namespace ombrelk {

// A path as Windows' UTF-16 names take it, and a UTF-16 name the system
// gave as a path, converted by hand: the C++ runtime's converters bring its
// whole locale machinery into the statically linked program. A unit that
// cannot be converted becomes U+FFFD.
std::wstring WidePath(const FilePath& path);
FilePath PathFromWide(std::wstring_view name);

}  // namespace ombrelk
