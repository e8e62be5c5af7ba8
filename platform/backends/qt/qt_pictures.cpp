#include "platform/backends/qt/qt_pictures.h"

#include <QImage>

namespace ombrelk {

// The decoded pixels are 0xAARRGGBB words, which is QImage's ARGB32 layout.
QImage ArgbQImage(const ArgbImage& picture) {
  if (picture.pixels.empty()) return {};
  const QImage view(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                    picture.height, static_cast<qsizetype>(picture.width) * 4,
                    QImage::Format_ARGB32);
  return view.copy();  // the view borrows the pixels, the copy owns its own
}

QPixmap PicturePixmap(PictureId id) {
  return QPixmap::fromImage(ArgbQImage(PictureImage(id)));
}

QIcon PictureIcon(PictureId id) {
  return {PicturePixmap(id)};
}

QCursor PictureCursor(PictureId id) {
  const ArgbImage picture = PictureImage(id);
  const QPixmap pixmap = QPixmap::fromImage(ArgbQImage(picture));
  if (!picture.hot_spot) return QCursor(pixmap);
  return QCursor(pixmap, picture.hot_spot->x, picture.hot_spot->y);
}

}  // namespace ombrelk
