#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/controls/control.h"
#include "platform/controls/label.h"

namespace ombrelk {

// A control's part of a window. A windowed control (button, combo box) has a
// child window of its own and is stacked above everything the form draws; a
// lightweight one (label, line, picture) has none: the form paints it, in
// stacking order, and hands it the mouse presses over it, as the forms
// toolkit does with its graphical controls.
class ChildPeer : public ControlPeer {
 public:
  // The control's own window, null for a lightweight control.
  virtual HWND Window() const { return nullptr; }
  // Paints a lightweight control onto the form's client area.
  virtual void Paint(HDC /*dc*/) {}
  // The label that takes a mouse press at this client point (pixels), if this is it.
  virtual Label* LabelAt(POINT /*pt*/) { return nullptr; }
  // A notification from the control's window (WM_COMMAND's code).
  virtual void Command(WORD /*code*/) {}
  // Draws an owner-drawn window; false for a control that draws itself.
  virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
};

}  // namespace ombrelk
