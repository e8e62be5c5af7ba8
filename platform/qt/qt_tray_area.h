#pragma once

#include <QSystemTrayIcon>
#include <memory>

#include "platform/qt/window_registry.h"
#include "platform/tray_area.h"

namespace ombrelk {

// The notification area through QSystemTrayIcon. The shell reported mouse
// activity on the icon as mouse moves of the window named in the record, the
// mouse message in x; the same encoding reaches that form here, so the core
// keeps one tray callback.
class QtTrayArea : public TrayArea {
 public:
  explicit QtTrayArea(WindowRegistry& windows) : windows_(windows) {}

  bool IsTrayAvailable() override;
  bool Shell_NotifyIcon(int message, const TrayIconRecord& record) override;

  // The icon while it is shown, else null.
  QSystemTrayIcon* Icon() const { return icon_.get(); }

 private:
  void Activated(QSystemTrayIcon::ActivationReason reason);

  WindowRegistry& windows_;
  std::unique_ptr<QSystemTrayIcon> icon_;
  std::int32_t hwnd_ = 0;
};

}  // namespace ombrelk
