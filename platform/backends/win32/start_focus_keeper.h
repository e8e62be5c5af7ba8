#pragma once

#include "platform/backends/win32/win32_api.h"

namespace ombrelk {

// Keeps the keyboard with the calendar that start-up activated while the
// shell places the new tray icon. Wine's shell (as Debian 12 ships it)
// activates its own tray windows for a moment as it docks an icon, some time
// after the icon was added; the window manager still shows the calendar
// active, but keys go nowhere until a click. For a short while after start-up,
// an activation the shell's tray took with no key press or click since the
// calendar was activated is taken back. Windows' own shell never does this,
// and a user who clicks the taskbar gives the activation away as always.
class StartFocusKeeper {
 public:
  explicit StartFocusKeeper(HWND window) : window_(window) {}

  // From now on, for a few seconds, if the calendar window is the active one.
  void Arm();

  // True for the keeper's own timer and take-back messages; the activation
  // messages it watches go on to their usual handling.
  bool Take(UINT message, WPARAM wparam);

 private:
  bool NoInputSinceArmed() const;
  void Disarm();

  HWND window_;
  bool armed_ = false;
  DWORD input_at_arming_ = 0;
};

}  // namespace ombrelk
