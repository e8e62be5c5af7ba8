#pragma once

#include "platform/backends/win32/win32_api.h"

#include <optional>

#include "platform/backends/win32/ui_resources.h"
#include "platform/services/tray_area.h"

namespace ombrelk {

inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The notification area through Shell_NotifyIconW. The shell reports mouse
// activity on the icon to the window named in the record, the mouse message
// in lParam, by a message number of its own (kTrayCallbackMessage) rather
// than the record's WM_MOUSEMOVE, so that no real pointer move can pass for
// one; the calendar window hands it on as the move the core decodes. The
// icon is known to the shell by window and id alone (no GUID), so the
// program may be copied anywhere.
class Win32TrayArea : public TrayArea {
 public:
  explicit Win32TrayArea(UiResources& ui);
  ~Win32TrayArea() override;
  Win32TrayArea(const Win32TrayArea&) = delete;
  Win32TrayArea& operator=(const Win32TrayArea&) = delete;

  bool IsTrayAvailable() override;
  bool Shell_NotifyIcon(int message, const TrayIconRecord& record) override;

  // The message the taskbar broadcasts when it starts, or starts again after
  // Explorer ended; the icons it held are gone then.
  UINT TaskbarCreatedMessage() const { return taskbar_created_; }
  // Adds the icon that was shown again, after the taskbar came back.
  void AddAgain();
  // The day's page the shell was last given (null before the first), which
  // a long run's handle count depends on.
  HICON DayIcon() const { return day_icon_; }

 private:
  bool Notify(DWORD message, const TrayIconRecord& record);
  // The shell's icon for the record's picture: the program's pictures come
  // from the shared resources, a day's page is drawn here at the small-icon
  // size and kept while it is shown.
  HICON IconOf(std::int32_t icon);

  UiResources& ui_;
  UINT taskbar_created_;
  // The icon while it is shown.
  std::optional<TrayIconRecord> icon_;
  // The day's page the shell shows or was last given, and which it is. The
  // shell copies an icon it takes, so each new day's icon replaces this one
  // and this one is destroyed: over many days one icon handle stays in use.
  HICON day_icon_ = nullptr;
  std::int32_t day_icon_of_ = 0;
};

}  // namespace ombrelk
