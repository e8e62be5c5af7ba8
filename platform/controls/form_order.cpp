#include "platform/controls/form_order.h"

#include <algorithm>

namespace ombrelk {

bool TakesFocus(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::PictureButton:
    case ControlKind::CommandButton:
    case ControlKind::ComboBox:
      return true;
    case ControlKind::Form:
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::PictureBox:
    case ControlKind::MenuItem:
      break;
  }
  return false;
}

std::vector<Control*> TabOrder(const Form& form) {
  std::vector<Control*> order;
  for (Control* control : form.controls) {
    if (control->TabIndex() >= 0 && TakesFocus(*control)) order.push_back(control);
  }
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  return order;
}

std::vector<Control*> StackingBottomUp(const Form& form) {
  return {form.controls.rbegin(), form.controls.rend()};
}

}  // namespace ombrelk
