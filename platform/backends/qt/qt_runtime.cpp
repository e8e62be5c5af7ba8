#include "platform/backends/qt/qt_runtime.h"

#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace ombrelk {

QtRuntime::QtRuntime(WindowRegistry& windows, QString lock_file)
    : windows_(windows), lock_file_(std::move(lock_file)) {}

QString QtRuntime::DefaultLockFile() {
  const QString runtime_dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime_dir.isEmpty()) return runtime_dir + QStringLiteral("/ombrelk.lock");
  // The shared temporary folder needs the user in the name.
  return QDir::tempPath() + QStringLiteral("/ombrelk-%1.lock").arg(::getuid());
}

QAction& QtRuntime::ActionOf(MenuItem& item) {
  auto& peer = menu_peers_[&item];
  if (!peer) peer = std::make_unique<MenuItemPeer>(item);
  return peer->Action();
}

void QtRuntime::FillMenu(QMenu& qmenu, MenuItem& menu) {
  for (MenuItem* item : menu.items) {
    if (item->items.empty()) {
      // Separators too: a menu that stays (the tray's exported one) then
      // follows a separator the model hides or shows.
      qmenu.addAction(&ActionOf(*item));
    } else {
      QMenu* sub = qmenu.addMenu(QString::fromStdString(item->Caption()));
      FillMenu(*sub, *item);
    }
  }
}

void QtRuntime::PopupMenu(MenuItem& menu) {
  QMenu qmenu;
  FillMenu(qmenu, menu);
  qmenu.exec(QCursor::pos());
}

void QtRuntime::ShowModal(Form& dialog, Form& /*owner*/) {
  // The owner is fixed when the dialog is realised: it is the dialog's parent.
  auto* window = qobject_cast<QDialog*>(windows_.WindowOf(dialog));
  if (window == nullptr || window->isVisible()) return;
  window->exec();
}

void QtRuntime::DoEvents() {
  QCoreApplication::processEvents();
}

void QtRuntime::EndProgram() {
  ended_ = true;
  QCoreApplication::exit(0);
}

bool QtRuntime::PrevInstance() {
  if (!lock_) {
    QDir().mkpath(QFileInfo(lock_file_).absolutePath());
    lock_ = std::make_unique<QLockFile>(lock_file_);
    // Never stale while its owner lives: a calendar runs for days. A lock
    // left by a crashed instance names a dead process and is taken over.
    lock_->setStaleLockTime(0);
    // Only a lock held by a live instance counts; a folder that cannot hold
    // a lock must not keep the calendar from starting.
    another_instance_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
  }
  return another_instance_;
}

}  // namespace ombrelk
