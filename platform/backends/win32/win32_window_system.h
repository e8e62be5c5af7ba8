#pragma once

#include "platform/backends/win32/ui_resources.h"
#include "platform/services/window_system.h"

namespace ombrelk {

// Window order and focus: the user32 and kernel32 calls themselves.
class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(const UiResources& ui) : ui_(ui) {}

  // The program's windows keep their fixed size: only the place and the
  // z-order are taken.
  bool SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
  std::int32_t GetForegroundWindow() override;
  std::uint32_t GetWindowThreadProcessId(std::int32_t hwnd) override;
  std::uint32_t GetCurrentThreadId() override;
  bool AttachThreadInput(std::uint32_t attach, std::uint32_t attach_to, bool on) override;
  bool SetForegroundWindow(std::int32_t hwnd) override;
  float TwipsPerPixelX() override { return ui_.units().twips_per_pixel; }

 private:
  const UiResources& ui_;
};

}  // namespace ombrelk
