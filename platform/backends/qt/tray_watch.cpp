#include "platform/backends/qt/tray_watch.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QSystemTrayIcon>

namespace ombrelk {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// The question Qt asks before it uses StatusNotifierItem.
bool StatusNotifierHostRegistered() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusInterface properties(kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
                            QStringLiteral("org.freedesktop.DBus.Properties"), bus);
  const QDBusReply<QDBusVariant> reply = properties.call(
      QStringLiteral("Get"), kWatcherService, QStringLiteral("IsStatusNotifierHostRegistered"));
  return reply.isValid() && reply.value().variant().toBool();
}

}  // namespace

TrayWatch::TrayWatch(std::function<void()> changed) : changed_(std::move(changed)) {
  protocol_ = StatusNotifierHostRegistered() ? TrayProtocol::StatusNotifier : TrayProtocol::XEmbed;
  QSystemTrayIcon::isSystemTrayAvailable();  // Qt's first query: its choice is made now
  if (protocol_ == TrayProtocol::StatusNotifier) {
    watcher_ = std::make_unique<QDBusServiceWatcher>(
        kWatcherService, QDBusConnection::sessionBus(),
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration);
    connect(watcher_.get(), &QDBusServiceWatcher::serviceRegistered, this, &TrayWatch::Changed);
    connect(watcher_.get(), &QDBusServiceWatcher::serviceUnregistered, this, &TrayWatch::Changed);
    return;
  }
  // The xcb platform tells of a tray's selection owner coming and going; the
  // signal is its own, so it is looked up by name, and only where it exists
  // (no other platform has an XEmbed tray).
  // Its class is one of Qt's platform headers, which Debian ships apart; it
  // derives from QObject alone, so its address is its QObject's.
  auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
  if (native == nullptr) return;
  const int index = native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)");
  if (index < 0) return;
  connect(native, native->metaObject()->method(index), this,
          metaObject()->method(metaObject()->indexOfSlot("Changed()")));
}

bool TrayWatch::Available(TrayProtocol protocol) {
  if (protocol == TrayProtocol::XEmbed) return QSystemTrayIcon::isSystemTrayAvailable();
  const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
  return bus != nullptr && bus->isServiceRegistered(kWatcherService).value();
}

}  // namespace ombrelk
