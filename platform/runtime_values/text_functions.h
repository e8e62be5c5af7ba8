#pragma once

#include <cstddef>
#include <string_view>

namespace ombrelk {

// Characters from position start (counted from 1), at most length of them, as
// far as the line has them.
std::string_view Mid(std::string_view line, std::size_t start, std::size_t length);

}  // namespace ombrelk
