#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <memory>
#include <string>
#include <vector>

#include "platform/backends/qt/qt_runtime.h"
#include "platform/backends/qt/tray_watch.h"
#include "platform/backends/qt/window_registry.h"
#include "platform/services/tray_area.h"

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

  // The protocol the icon uses (see TrayWatch): it decides which tray
  // counts as available and what the icon's activations mean.
  void SetProtocol(TrayProtocol protocol) { protocol_ = protocol; }

  // The menu a StatusNotifierItem icon exports: its host (Xfce, GNOME,
  // Plasma) shows it on a right click instead of asking the program for a
  // pop-up. It holds menu's entries as the runtime's actions, so it follows
  // the model and choosing an entry runs the entry's Click as the pop-up
  // does. Call before the first icon is added.
  void ExportMenu(MenuItem& menu, QtRuntime& runtime);

  // The icon while it is shown, else null.
  QSystemTrayIcon* Icon() const { return icon_.get(); }

 private:
  void Activated(QSystemTrayIcon::ActivationReason reason);

  WindowRegistry& windows_;
  std::unique_ptr<QMenu> menu_;
  std::unique_ptr<QSystemTrayIcon> icon_;
  // Removed icons, kept until the tray area goes: one may be removed from
  // inside its own click.
  std::vector<std::unique_ptr<QSystemTrayIcon>> removed_;
  bool in_click_ = false;
  TrayProtocol protocol_ = TrayProtocol::XEmbed;
  std::int32_t hwnd_ = 0;
};

}  // namespace ombrelk
