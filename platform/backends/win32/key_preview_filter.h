#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/backends/win32/focus_chain.h"
#include "platform/controls/form.h"

namespace ombrelk {

// A key press on its way from the message loop to the window that has the
// focus, as the form sees it first: key preview (the form's KeyDown, which
// swallows the key by setting its code to 0), then Tab and Shift+Tab, which
// move the focus, and Enter, which presses the push button that has it.
class KeyPreviewFilter {
 public:
  KeyPreviewFilter(Form& form, HWND window, const FocusChain& focus)
      : form_(form), window_(window), focus_(focus) {}

  // True when the key was used up here.
  bool Filter(const MSG& msg) const;

 private:
  Form& form_;
  HWND window_;
  const FocusChain& focus_;
};

}  // namespace ombrelk
