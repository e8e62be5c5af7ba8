#pragma once

#include "platform/backends/qt/window_registry.h"
#include "platform/services/window_system.h"

namespace ombrelk {

// Window order and focus for the realised windows. The thread calls have
// nothing to join on this desktop: one thread owns every window of the
// program, and the window manager decides about foreign windows.
class QtWindowSystem : public WindowSystem {
 public:
  explicit QtWindowSystem(WindowRegistry& windows) : windows_(windows) {}

  bool SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
  std::int32_t GetForegroundWindow() override;
  std::uint32_t GetWindowThreadProcessId(std::int32_t hwnd) override;
  std::uint32_t GetCurrentThreadId() override;
  bool AttachThreadInput(std::uint32_t attach, std::uint32_t attach_to, bool on) override;
  bool SetForegroundWindow(std::int32_t hwnd) override;
  float TwipsPerPixelX() override;

 private:
  WindowRegistry& windows_;
};

}  // namespace ombrelk
