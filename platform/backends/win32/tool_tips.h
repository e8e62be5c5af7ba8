#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/backends/win32/control_peers.h"
#include "platform/backends/win32/ui_resources.h"
#include "platform/controls/form.h"

namespace ombrelk {

// The tool tips of a form's controls, in one tool tip window that the form's
// window owns. A windowed control's tip follows its window, a label's its
// rectangle of the client area. The window is made with the first tip.
class ToolTips {
 public:
  ToolTips(HWND window, UiResources& ui, const ControlPeers& peers)
      : window_(window), ui_(ui), peers_(peers) {}
  ~ToolTips();
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  // A tip for every control that has one, or may have one later: a label
  // that follows the pointer may change its tip as it moves.
  void Add(const Form& form);

  // Shows a control's new tip at once (an empty one hides it).
  void Changed(const Control& control);

 private:
  TOOLINFOW ToolOf(const Control& control) const;

  HWND window_;
  UiResources& ui_;
  const ControlPeers& peers_;
  HWND tips_ = nullptr;
};

}  // namespace ombrelk
