#pragma once

#include <cstdint>

namespace ombrelk {

// SetWindowPos's insert-after values and flags.
inline constexpr std::int32_t kHwndTop = 0;
inline constexpr std::int32_t kHwndTopMost = -1;
inline constexpr std::int32_t kHwndNoTopMost = -2;
inline constexpr std::uint32_t kSwpNoMove = 0x2;
inline constexpr std::uint32_t kSwpNoActivate = 0x10;
inline constexpr std::uint32_t kSwpShowWindow = 0x40;

// Window order and focus, in the window system's own terms: pixels, and
// window handles as platform/controls/form.h describes them.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual bool SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x,
                            std::int32_t y, std::int32_t cx, std::int32_t cy,
                            std::uint32_t flags) = 0;
  virtual std::int32_t GetForegroundWindow() = 0;
  virtual std::uint32_t GetWindowThreadProcessId(std::int32_t hwnd) = 0;
  virtual std::uint32_t GetCurrentThreadId() = 0;
  virtual bool AttachThreadInput(std::uint32_t attach, std::uint32_t attach_to, bool on) = 0;
  virtual bool SetForegroundWindow(std::int32_t hwnd) = 0;
  virtual float TwipsPerPixelX() = 0;
};

}  // namespace ombrelk
