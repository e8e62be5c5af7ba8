// Build-time tool: writes the program's icon as the file a desktop takes, a
// PNG for Linux icon themes or an .ico for a Windows resource, chosen by the
// output's extension. Without a size it is the 32-pixel picture the window
// shows; with one, the picture drawn for that size (icon themes want one of
// each), and with a day too, the page the tray shows that day. It links the
// core only, so it builds wherever the core does.

#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "view/pictures/app_icon_drawing.h"
#include "view/pictures/icon_files.h"
#include "view/pictures/pictures.h"

namespace {

// A whole decimal number within [low, high], or nothing.
std::optional<int> NumberIn(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: ombrelk_make_icon OUTPUT.png|OUTPUT.ico [SIZE [DAY]]\n");
    return 2;
  }
  const std::string_view output = argv[1];
  ombrelk::ArgbImage icon;
  if (argc == 2) {
    icon = ombrelk::PictureImage(ombrelk::PictureId::AppIcon);
  } else {
    const auto size = NumberIn(argv[2], ombrelk::kSmallestAppIcon, ombrelk::kLargestAppIcon);
    const auto day = argc == 4 ? NumberIn(argv[3], 1, 31) : std::nullopt;
    if (!size || (argc == 4 && !day)) {
      std::fprintf(stderr, "ombrelk_make_icon: SIZE is %d to %d pixels, DAY 1 to 31\n",
                   ombrelk::kSmallestAppIcon, ombrelk::kLargestAppIcon);
      return 2;
    }
    icon = ombrelk::DrawAppIcon(*size, day);
  }
  if (icon.pixels.empty()) {
    std::fprintf(stderr, "ombrelk_make_icon: the program's icon does not decode\n");
    return 1;
  }
  std::string bytes;
  if (output.ends_with(".png")) {
    bytes = ombrelk::PngFile(icon);
  } else if (output.ends_with(".ico")) {
    bytes = ombrelk::IcoFile(icon);
  } else {
    std::fprintf(stderr, "ombrelk_make_icon: %s: the name must end in .png or .ico\n", argv[1]);
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "ombrelk_make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
