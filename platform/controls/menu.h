#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace ombrelk {

// A menu entry. A top-level entry holding others is a menu that opens as a
// pop-up; an entry whose caption is "-" is a separator.
class MenuItem : public Control {
 public:
  MenuItem(std::string name, std::string caption)
      : Control(ControlKind::MenuItem, std::move(name)), caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  bool IsSeparator() const { return caption_ == "-"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    Notify(Property::Checked);
  }

  // Entries of a pop-up menu, in display order. The same entry may appear in
  // two menus.
  std::vector<MenuItem*> items;

  std::function<void()> Click;

 private:
  std::string caption_;
  bool checked_ = false;
};

}  // namespace ombrelk
