#pragma once

#include <vector>

#include "platform/backends/win32/accessible_object.h"
#include "platform/backends/win32/control_peers.h"
#include "platform/backends/win32/ui_resources.h"
#include "platform/controls/form.h"

namespace ombrelk {

// A form's client area as a screen reader finds it: named by the caption, a
// dialog's a dialog. Its children are the controls in the form's reading
// order that a reader is to see: the labels the window draws, as simple
// children named from the model (a label with a pointer of its own, the
// version dialog's home page, is a link), and the controls with windows of
// their own, which answer for themselves. Hidden controls, those the model
// keeps from a reader and labels without a name are not children, so the
// empty day cells, the grid's mouse surface and the lines never show.
class FormAccessible : public AccessibleObject {
 public:
  FormAccessible(HWND window, const Form& form, const ControlPeers& peers, const ScreenUnits& units)
      : AccessibleObject(window), form_(form), peers_(peers), units_(units) {}

  // The control's child id as the children stand now, 0 for none.
  long ChildId(const Control& control) const;

 protected:
  long ChildCount() const override { return static_cast<long>(Children().size()); }
  HWND ChildWindow(long id) const override;
  std::wstring Name(long id) const override;
  long Role(long id) const override;
  long State(long id) const override;
  RECT Location(long id) const override;

 private:
  std::vector<const Control*> Children() const;
  const Control& Child(long id) const { return *Children()[static_cast<std::size_t>(id - 1)]; }

  const Form& form_;
  const ControlPeers& peers_;
  const ScreenUnits& units_;
};

}  // namespace ombrelk
