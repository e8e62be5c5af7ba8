#include "platform/backends/win32/win32_clock.h"

#include "platform/backends/win32/win32_api.h"

#include <array>

#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

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
