#include "platform/services/tray_area.h"

#include <algorithm>
#include <cstring>

namespace ombrelk {

TrayIconRecord MakeTrayIconRecord(std::int32_t hwnd, std::int32_t icon, std::string_view tip) {
  TrayIconRecord record;
  record.cbSize = kTrayIconRecordSize;
  record.hWnd = hwnd;
  record.uID = kTrayIconId;
  record.uFlags = kNifMessage | kNifIcon | kNifTip;
  record.uCallbackMessage = kWmMouseMove;
  record.hIcon = icon;
  const std::size_t n = std::min(tip.size(), record.szTip.size() - 1);
  std::copy_n(tip.begin(), n, record.szTip.begin());
  return record;  // the bytes after the tip stay zero: its NUL among them
}

std::string_view TrayTipText(const TrayIconRecord& record) {
  const auto& tip = record.szTip;
  const void* nul = std::memchr(tip.data(), '\0', tip.size());
  const auto length = nul != nullptr ? static_cast<const char*>(nul) - tip.data()
                                     : static_cast<std::ptrdiff_t>(tip.size());
  return {tip.data(), static_cast<std::size_t>(length)};
}

}  // namespace ombrelk
