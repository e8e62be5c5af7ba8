#include "platform/backends/qt/qt_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <array>
#include <cmath>

#include "view/pictures/app_icon_drawing.h"

namespace ombrelk {

namespace {

// The decoded pixels are 0xAARRGGBB words, which is QImage's ARGB32 layout.
QImage ImageOf(const ArgbImage& picture) {
  if (picture.pixels.empty()) return {};
  const QImage view(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                    picture.height, static_cast<qsizetype>(picture.width) * 4,
                    QImage::Format_ARGB32);
  return view.copy();  // the view borrows the pixels, the copy owns its own
}

}  // namespace

QPixmap PicturePixmap(PictureId id) {
  return QPixmap::fromImage(ImageOf(PictureImage(id)));
}

QIcon PictureIcon(PictureId id) {
  return {PicturePixmap(id)};
}

QIcon DrawnAppIcon(std::optional<int> day) {
  constexpr std::array kPanelSizes{16, 22, 24, 32, 48, 64};
  const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
  QIcon icon;
  const auto add = [&](int size) {
    if (size < kSmallestAppIcon || size > kLargestAppIcon) return;
    if (icon.availableSizes().contains(QSize(size, size))) return;
    icon.addPixmap(QPixmap::fromImage(ImageOf(DrawAppIcon(size, day))));
  };
  for (const int size : kPanelSizes) add(size);
  if (ratio > 1) {
    for (const int size : kPanelSizes) add(static_cast<int>(std::lround(size * ratio)));
  }
  return icon;
}

QCursor PictureCursor(PictureId id) {
  const ArgbImage picture = PictureImage(id);
  const QPixmap pixmap = QPixmap::fromImage(ImageOf(picture));
  if (!picture.hot_spot) return QCursor(pixmap);
  return QCursor(pixmap, picture.hot_spot->x, picture.hot_spot->y);
}

}  // namespace ombrelk
