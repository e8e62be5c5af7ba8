#include "shell/foreground.h"

#include "platform/services/window_system.h"

namespace ombrelk {

void ForceForeground(WindowSystem& ws, std::int32_t hwnd) {
  const std::int32_t foreground = ws.GetForegroundWindow();
  const std::uint32_t their_thread = ws.GetWindowThreadProcessId(foreground);
  const std::uint32_t our_thread = ws.GetCurrentThreadId();
  ws.AttachThreadInput(our_thread, their_thread, true);
  ws.SetForegroundWindow(hwnd);
  ws.AttachThreadInput(our_thread, their_thread, false);
}

}  // namespace ombrelk
