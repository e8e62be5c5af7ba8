#include "platform/backends/win32/tray_watch.h"

#include <utility>

#include "platform/backends/win32/win32_tray_area.h"

namespace ombrelk {

namespace {

// The midnight timer is 1.
constexpr UINT_PTR kTrayRetryTimer = 2;
constexpr UINT kRetryMilliseconds = 3000;
constexpr int kRetries = 40;  // two minutes

}  // namespace

TrayWatch::TrayWatch(HWND window, UINT taskbar_created, std::function<void()> appeared,
                     std::function<void(std::int32_t)> notified)
    : window_(window),
      taskbar_created_(taskbar_created),
      appeared_(std::move(appeared)),
      notified_(std::move(notified)) {}

void TrayWatch::RetryWhileMissing(std::function<bool()> missing) {
  missing_ = std::move(missing);
  if (!missing_()) return;
  retries_left_ = kRetries;
  SetTimer(window_, kTrayRetryTimer, kRetryMilliseconds, nullptr);
}

void TrayWatch::Retry() {
  if (missing_()) appeared_();
  if (!missing_() || --retries_left_ <= 0) KillTimer(window_, kTrayRetryTimer);
}

bool TrayWatch::Take(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && wparam == kTrayRetryTimer) {
    Retry();
    return true;
  }
  if (message == kTrayCallbackMessage) {
    notified_(static_cast<std::int32_t>(LOWORD(lparam)));
    return true;
  }
  if (message != taskbar_created_) return false;
  appeared_();
  return true;
}

}  // namespace ombrelk
