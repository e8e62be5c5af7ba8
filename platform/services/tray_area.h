#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ombrelk {

// The notification-icon record as the shell takes it (first ANSI version).
// hWnd is a window handle as platform/controls/form.h describes it; hIcon carries the
// PictureId of the icon, from which each backend makes its own icon.
struct TrayIconRecord {
  std::uint32_t cbSize = 0;
  std::int32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::int32_t hIcon = 0;
  std::array<char, 64> szTip{};
};

// Shell_NotifyIcon's messages.
inline constexpr int kNimAdd = 0;
inline constexpr int kNimModify = 1;
inline constexpr int kNimDelete = 2;

// The record's size in its first version, its one icon's id, and which of
// its fields count (uFlags).
inline constexpr std::uint32_t kTrayIconRecordSize = 88;
inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

// The window messages of tray notifications: the callback message the record
// names, and the mouse messages it carries in x.
inline constexpr std::uint32_t kWmMouseMove = 0x200;
inline constexpr std::int32_t kWmLButtonDblClk = 0x203;
inline constexpr std::int32_t kWmRButtonDown = 0x204;

// The record of the program's one icon: its window, its picture and its tip,
// mouse activity coming back as the window's mouse moves. The tip is cut so
// that its terminating NUL always fits.
TrayIconRecord MakeTrayIconRecord(std::int32_t hwnd, std::int32_t icon, std::string_view tip);

// The tip's text, up to its NUL (all 64 bytes when a record has none).
std::string_view TrayTipText(const TrayIconRecord& record);

// The notification area. Mouse activity on the icon comes back to the window
// named in the record as its mouse-move event, the mouse message in x.
class TrayArea {
 public:
  virtual ~TrayArea() = default;
  virtual bool IsTrayAvailable() = 0;
  virtual bool Shell_NotifyIcon(int message, const TrayIconRecord& record) = 0;
};

}  // namespace ombrelk
