#include "platform/qt/qt_pictures.h"

namespace ombrelk {

QPixmap PicturePixmap(PictureId id) {
  const auto xpm = PictureXpm(id);
  if (xpm.empty()) return {};
  QPixmap pixmap(xpm.data());
  return pixmap;
}

QIcon PictureIcon(PictureId id) {
  return {PicturePixmap(id)};
}

QCursor PictureCursor(PictureId id) {
  if (id == PictureId::HandCursor) return QCursor(PicturePixmap(id), 12, 1);
  return QCursor(PicturePixmap(id));
}

}  // namespace ombrelk
