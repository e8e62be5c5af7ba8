#pragma once

#include <string>
#include <string_view>

#include "platform/backends/stdfs/wide_path.h"

namespace ombrelk {

// The core speaks UTF-8; Windows' W functions take UTF-16. Invalid UTF-8
// becomes U+FFFD rather than being dropped. One converter serves the file
// names and the window texts.
inline std::wstring Wide(std::string_view utf8) {
  return stdfs::WideText(utf8);
}
inline std::string Utf8(std::wstring_view wide) {
  return stdfs::Utf8Text(wide);
}

}  // namespace ombrelk
