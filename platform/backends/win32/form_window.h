#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/backends/win32/ui_resources.h"
#include "platform/controls/form.h"

namespace ombrelk {

// A top-level window of the forms' own window class, made as the form asks:
// its client area the form's size, its frame where the form is, a fixed
// single border with the program's icon and the buttons the form wants, or a
// fixed dialog border without icon. Its messages go to the handler while one
// is set; before (while the window is being made) and after, to the default
// handling.
class FormWindow {
 public:
  class Handler {
   public:
    virtual LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) = 0;

   protected:
    Handler() = default;
    ~Handler() = default;
    Handler(const Handler&) = default;
    Handler& operator=(const Handler&) = default;
  };

  // owner: the window that owns this one (a dialog's), or null.
  FormWindow(const Form& form, UiResources& ui, HWND owner);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // handler: null for the default handling.
  void SetHandler(Handler* handler) { handler_ = handler; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  Handler* handler_ = nullptr;
};

}  // namespace ombrelk
