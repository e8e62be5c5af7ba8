#include "platform/backends/win32/program_windows.h"

#include "platform/runtime_values/tray_notification.h"

namespace ombrelk {

ProgramWindows::ProgramWindows(Program& program, Win32Platform& platform)
    : program_(program),
      platform_(platform),
      main_(program.frmMain, platform.ui, nullptr),
      version_(program.dlgVersion, platform.ui, main_.Window()),
      tray_watch_(
          main_.Window(), platform.tray.TaskbarCreatedMessage(), [this] { TrayAppeared(); },
          [this](std::int32_t message) { TrayNotified(message); }),
      day_watch_(main_.Window(), [this] { program_.Clock_DayMayHaveChanged(); }),
      shutdown_requests_([this] { return SessionEnding(); }),
      start_focus_(main_.Window()) {
  main_.RealiseControls();
  version_.RealiseControls();
  main_.more_messages = [this](UINT message, WPARAM wparam, LPARAM lparam) {
    return MainWindowMessage(message, wparam, lparam);
  };
  platform.runtime.SetMenuOwner(main_.Window());
}

void ProgramWindows::RunStartUp(Program& program) {
  main_.HoldOffScreen(true);
  program.Start();
  main_.HoldOffScreen(false);
  main_.ActivateIfShown();
  start_focus_.Arm();
  main_.SetShowTakesFocus(false);
  if (!platform_.runtime.Ended()) {
    tray_watch_.RetryWhileMissing([this] { return !program_.state.has_tray; });
  }
}

void ProgramWindows::WatchTheDay() {
  day_watch_.Start();
}

bool ProgramWindows::MainWindowMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return tray_watch_.Take(message, wparam, lparam) || day_watch_.Take(message, wparam) ||
         shutdown_requests_.Take(message, wparam) || start_focus_.Take(message, wparam);
}

void ProgramWindows::TrayAppeared() {
  if (program_.state.has_tray) {
    platform_.tray.AddAgain();
  } else {
    program_.Tray_Appeared();
  }
}

void ProgramWindows::TrayNotified(std::int32_t message) {
  // The core reads the icon's notifications from the calendar's mouse-move
  // handler, the mouse message in the place of x.
  Form& form = program_.frmMain;
  if (form.MouseMove) {
    form.MouseMove(0, 0, TrayNotificationX(message, platform_.ui.units().twips_per_pixel), 0);
  }
}

bool ProgramWindows::SessionEnding() {
  if (program_.Unloaded()) return false;
  // Windows ends the process when this message has been handled.
  program_.EndSession();
  return true;
}

}  // namespace ombrelk
