#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "platform/file_system.h"

namespace ombrelk {

// Writes data to a temporary file beside path and renames it over path only
// once it is complete, so a crash or a full disk never leaves half a file.
// A failure is reported in one line on errors; the old file stays as it was.
bool WriteFileDurably(FileSystem& files, const std::filesystem::path& path, std::string_view data,
                      std::ostream& errors);

}  // namespace ombrelk
