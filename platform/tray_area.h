#pragma once

#include <array>
#include <cstdint>

namespace ombrelk {

// The notification-icon record as the shell takes it (first ANSI version).
struct TrayIconRecord {
  std::uint32_t cbSize = 0;
  std::int32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::int32_t hIcon = 0;
  std::array<char, 64> szTip{};
};

inline constexpr int kNimAdd = 0;
inline constexpr int kNimDelete = 2;

// The notification area. Mouse activity on the icon comes back to the window
// named in the record as its mouse-move event, the mouse message in x.
class TrayArea {
 public:
  virtual ~TrayArea() = default;
  virtual bool IsTrayAvailable() = 0;
  virtual bool Shell_NotifyIcon(int message, const TrayIconRecord& record) = 0;
};

}  // namespace ombrelk
