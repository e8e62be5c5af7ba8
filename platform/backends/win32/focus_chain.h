#pragma once

#include "platform/backends/win32/win32_api.h"

#include <vector>

namespace ombrelk {

// The keyboard focus among a window's controls, kept as the dialog manager
// keeps it: Tab and Shift+Tab step through the controls in tab order, past
// hidden and disabled ones and round the end; the control that had the focus
// when the window lost the activation gets it back when the window is
// activated again.
class FocusChain {
 public:
  explicit FocusChain(HWND window) : window_(window) {}

  // Adds the next control in tab order; the first has the focus when the
  // window first takes it.
  void Add(HWND control);

  // Moves the focus to the next usable control (step 1) or the one before (-1).
  void Step(int step) const;

  // Gives the focus to a control now if the window is active, else when it is.
  void Focus(HWND control);

  // WM_ACTIVATE and WM_SETFOCUS; true when the message was one of them.
  bool Take(UINT message, WPARAM wparam);

  // Gives the focus to the control that last had it, the first in tab order
  // at first.
  void Restore() const;

 private:
  HWND window_;
  // Windowed controls that take the focus, in tab order.
  std::vector<HWND> tab_order_;
  HWND saved_ = nullptr;
};

}  // namespace ombrelk
