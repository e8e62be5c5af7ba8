#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ombrelk {

// A path as UTF-8 text, like every text the program shows, and a path from
// UTF-8 text (a file name the program knows). Where the system's paths are
// UTF-16 (Windows), std::filesystem::path converts narrow text through the
// C++ runtime's codecvt facets, and one facet brings the runtime's whole
// locale machinery into the statically linked program; these convert by
// hand. Elsewhere the text is the path's own. A unit that cannot be converted
// becomes U+FFFD.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string PathUtf8(const std::filesystem::path& path);

}  // namespace ombrelk
