#include "platform/win32/program_windows.h"

namespace ombrelk {

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

bool ProgramWindows::MainWindowMessage(UINT message, WPARAM wparam) {
  if (message == platform_.tray.TaskbarCreatedMessage()) {
    platform_.tray.TaskbarCreated();
    return true;
  }
  if (message == WM_ENDSESSION && wparam != FALSE && !program_.frmMain.Unloaded()) {
    // Windows ends the process when this message has been handled.
    program_.frmMain.mnuEnd_Click();
    return true;
  }
  return false;
}

}  // namespace ombrelk
