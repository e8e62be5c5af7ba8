#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QScreen>
#include <functional>
#include <memory>

namespace ombrelk {

// How the desktop hosts the calendar's tray icon: the D-Bus
// StatusNotifierItem protocol (KDE Plasma, Ubuntu's GNOME, Xfce, Cinnamon,
// LXQt, Budgie) or an XEmbed tray (the _NET_SYSTEM_TRAY_S<screen> selection).
enum class TrayProtocol { XEmbed, StatusNotifier };

// Watches the notification area come and go, and tells which protocol the
// program's icon uses. Qt decides that once per process, at its first tray
// query: StatusNotifierItem when a StatusNotifierWatcher on the session bus
// says a host is registered, else XEmbed. Build this before anything asks Qt
// about the tray: it asks the watcher the same question and then makes Qt's
// first query itself, so that both answers come from the same moment.
//
// A watcher that appears after start-up is not followed: the icon stays
// XEmbed, as Qt keeps it, and lives in whatever XEmbed tray appears. Under
// X11 most StatusNotifierItem panels also host XEmbed icons (Plasma through
// its proxy), and a second, hand-made StatusNotifierItem next to Qt's would
// split one icon's behaviour between two implementations.
class TrayWatch : public QObject {
  Q_OBJECT

 public:
  // changed runs from the event loop whenever a tray may have appeared or
  // vanished; the tray area's IsTrayAvailable then tells which.
  explicit TrayWatch(std::function<void()> changed);

  TrayProtocol Protocol() const { return protocol_; }

  // Whether a tray of the protocol in use is there now.
  static bool Available(TrayProtocol protocol);

 private Q_SLOTS:
  void Changed() { changed_(); }

 private:
  std::function<void()> changed_;
  TrayProtocol protocol_ = TrayProtocol::XEmbed;
  std::unique_ptr<QDBusServiceWatcher> watcher_;
};

}  // namespace ombrelk
