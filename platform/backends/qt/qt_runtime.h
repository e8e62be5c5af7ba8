#pragma once

#include <QLockFile>
#include <QMenu>
#include <QString>
#include <map>
#include <memory>

#include "platform/backends/qt/menu_item_peer.h"
#include "platform/backends/qt/window_registry.h"
#include "platform/services/runtime.h"

namespace ombrelk {

// The forms runtime on Qt: pop-up menus, modal dialogs, event processing, the
// end of the program and the single-instance lock.
class QtRuntime : public Runtime {
 public:
  // lock_file: where the running instance holds its lock.
  explicit QtRuntime(WindowRegistry& windows, QString lock_file = DefaultLockFile());
  QtRuntime(const QtRuntime&) = delete;
  QtRuntime& operator=(const QtRuntime&) = delete;

  // Builds the pop-up from the entries menu holds now and runs it at the pointer.
  void PopupMenu(MenuItem& menu) override;
  void ShowModal(Form& dialog, Form& owner) override;
  void DoEvents() override;
  // Leaves every running event loop; before the main loop runs, main() asks Ended().
  void EndProgram() override;
  bool PrevInstance() override;
  // Linux has no Windows platform ids, so the single-instance check always runs.
  std::optional<std::int32_t> GetPlatformId() override { return std::nullopt; }

  bool Ended() const { return ended_; }
  // The action that shows an entry, made when first asked for.
  QAction& ActionOf(MenuItem& item);
  // Adds the entries menu holds now to qmenu, each as its action, so that
  // they follow the model for as long as qmenu lives.
  void FillMenu(QMenu& qmenu, MenuItem& menu);

  // ombrelk.lock in the user's runtime folder (the temporary folder when there is none).
  static QString DefaultLockFile();

 private:
  WindowRegistry& windows_;
  QString lock_file_;
  std::unique_ptr<QLockFile> lock_;
  bool another_instance_ = false;
  bool ended_ = false;
  // Entry peers outlive every pop-up; they never touch the entries when they go.
  std::map<MenuItem*, std::unique_ptr<MenuItemPeer>> menu_peers_;
};

}  // namespace ombrelk
