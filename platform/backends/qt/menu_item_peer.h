#pragma once

#include <QAction>

#include "platform/controls/menu.h"

namespace ombrelk {

// The action that shows one menu entry in every pop-up that holds it. The
// entry's check mark is the model's: choosing a checked entry does not clear
// the mark by itself, the entry's handler decides.
class MenuItemPeer : public ControlPeer {
 public:
  explicit MenuItemPeer(MenuItem& item);
  MenuItemPeer(const MenuItemPeer&) = delete;
  MenuItemPeer& operator=(const MenuItemPeer&) = delete;

  QAction& Action() { return action_; }
  void PropertyChanged(Property what) override;

 private:
  void ShowCheckMark();

  MenuItem& item_;
  QAction action_;
};

}  // namespace ombrelk
