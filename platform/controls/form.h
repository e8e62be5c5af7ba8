#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls/control.h"
#include "platform/controls/menu.h"
#include "platform/controls/picture_ref.h"

namespace ombrelk {

enum class BorderStyle { FixedSingle = 1, FixedDialog = 3 };
enum class WindowState { Normal = 0, Minimized = 1 };

// A top-level window. Its bounds are the outer frame in twips, in screen
// coordinates; the controls are placed in its client area.
class Form : public Control {
 public:
  Form(std::string name) : Control(ControlKind::Form, std::move(name)) { SetVisible(false); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify(Property::Caption);
  }

  enum WindowState WindowState() const { return window_state_; }
  void SetWindowState(enum WindowState s) {
    if (s == window_state_) return;
    window_state_ = s;
    Notify(Property::WindowState);
  }

  // The window's handle as the platform knows it; a backend sets it when it
  // realises the window, and 0 stands for no window. A handle is 32 bits
  // wide: a Win32 HWND has only its low 32 bits significant, also in a 64-bit
  // process (the system keeps window handles within 32 bits so that 32- and
  // 64-bit programs can pass them to each other), and is got back by sign
  // extension. Other backends give out numbers of their own.
  std::int32_t hWnd() const { return hwnd_; }
  void SetHwnd(std::int32_t h) { hwnd_ = h; }

  // Asks the backend to give the keyboard focus to a control of this form, or
  // to the window itself when control is null.
  void SetFocus(Control* control = nullptr) {
    focus_ = control;
    Notify(Property::Focus);
  }
  Control* FocusRequest() const { return focus_; }

  // Layout, fixed before a backend attaches.
  float client_width = 0;
  float client_height = 0;
  BorderStyle border_style = BorderStyle::FixedSingle;
  bool min_button = false;
  bool max_button = false;
  bool key_preview = false;
  bool show_icon = true;
  PictureRef icon;
  // Every control, from the top of the stacking order to the bottom.
  std::vector<Control*> controls;
  // The order a screen reader walks the controls in; empty: the order of
  // controls. Those it leaves out, and those not shown to a reader, are not read.
  std::vector<Control*> reading_order;
  // Invisible top-level menus, opened only as pop-ups.
  std::vector<MenuItem*> menus;

  // KeyCode (a virtual-key code) may be set to 0 to swallow the key. Shift: 1
  // Shift, 2 Ctrl, 4 Alt. The codes and masks are in platform/controls/key_codes.h.
  std::function<void(std::int16_t& key_code, std::int16_t shift)> KeyDown;
  std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> MouseMove;
  std::function<void()> Resize;
  std::function<void()> Activate;
  // The user asked the window system to close the window (close button, window manager).
  std::function<void()> UserClose;

 private:
  std::string caption_;
  enum WindowState window_state_ = WindowState::Normal;
  std::int32_t hwnd_ = 0;
  Control* focus_ = nullptr;
};

}  // namespace ombrelk
