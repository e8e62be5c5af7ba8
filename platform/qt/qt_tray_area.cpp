#include "platform/qt/qt_tray_area.h"

#include <string_view>

#include "platform/qt/qt_pictures.h"
#include "platform/qt/units.h"
#include "view/pictures/pictures.h"

namespace ombrelk {

namespace {

QString TipText(const TrayIconRecord& record) {
  const std::string_view tip = TrayTipText(record);
  return QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size()));
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
      if (in_click_) {
        // The tray menu's exit entry removes the icon from inside the icon's
        // own click, which goes on using the icon once the menu has closed:
        // it leaves the tray when the click is over, or with the program.
        QMetaObject::invokeMethod(icon_.get(), &QSystemTrayIcon::hide, Qt::QueuedConnection);
      } else {
        icon_->hide();
      }
      removed_.push_back(std::move(icon_));
      return true;
    default:
      return false;
  }
}

void QtTrayArea::AddWhenTrayAppears(std::int32_t hwnd, const std::string& tip) {
  Shell_NotifyIcon(kNimAdd,
                   MakeTrayIconRecord(hwnd, static_cast<std::int32_t>(PictureId::AppIcon), tip));
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
  in_click_ = true;
  form->MouseMove(0, 0, Twips(message), 0);
  in_click_ = false;
}

}  // namespace ombrelk
