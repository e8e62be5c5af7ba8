// Build-time tool: writes the program's icon as the file a desktop takes, a
// PNG for Linux icon themes or an .ico for a Windows resource, chosen by the
// output's extension. It links the core only, so it builds wherever the core
// does.

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "view/pictures/icon_files.h"
#include "view/pictures/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ombrelk_make_icon OUTPUT.png|OUTPUT.ico\n");
    return 2;
  }
  const std::string_view output = argv[1];
  const ombrelk::ArgbImage icon = ombrelk::PictureImage(ombrelk::PictureId::AppIcon);
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
