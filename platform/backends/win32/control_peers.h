#pragma once

#include "platform/backends/win32/win32_api.h"

#include <map>
#include <memory>
#include <optional>

#include "platform/backends/win32/child_peer.h"
#include "platform/backends/win32/widget_host.h"
#include "platform/controls/form.h"

namespace ombrelk {

// The peers of a form's controls, made once for every control that has one
// and found by control or by child window. The windowed ones are stacked as
// the form lists them; the windowless ones (labels, lines, pictures) are
// painted by the form's window in the same order and hit-tested from the top
// down.
class ControlPeers {
 public:
  explicit ControlPeers(const Form& form) : form_(form) {}

  void Make(WidgetHost& host);

  ChildPeer* Of(const Control& control) const;
  // The control's own window, null for a windowless control.
  HWND WindowOf(const Control& control) const;

  // A child window's notification (WM_COMMAND, WM_DRAWITEM) handed to its
  // peer: the result, or nothing when no peer took it.
  std::optional<LRESULT> Notification(UINT message, WPARAM wparam, LPARAM lparam) const;

  // The visible label at a client point (pixels) that takes the mouse there.
  Label* LabelAt(POINT pt) const;

  // Paints the window's whole client area: the face, then the windowless
  // controls from the bottom up (WM_PAINT).
  void Paint(HWND window) const;

 private:
  ChildPeer* OfWindow(HWND child) const;

  const Form& form_;
  std::map<const Control*, std::unique_ptr<ChildPeer>> peers_;
};

}  // namespace ombrelk
