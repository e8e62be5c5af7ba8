#pragma once

#include "platform/backends/win32/win32_api.h"

#include <functional>
#include <optional>

#include "platform/backends/win32/control_peers.h"
#include "platform/backends/win32/focus_chain.h"
#include "platform/backends/win32/form_accessible.h"
#include "platform/backends/win32/form_window.h"
#include "platform/backends/win32/key_preview_filter.h"
#include "platform/backends/win32/label_mouse.h"
#include "platform/backends/win32/tool_tips.h"
#include "platform/backends/win32/ui_resources.h"
#include "platform/backends/win32/widget_host.h"
#include "platform/controls/form.h"

namespace ombrelk {

// Keeps a top-level window and its form in step. The form is the truth: its
// changes move, show, hide, restore and retitle the window. What Windows does
// to the window (the user drags or minimises it) is written back into the
// form, which notifies only real changes, so nothing echoes.
//
// Its controls are child windows (buttons, combo boxes) or are drawn by the
// window itself (labels, lines, pictures); the window hands each message to
// the part that keeps it: the controls, the mouse over the windowless ones,
// the focus, or the frame, which is this peer's own.
class FormPeer : public ControlPeer, public WidgetHost, private FormWindow::Handler {
 public:
  // owner: the window that owns this one (a dialog's), or null.
  FormPeer(Form& form, UiResources& ui, HWND owner);
  ~FormPeer() override;
  FormPeer(const FormPeer&) = delete;
  FormPeer& operator=(const FormPeer&) = delete;

  // The peer of one of the program's top-level windows, else null.
  static FormPeer* Of(HWND window);

  HWND Window() const override { return window_; }
  UiResources& ui() override { return ui_; }
  Form& form() { return form_; }

  // Makes a peer for every control, stacks the windowed ones as the form
  // lists them (top first) and gives the focus to the first in tab order.
  void RealiseControls();

  void PropertyChanged(Property what) override;

  // While held, the window stays off screen whatever the form says; when let
  // go, it takes the form's visibility, so a start-up that shows and hides
  // the window as it reads the settings brings it on screen once.
  void HoldOffScreen(bool hold);
  bool HeldOffScreen() const { return held_; }
  // Whether showing the window activates it: the program's first window does
  // as it comes up; later the calendar comes back from the tray without
  // taking the focus, unless the program asks for the foreground.
  void SetShowTakesFocus(bool takes) { show_takes_focus_ = takes; }
  // Makes a window on screen the active one with the focus on its control,
  // as the forms runtime does for the start-up window when its load handler
  // ends: whatever showed it during the load (a z-order change that must not
  // activate) left it inactive.
  void ActivateIfShown();

  // The form's view of a key press on its way to the window that has the
  // focus: key preview, then Tab and Enter as a dialog takes them. True when
  // the key was used up here.
  bool PreviewKey(const MSG& msg) const { return keys_.Filter(msg); }

  void ToolTipChanged(const Control& control) override { tips_.Changed(control); }
  void AccessibleChanged(const Control& control, Property what) override;
  void Invalidate(const Rect& twips) override;
  void InvalidateAll() override;

  // Messages this window handles beyond the form's own (the calendar window's
  // tray and session messages); returns true for a message it took.
  std::function<bool(UINT message, WPARAM wparam, LPARAM lparam)> more_messages;

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  std::optional<LRESULT> FrameMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void ApplyPosition();
  void ApplyVisible();
  void ApplyWindowState();
  void ApplyFocus();
  void FrameChanged();
  void SizeChanged(WPARAM kind);
  void Close();
  void DisconnectReaders();

  Form& form_;
  UiResources& ui_;
  FormWindow form_window_;
  HWND window_;
  ControlPeers peers_;
  FocusChain focus_;
  KeyPreviewFilter keys_;
  ToolTips tips_;
  LabelMouse mouse_;
  // What a screen reader finds in the client area; one for the window's
  // life, cut off from readers before the window goes.
  FormAccessible* accessible_;
  bool writing_back_ = false;
  bool show_takes_focus_ = true;
  bool held_ = false;
};

}  // namespace ombrelk
