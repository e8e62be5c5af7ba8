#include "platform/backends/win32/win32_desktop_shell.h"

#include "platform/backends/win32/win32_api.h"

#include <array>

#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

void Win32DesktopShell::ShellExecute(std::int32_t owner, const std::string& file,
                                     int show_command) {
  // No verb: the default action of whatever the address is registered with.
  ShellExecuteW(HwndOf(owner), nullptr, Wide(file).c_str(), nullptr, nullptr, show_command);
}

int Win32DesktopShell::MessageBox(const std::string& text, int style, const std::string& title) {
  return MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(), static_cast<UINT>(style));
}

std::chrono::year_month_day Win32Clock::Today() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return std::chrono::year{now.wYear} / std::chrono::month{now.wMonth} / std::chrono::day{now.wDay};
}

std::string Win32Clock::ShortDateText() const {
  std::array<wchar_t, 80> text{};
  const int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text.data(),
                               static_cast<int>(text.size()));
  return n > 1 ? Utf8({text.data(), static_cast<std::size_t>(n - 1)}) : std::string();
}

}  // namespace ombrelk
