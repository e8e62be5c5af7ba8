#include "settings/durable_write.h"

namespace ombrelk {

namespace {

// The first failure is the reason given; the file is closed in any case.
IoResult Finish(WritableFile& file, IoResult result) {
  if (result.ok()) result = file.Sync();
  IoResult closed = file.Close();
  return result.ok() ? closed : result;
}

IoResult ReplaceThroughTemporary(FileSystem& files, const FilePath& target, std::string_view data) {
  OpenedFile temp = files.CreateTemporary(target);
  if (!temp.file) return {temp.error, temp.errno_value};
  IoResult result = Finish(*temp.file, temp.file->Write(data));
  temp.file.reset();
  if (result.ok()) result = files.Rename(temp.path, target);
  if (!result.ok()) {
    files.Remove(temp.path);
    return result;
  }
  // The new file is in place; a folder that cannot be synced (some network
  // file systems refuse it) does not undo that.
  files.SyncFolder(target.Parent());
  return {};
}

IoResult WriteInPlace(FileSystem& files, const FilePath& target, std::string_view data) {
  OpenedFile opened = files.OpenInPlace(target);
  if (!opened.file) return {opened.error, opened.errno_value};
  WritableFile& file = *opened.file;
  IoResult result = file.Reserve(data.size());
  if (result.ok()) result = file.Write(data);
  if (result.ok()) result = file.Truncate(data.size());
  return Finish(file, result);
}

}  // namespace

IoResult WriteFileDurably(FileSystem& files, const FilePath& path, std::string_view data) {
  const FilePath target = files.ResolveLinks(path);
  IoResult replaced = ReplaceThroughTemporary(files, target, data);
  if (replaced.ok()) return {};
  // Only a file that is there can be written in place. Its reason then is the
  // one that says what stands in the way of this file (a read-only file, a
  // full disk), not just of its folder.
  if (!files.Exists(target)) return replaced;
  return WriteInPlace(files, target, data);
}

}  // namespace ombrelk
