#pragma once

#include <string_view>

#include "platform/services/file_path.h"
#include "platform/services/file_system.h"

namespace ombrelk {

// Makes data the whole content of the file path names, following symbolic
// links so that a link stays a link; the file keeps its permissions.
//
// First through a temporary file in the same folder, synced and then renamed
// over the file, and the folder synced: a crash, a kill or a full disk at any
// point leaves either the old file or the new one, whole. Where no temporary
// file can be created or renamed (a folder the user may not write into), the
// file is written in place instead, after its new length has been claimed on
// the disk, so that a full disk fails before a byte is overwritten; that way
// has no such guarantee against a crash in the middle of the write.
//
// Returns why neither way worked; the file is then as it was.
IoResult WriteFileDurably(FileSystem& files, const FilePath& path, std::string_view data);

}  // namespace ombrelk
