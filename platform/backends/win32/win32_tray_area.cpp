#include "platform/backends/win32/win32_tray_area.h"

#include <algorithm>

#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_text.h"
#include "view/pictures/pictures.h"

namespace ombrelk {

Win32TrayArea::Win32TrayArea(UiResources& ui)
    : ui_(ui), taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {}

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
  data.hIcon = ui_.Icon(static_cast<PictureId>(record.hIcon));
  const std::wstring tip = Wide(TrayTipText(record));
  const std::size_t n = std::min(tip.size(), std::size(data.szTip) - 1);
  std::copy_n(tip.begin(), n, data.szTip);
  return Shell_NotifyIconW(message, &data) != FALSE;
}

bool Win32TrayArea::Shell_NotifyIcon(int message, const TrayIconRecord& record) {
  const bool ok = Notify(static_cast<DWORD>(message), record);
  if (message == kNimAdd) icon_ = record;
  if (message == kNimDelete) icon_.reset();
  return ok;
}

void Win32TrayArea::AddAgain() {
  if (icon_) Notify(NIM_ADD, *icon_);
}

}  // namespace ombrelk
