#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>

#include "platform/tray_area.h"
#include "platform/win32/ui_resources.h"

namespace ombrelk {

// The notification area through Shell_NotifyIconW. The shell reports mouse
// activity on the icon to the window named in the record as its callback
// message (WM_MOUSEMOVE), the mouse message in the place of x, which is what
// the calendar's mouse-move handler decodes. The icon is known to the shell
// by window and id alone (no GUID), so the program may be copied anywhere.
class Win32TrayArea : public TrayArea {
 public:
  explicit Win32TrayArea(UiResources& ui);

  bool IsTrayAvailable() override;
  bool Shell_NotifyIcon(int message, const TrayIconRecord& record) override;

  // Where no tray was found at start-up, the calendar's icon waits for one:
  // it is added when the taskbar comes.
  void AddWhenTrayAppears(std::int32_t hwnd, const std::string& tip);

  // The message the taskbar broadcasts when it (re)starts.
  UINT TaskbarCreatedMessage() const { return taskbar_created_; }
  // The taskbar came, or came back after Explorer restarted: the icon that
  // was shown, or waited for a tray, is added (again).
  void TaskbarCreated();

 private:
  bool Notify(DWORD message, const TrayIconRecord& record);

  UiResources& ui_;
  UINT taskbar_created_;
  // The icon while it is shown or waits for a tray.
  std::optional<TrayIconRecord> icon_;
};

}  // namespace ombrelk
