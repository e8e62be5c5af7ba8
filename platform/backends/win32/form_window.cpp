#include "platform/backends/win32/form_window.h"

#include <string>

#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

namespace {

constexpr const wchar_t* kWindowClass = L"OmbrelkForm";

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(instance, kWindowClass, &wc)) return;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = nullptr;  // the window paints its whole client area
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
}

DWORD StyleOf(const Form& form) {
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (form.border_style == BorderStyle::FixedDialog) return style | WS_POPUP;
  if (form.min_button) style |= WS_MINIMIZEBOX;
  if (form.max_button) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD ExtendedStyleOf(const Form& form) {
  // A modal frame leaves the title bar without an icon.
  return form.border_style == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
}

}  // namespace

FormWindow::FormWindow(const Form& form, UiResources& ui, HWND owner) {
  RegisterWindowClass(ui.instance(), &FormWindow::WindowProc);
  const ScreenUnits& u = ui.units();
  RECT frame{0, 0, u.Pixels(form.client_width), u.Pixels(form.client_height)};
  AdjustWindowRectEx(&frame, StyleOf(form), FALSE, ExtendedStyleOf(form));
  const std::wstring caption = Wide(form.Caption());
  CreateWindowExW(ExtendedStyleOf(form), kWindowClass, caption.c_str(), StyleOf(form),
                  u.Pixels(form.Left()), u.Pixels(form.Top()), frame.right - frame.left,
                  frame.bottom - frame.top, owner, nullptr, ui.instance(), this);
  if (form.icon && form.show_icon) {
    HICON icon = ui.Icon(*form.icon);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
}

FormWindow::~FormWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->handler_ == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->handler_->Handle(message, wparam, lparam);
}

}  // namespace ombrelk
