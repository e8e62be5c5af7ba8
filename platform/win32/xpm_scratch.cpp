#include "platform/win32/xpm_scratch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace ombrelk {

DecodedPicture DecodeScratch(PictureId id) {
  DecodedPicture p;
  const auto xpm = PictureXpm(id);
  if (xpm.empty()) return p;
  int colours = 0;
  int cpp = 0;
  if (std::sscanf(xpm[0], "%d %d %d %d", &p.width, &p.height, &colours, &cpp) != 4) return p;
  std::map<std::string, std::uint32_t> table;
  for (int i = 1; i <= colours; ++i) {
    const std::string line = xpm[static_cast<std::size_t>(i)];
    const std::string key = line.substr(0, static_cast<std::size_t>(cpp));
    const auto hash = line.find('#');
    table[key] = hash == std::string::npos
                     ? 0U
                     : 0xFF000000U | static_cast<std::uint32_t>(
                                         std::strtoul(line.c_str() + hash + 1, nullptr, 16));
  }
  for (int y = 0; y < p.height; ++y) {
    const std::string row = xpm[static_cast<std::size_t>(1 + colours + y)];
    for (int x = 0; x < p.width; ++x) {
      p.argb.push_back(
          table[row.substr(static_cast<std::size_t>(x * cpp), static_cast<std::size_t>(cpp))]);
    }
  }
  if (id == PictureId::HandCursor) p.hot_x = 12, p.hot_y = 1;
  return p;
}

}  // namespace ombrelk
