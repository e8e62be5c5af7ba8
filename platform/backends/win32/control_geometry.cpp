#include "platform/backends/win32/control_geometry.h"

#include "platform/backends/win32/widget_host.h"

namespace ombrelk {

HWND CreateControlWindow(const wchar_t* window_class, DWORD style, const wchar_t* text,
                         const Control& control, WidgetHost& host) {
  const RECT r = host.ui().units().PixelRect(control.Bounds());
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control.Visible()) style |= WS_VISIBLE;
  return CreateWindowExW(0, window_class, text, style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, host.Window(), nullptr, host.ui().instance(), nullptr);
}

void ApplyGeometry(HWND window, const Control& control, WidgetHost& host) {
  const RECT r = host.ui().units().PixelRect(control.Bounds());
  SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
}

}  // namespace ombrelk
