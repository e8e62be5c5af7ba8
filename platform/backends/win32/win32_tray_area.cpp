#include "platform/backends/win32/win32_tray_area.h"

#include <algorithm>

#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_pictures.h"
#include "platform/backends/win32/win32_text.h"
#include "view/pictures/app_icon_drawing.h"
#include "view/pictures/pictures.h"
#include "view/pictures/tray_picture.h"

namespace ombrelk {

Win32TrayArea::Win32TrayArea(UiResources& ui)
    : ui_(ui), taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {}

Win32TrayArea::~Win32TrayArea() {
  if (day_icon_ != nullptr) DestroyIcon(day_icon_);
}

HICON Win32TrayArea::IconOf(std::int32_t icon) {
  const auto day = DayOfIcon(icon);
  if (!day) return ui_.Icon(static_cast<PictureId>(icon));
  if (day_icon_ != nullptr && day_icon_of_ == icon) return day_icon_;
  // The size the taskbar shows its icons at, for the system's DPI.
  const int size = std::clamp(GetSystemMetrics(SM_CXSMICON), kSmallestAppIcon, kLargestAppIcon);
  return MakeIconFromImage(DrawAppIcon(size, day), true);
}

bool Win32TrayArea::IsTrayAvailable() {
  return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
}

bool Win32TrayArea::Notify(DWORD message, const TrayIconRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = HwndOf(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
  data.uCallbackMessage = kTrayCallbackMessage;
  // The record names one of the program's pictures; the shell takes an icon.
  data.hIcon = IconOf(record.hIcon);
  const std::wstring tip = Wide(TrayTipText(record));
  const std::size_t n = std::min(tip.size(), std::size(data.szTip) - 1);
  std::copy_n(tip.begin(), n, data.szTip);
  const bool ok = Shell_NotifyIconW(message, &data) != FALSE;
  // A new day's page replaces the last one, which the shell no longer needs.
  if (DayOfIcon(record.hIcon) && data.hIcon != day_icon_) {
    if (day_icon_ != nullptr) DestroyIcon(day_icon_);
    day_icon_ = data.hIcon;
    day_icon_of_ = record.hIcon;
  }
  return ok;
}

bool Win32TrayArea::Shell_NotifyIcon(int message, const TrayIconRecord& record) {
  const bool ok = Notify(static_cast<DWORD>(message), record);
  // The icon added again after the taskbar restarts is the latest one.
  if (message == kNimAdd || (message == kNimModify && icon_)) icon_ = record;
  if (message == kNimDelete) icon_.reset();
  return ok;
}

void Win32TrayArea::AddAgain() {
  if (icon_) Notify(NIM_ADD, *icon_);
}

}  // namespace ombrelk
