#include "platform/backends/qt/app_icon_engine.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

#include "platform/backends/qt/qt_pictures.h"
#include "view/pictures/app_icon_drawing.h"

namespace ombrelk {

namespace {

class AppIconEngine : public QIconEngine {
 public:
  AppIconEngine(std::optional<int> day, QList<QSize> offered);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  // At the size in the device's pixels (a QIcon asks in them).
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  // At the size times the scale, marked with it.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override;
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override;
  QString key() const override;

 private:
  // The page at a side's length in device pixels, drawn once per size.
  QPixmap Page(int side);

  std::optional<int> day_;
  QList<QSize> offered_;
  std::map<int, QPixmap> drawn_;
};

AppIconEngine::AppIconEngine(std::optional<int> day, QList<QSize> offered)
    : day_(day), offered_(std::move(offered)) {}

QPixmap AppIconEngine::Page(int side) {
  // Smaller than the smallest drawing, the 16-pixel page is shrunk; the
  // largest is the most any tray or theme shows.
  const int drawn = std::clamp(side, kSmallestAppIcon, kLargestAppIcon);
  auto found = drawn_.find(drawn);
  if (found == drawn_.end()) {
    found = drawn_.emplace(drawn, QPixmap::fromImage(ArgbQImage(DrawAppIcon(drawn, day_)))).first;
  }
  if (drawn == side) return found->second;
  return found->second.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void AppIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
                          QIcon::State /*state*/) {
  // The page is square: the rect's shorter side, centred, in the device's
  // own pixels so that a window at a pixel ratio above 1 gets them all.
  const QPaintDevice* device = painter->device();
  const qreal ratio = device != nullptr ? device->devicePixelRatio() : 1.0;
  const int side = std::min(rect.width(), rect.height());
  if (side <= 0) return;
  QPixmap page = Page(static_cast<int>(std::lround(side * ratio)));
  page.setDevicePixelRatio(ratio);
  const QRect target(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2,
                     side, side);
  painter->drawPixmap(target, page);
}

QSize AppIconEngine::actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) {
  const int side = std::min(size.width(), size.height());
  return {side, side};
}

QPixmap AppIconEngine::pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) {
  const int side = std::min(size.width(), size.height());
  if (side <= 0) return {};
  return Page(side);
}

QPixmap AppIconEngine::scaledPixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/,
                                    qreal scale) {
  const int side = std::min(size.width(), size.height());
  if (side <= 0) return {};
  QPixmap page = Page(static_cast<int>(std::lround(side * scale)));
  page.setDevicePixelRatio(scale);
  return page;
}

QList<QSize> AppIconEngine::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) {
  return offered_;
}

QIconEngine* AppIconEngine::clone() const {
  return new AppIconEngine(*this);  // NOLINT(cppcoreguidelines-owning-memory): QIcon owns it
}

QString AppIconEngine::key() const {
  return QStringLiteral("OmbrelkAppIconEngine");
}

}  // namespace

QIcon DrawnAppIcon(std::optional<int> day) {
  constexpr std::array kPanelSizes{16, 22, 24, 32, 48, 64};
  const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
  QList<QSize> offered;
  const auto offer = [&](int side) {
    const QSize size(side, side);
    if (side >= kSmallestAppIcon && side <= kLargestAppIcon && !offered.contains(size)) {
      offered.append(size);
    }
  };
  for (const int side : kPanelSizes) offer(side);
  if (ratio > 1) {
    for (const int side : kPanelSizes) offer(static_cast<int>(std::lround(side * ratio)));
  }
  return QIcon(new AppIconEngine(
      day, offered));  // NOLINT(cppcoreguidelines-owning-memory): the icon owns it
}

}  // namespace ombrelk
