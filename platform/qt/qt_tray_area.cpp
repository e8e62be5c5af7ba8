#include "platform/qt/qt_tray_area.h"

#include <cstring>

#include "platform/qt/qt_pictures.h"
#include "platform/qt/units.h"

namespace ombrelk {

namespace {

constexpr int kNimModify = 1;
constexpr int kWmLButtonDblClk = 515;
constexpr int kWmRButtonDown = 516;

QString TipText(const TrayIconRecord& record) {
  const auto& tip = record.szTip;
  const auto* end = static_cast<const char*>(std::memchr(tip.data(), '\0', tip.size()));
  const auto length = end != nullptr ? end - tip.data() : static_cast<std::ptrdiff_t>(tip.size());
  return QString::fromUtf8(tip.data(), length);
}

QIcon IconOf(const TrayIconRecord& record) {
  return PictureIcon(static_cast<PictureId>(record.hIcon));
}

}  // namespace

bool QtTrayArea::IsTrayAvailable() {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayArea::Shell_NotifyIcon(int message, const TrayIconRecord& record) {
  switch (message) {
    case kNimAdd:
      if (icon_) return false;
      icon_ = std::make_unique<QSystemTrayIcon>(IconOf(record));
      icon_->setToolTip(TipText(record));
      hwnd_ = record.hWnd;
      QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                       [this](QSystemTrayIcon::ActivationReason r) { Activated(r); });
      icon_->show();
      return true;
    case kNimModify:
      if (!icon_) return false;
      icon_->setIcon(IconOf(record));
      icon_->setToolTip(TipText(record));
      return true;
    case kNimDelete:
      if (!icon_) return false;
      icon_->hide();
      // The removal may come from inside the icon's own signal (the tray
      // menu's exit entry), so the icon goes once that has returned.
      icon_.release()->deleteLater();
      return true;
    default:
      return false;
  }
}

void QtTrayArea::Activated(QSystemTrayIcon::ActivationReason reason) {
  int message = 0;
  if (reason == QSystemTrayIcon::DoubleClick) {
    message = kWmLButtonDblClk;
  } else if (reason == QSystemTrayIcon::Context) {
    message = kWmRButtonDown;
  } else {
    return;  // a single click does nothing
  }
  Form* form = windows_.FormOf(hwnd_);
  if (form == nullptr || !form->MouseMove) return;
  form->MouseMove(0, 0, Twips(message), 0);
}

}  // namespace ombrelk
