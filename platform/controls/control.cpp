#include "platform/controls/control.h"

namespace ombrelk {

void Control::Move(Rect r) {
  if (r.left == bounds_.left && r.top == bounds_.top && r.width == bounds_.width &&
      r.height == bounds_.height) {
    return;
  }
  bounds_ = r;
  Notify(Property::Geometry);
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(Property::Visible);
}

}  // namespace ombrelk
