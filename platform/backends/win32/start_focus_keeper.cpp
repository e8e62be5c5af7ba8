#include "platform/backends/win32/start_focus_keeper.h"

namespace ombrelk {

namespace {

constexpr UINT_PTR kStartFocusTimer = 3;
constexpr UINT kTakeFocusBack = WM_APP + 2;
// Wine's shell docks an icon within a fraction of a second, on a busy
// machine within a few seconds.
constexpr UINT kWatchMilliseconds = 10000;

DWORD LastInputTime() {
  LASTINPUTINFO info{};
  info.cbSize = sizeof(info);
  return GetLastInputInfo(&info) != FALSE ? info.dwTime : 0;
}

// No window is active, or one of the shell's tray thread is: the shell took
// the activation, not another program.
bool ShellHoldsActivation() {
  HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) return true;
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  return tray != nullptr &&
         GetWindowThreadProcessId(foreground, nullptr) == GetWindowThreadProcessId(tray, nullptr);
}

}  // namespace

void StartFocusKeeper::Arm() {
  if (GetActiveWindow() != window_) return;
  armed_ = true;
  input_at_arming_ = LastInputTime();
  SetTimer(window_, kStartFocusTimer, kWatchMilliseconds, nullptr);
}

bool StartFocusKeeper::NoInputSinceArmed() const {
  return LastInputTime() == input_at_arming_;
}

void StartFocusKeeper::Disarm() {
  armed_ = false;
  KillTimer(window_, kStartFocusTimer);
}

bool StartFocusKeeper::Take(UINT message, WPARAM wparam) {
  if (message == WM_TIMER && wparam == kStartFocusTimer) {
    Disarm();
    return true;
  }
  if (message == kTakeFocusBack) {
    if (!armed_ || !NoInputSinceArmed() || IsWindowVisible(window_) == FALSE) return true;
    if (ShellHoldsActivation()) {
      SetForegroundWindow(window_);
    } else {
      Disarm();
    }
    return true;
  }
  // Wine names no thread in lparam: who holds the activation is asked once
  // the change has been made.
  if (message == WM_ACTIVATEAPP && wparam == FALSE && armed_) {
    if (NoInputSinceArmed()) {
      PostMessageW(window_, kTakeFocusBack, 0, 0);
    } else {
      Disarm();
    }
  }
  return false;
}

}  // namespace ombrelk
