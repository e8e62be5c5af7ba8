#include "platform/backends/win32/focus_chain.h"

#include <algorithm>

namespace ombrelk {

void FocusChain::Add(HWND control) {
  if (tab_order_.empty()) saved_ = control;
  tab_order_.push_back(control);
}

void FocusChain::Step(int step) const {
  std::vector<HWND> usable;
  for (HWND w : tab_order_) {
    if (IsWindowVisible(w) && IsWindowEnabled(w)) usable.push_back(w);
  }
  if (usable.empty()) return;
  const auto n = static_cast<int>(usable.size());
  const auto at = std::find(usable.begin(), usable.end(), GetFocus());
  int next = at == usable.end() ? 0 : static_cast<int>(at - usable.begin()) + step;
  next = (next % n + n) % n;
  SetFocus(usable[static_cast<std::size_t>(next)]);
}

void FocusChain::Focus(HWND control) {
  saved_ = control;
  if (GetActiveWindow() == window_) SetFocus(saved_);
}

void FocusChain::Restore() const {
  if (saved_ != nullptr && IsWindowVisible(saved_)) {
    SetFocus(saved_);
  } else {
    SetFocus(window_);
  }
}

bool FocusChain::Take(UINT message, WPARAM wparam) {
  if (message == WM_ACTIVATE) {
    if (LOWORD(wparam) == WA_INACTIVE) {
      HWND focus = GetFocus();
      if (focus != nullptr && IsChild(window_, focus)) saved_ = focus;
    } else if (HIWORD(wparam) == 0) {  // not while minimised
      Restore();
    }
    return true;
  }
  if (message == WM_SETFOCUS) {
    if (saved_ != nullptr && IsWindowVisible(saved_)) SetFocus(saved_);
    return true;
  }
  return false;
}

}  // namespace ombrelk
