#include "platform/backends/qt/qt_tray_area.h"

#include <string_view>

#include "platform/backends/qt/app_icon_engine.h"
#include "platform/backends/qt/qt_pictures.h"
#include "platform/backends/qt/units.h"
#include "platform/runtime_values/tray_notification.h"
#include "view/pictures/pictures.h"
#include "view/pictures/tray_picture.h"

namespace ombrelk {

namespace {

QString TipText(const TrayIconRecord& record) {
  const std::string_view tip = TrayTipText(record);
  return QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size()));
}

QIcon IconOf(const TrayIconRecord& record) {
  if (const auto day = DayOfIcon(record.hIcon)) return DrawnAppIcon(day);
  return PictureIcon(static_cast<PictureId>(record.hIcon));
}

}  // namespace

bool QtTrayArea::IsTrayAvailable() {
  return TrayWatch::Available(protocol_);
}

bool QtTrayArea::Shell_NotifyIcon(int message, const TrayIconRecord& record) {
  switch (message) {
    case kNimAdd:
      if (icon_) return false;
      icon_ = std::make_unique<QSystemTrayIcon>(IconOf(record));
      icon_->setToolTip(TipText(record));
      hwnd_ = record.hWnd;
      // Only a StatusNotifierItem exports the menu, and only one set before
      // the icon is shown: the host reads it once when the icon registers.
      // An XEmbed icon would pop the menu up by itself on a right press,
      // beside the core's own pop-up.
      if (menu_ && protocol_ == TrayProtocol::StatusNotifier) icon_->setContextMenu(menu_.get());
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

void QtTrayArea::ExportMenu(MenuItem& menu, QtRuntime& runtime) {
  menu_ = std::make_unique<QMenu>();
  runtime.FillMenu(*menu_, menu);
}

void QtTrayArea::Activated(QSystemTrayIcon::ActivationReason reason) {
  // An XEmbed icon is a window of the program's own, which sees every click:
  // the double-click toggles and a single click does nothing. A
  // StatusNotifierItem host reports the click that activates the item
  // (Trigger) and never a double-click: there the activation toggles. A
  // secondary activation (the middle button) does nothing on either.
  const QSystemTrayIcon::ActivationReason toggle = protocol_ == TrayProtocol::StatusNotifier
                                                       ? QSystemTrayIcon::Trigger
                                                       : QSystemTrayIcon::DoubleClick;
  int message = 0;
  if (reason == toggle) {
    message = kWmLButtonDblClk;
  } else if (reason == QSystemTrayIcon::Context) {
    message = kWmRButtonDown;
  } else {
    return;
  }
  Form* form = windows_.FormOf(hwnd_);
  if (form == nullptr || !form->MouseMove) return;
  in_click_ = true;
  form->MouseMove(0, 0, TrayNotificationX(message, kTwipsPerPixel), 0);
  in_click_ = false;
}

}  // namespace ombrelk
