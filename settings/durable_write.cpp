#include "settings/durable_write.h"

namespace ombrelk {

bool WriteFileDurably(FileSystem& files, const std::filesystem::path& path, std::string_view data,
                      std::ostream& errors) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  IoResult result = files.WriteAll(temp, data);
  if (result.ok()) result = files.Rename(temp, path);
  if (result.ok()) return true;
  files.Remove(temp);
  errors << "ombrelk: cannot write " << path.string() << ": " << result.error << '\n';
  return false;
}

}  // namespace ombrelk
