#include "platform/backends/win32/win32_window_system.h"

#include "platform/backends/win32/form_peer.h"
#include "platform/backends/win32/win32_handles.h"

namespace ombrelk {

bool Win32WindowSystem::SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x,
                                     std::int32_t y, std::int32_t cx, std::int32_t cy,
                                     std::uint32_t flags) {
  HWND window = HwndOf(hwnd);
  // The start-up's z-order call shows the window, as the form says; while the
  // start-up holds the window off screen it takes only its place and band,
  // and comes on screen once, activated, when the start-up ends.
  const FormPeer* peer = FormPeer::Of(window);
  if (peer != nullptr && peer->HeldOffScreen()) {
    flags &= ~static_cast<std::uint32_t>(SWP_SHOWWINDOW);
  }
  return ::SetWindowPos(window, HwndOf(insert_after), x, y, cx, cy, flags | SWP_NOSIZE) != FALSE;
}

std::int32_t Win32WindowSystem::GetForegroundWindow() {
  return HandleOf(::GetForegroundWindow());
}

std::uint32_t Win32WindowSystem::GetWindowThreadProcessId(std::int32_t hwnd) {
  return ::GetWindowThreadProcessId(HwndOf(hwnd), nullptr);
}

std::uint32_t Win32WindowSystem::GetCurrentThreadId() {
  return ::GetCurrentThreadId();
}

bool Win32WindowSystem::AttachThreadInput(std::uint32_t attach, std::uint32_t attach_to, bool on) {
  return ::AttachThreadInput(attach, attach_to, on ? TRUE : FALSE) != FALSE;
}

bool Win32WindowSystem::SetForegroundWindow(std::int32_t hwnd) {
  return ::SetForegroundWindow(HwndOf(hwnd)) != FALSE;
}

}  // namespace ombrelk
