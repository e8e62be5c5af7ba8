#include "platform/backends/win32/day_watch.h"

#include <utility>

namespace ombrelk {

namespace {

constexpr UINT_PTR kMidnightTimer = 1;
constexpr WPARAM kResumeAutomatic = 0x12;  // PBT_APMRESUMEAUTOMATIC
constexpr WPARAM kResumeSuspend = 0x7;     // PBT_APMRESUMESUSPEND

// Milliseconds from now to one second past the next local midnight.
UINT ToNextMidnight() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const UINT passed =
      ((now.wHour * 60U + now.wMinute) * 60U + now.wSecond) * 1000U + now.wMilliseconds;
  constexpr UINT kDay = 24U * 60U * 60U * 1000U;
  return kDay - passed + 1000U;
}

}  // namespace

DayWatch::DayWatch(HWND window, std::function<void()> changed)
    : window_(window), changed_(std::move(changed)) {}

void DayWatch::Start() const {
  SetTimer(window_, kMidnightTimer, ToNextMidnight(), nullptr);
}

bool DayWatch::Take(UINT message, WPARAM wparam) const {
  const bool resumed =
      message == WM_POWERBROADCAST && (wparam == kResumeAutomatic || wparam == kResumeSuspend);
  if (!(message == WM_TIMER && wparam == kMidnightTimer) && message != WM_TIMECHANGE && !resumed) {
    return false;
  }
  Start();
  changed_();
  return !resumed;
}

}  // namespace ombrelk
