#pragma once

// What the POSIX and the Windows halves of the standard file system share.

#include <cstdio>
#include <string>

#include "platform/services/file_path.h"

namespace ombrelk::stdfs {

// Opens path for reading in binary, by its native name (wide on Windows, so
// that any folder name works); errno says why not.
std::FILE* OpenForReading(const FilePath& path);

// A name beside target that no file is likely to have: target's name with
// ".tmp" and six random letters.
FilePath TemporaryName(const FilePath& target);

// How many names CreateTemporary tries before it gives up.
inline constexpr int kTemporaryNameTries = 100;

// The C library's text for an errno value; an unknown failure (0) counts as
// an input/output error.
std::string ErrnoText(int error);

}  // namespace ombrelk::stdfs
