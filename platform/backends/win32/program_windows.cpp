#include "platform/backends/win32/program_windows.h"

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

ProgramWindows::ProgramWindows(Program& program, Win32Platform& platform)
    : program_(program),
      platform_(platform),
      main_(program.frmMain, platform.ui, nullptr),
      version_(program.dlgVersion, platform.ui, main_.Window()) {
  main_.RealiseControls();
  version_.RealiseControls();
  main_.more_messages = [this](UINT message, WPARAM wparam, LPARAM /*lparam*/) {
    return MainWindowMessage(message, wparam);
  };
  platform.runtime.SetMenuOwner(main_.Window());
}

void ProgramWindows::RunStartUp(Program& program) {
  main_.HoldOffScreen(true);
  program.Start();
  main_.HoldOffScreen(false);
  main_.SetShowTakesFocus(false);
}

void ProgramWindows::WatchTheDay() {
  SetTimer(main_.Window(), kMidnightTimer, ToNextMidnight(), nullptr);
}

void ProgramWindows::DayMayHaveChanged() {
  WatchTheDay();
  program_.Clock_DayMayHaveChanged();
}

bool ProgramWindows::MainWindowMessage(UINT message, WPARAM wparam) {
  if (message == platform_.tray.TaskbarCreatedMessage()) {
    if (program_.has_tray) {
      platform_.tray.AddAgain();
    } else {
      program_.Tray_Appeared();
    }
    return true;
  }
  if ((message == WM_TIMER && wparam == kMidnightTimer) || message == WM_TIMECHANGE ||
      (message == WM_POWERBROADCAST && (wparam == kResumeAutomatic || wparam == kResumeSuspend))) {
    DayMayHaveChanged();
    return message != WM_POWERBROADCAST;  // Windows wants TRUE for those
  }
  if (message == WM_ENDSESSION && wparam != FALSE && !program_.Unloaded()) {
    // Windows ends the process when this message has been handled.
    program_.EndSession();
    return true;
  }
  return false;
}

}  // namespace ombrelk
