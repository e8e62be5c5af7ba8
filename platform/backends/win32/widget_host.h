#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/backends/win32/ui_resources.h"
#include "platform/controls/control.h"

namespace ombrelk {

// What a control's widget needs from the window it lives in: the window as
// the parent of its own child window, the screen's units, fonts and
// pictures, the repainting of what it covers (a windowless control is drawn
// by the window), the showing of its tool tip and the news for a screen
// reader.
class WidgetHost {
 public:
  virtual HWND Window() const = 0;
  virtual UiResources& ui() = 0;

  // Repaints what lies under a windowless control.
  virtual void Invalidate(const Rect& twips) = 0;
  virtual void InvalidateAll() = 0;

  // Shows a control's new tip (an empty one hides it).
  virtual void ToolTipChanged(const Control& control) = 0;

  // Tells a listening screen reader that a windowless control was renamed
  // (Property::AccessibleName) or came into its view or left it.
  virtual void AccessibleChanged(const Control& control, Property what) = 0;

 protected:
  WidgetHost() = default;
  ~WidgetHost() = default;
  WidgetHost(const WidgetHost&) = default;
  WidgetHost& operator=(const WidgetHost&) = default;
};

}  // namespace ombrelk
