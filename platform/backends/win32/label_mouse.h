#pragma once

#include "platform/backends/win32/win32_api.h"

#include <optional>

#include "platform/backends/win32/control_peers.h"
#include "platform/backends/win32/ui_resources.h"

namespace ombrelk {

// The mouse over a form's client area, handed on as the forms toolkit hands
// it to its windowless controls: a press goes to the topmost visible label
// under the pointer, and a left press held until its release over the same
// label clicks it; a move goes to the label held pressed, or else to the
// label under the pointer. Over a label with a pointer of its own, that
// pointer shows.
class LabelMouse {
 public:
  LabelMouse(HWND window, UiResources& ui, const ControlPeers& peers)
      : window_(window), ui_(ui), peers_(peers) {}

  // The mouse messages and WM_SETCURSOR: the result, or nothing for a
  // message left to the default handling.
  std::optional<LRESULT> Take(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void Press(UINT message, WPARAM wparam, LPARAM lparam);
  void Move(WPARAM wparam, LPARAM lparam) const;
  void Release(LPARAM lparam);
  bool SetLabelCursor() const;

  HWND window_;
  UiResources& ui_;
  const ControlPeers& peers_;
  Label* pressed_ = nullptr;
};

}  // namespace ombrelk
