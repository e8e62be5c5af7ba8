#pragma once

#include <string>
#include <string_view>

namespace ombrelk {

// The core speaks UTF-8; Windows' W functions take UTF-16. Invalid UTF-8
// becomes U+FFFD rather than being dropped.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace ombrelk
