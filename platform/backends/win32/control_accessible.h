#pragma once

#include "platform/backends/win32/accessible_object.h"
#include "platform/controls/control.h"

namespace ombrelk {

// Makes a control's own window (a picture button, the weekday list) answer a
// screen reader with the model's name and the role given, where Windows'
// standard object would read an owner-drawn button's empty text and name a
// combo box by nothing. The window is subclassed while this lives.
class ControlAccessible {
 public:
  ControlAccessible(HWND window, const Control& control, long role);
  ~ControlAccessible();
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  // Tells a listening reader that the model renamed the control.
  void NameChanged() const;

 private:
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR self);
  void Release();

  HWND window_;
  AccessibleObject* object_;
};

}  // namespace ombrelk
