// Build-time tool: writes the program's icon, kept as XPM in the source, as
// the PNG file that the desktop's icon theme takes.

#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "view/pictures/pictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ombrelk_make_icon OUTPUT.png\n");
    return 2;
  }
  const QImage icon(ombrelk::PictureXpm(ombrelk::PictureId::AppIcon).data());
  if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "ombrelk_make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
