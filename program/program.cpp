#include "program/program.h"

#include <utility>

#include "about/version_menu.h"
#include "shell/day_change.h"
#include "shell/login_option.h"
#include "shell/startup_shutdown.h"
#include "shell/tray_icon.h"
#include "shell/window_options.h"

namespace ombrelk {

Program::Program(const Services& services, FilePath settings_file)
    : sys(services), frmMain(state, sys), dlgVersion(state, frmMain, sys) {
  state.settings_file = std::move(settings_file);
  ConnectHandlers();
}

void Program::ConnectHandlers() {
  FrmMain& f = frmMain;
  f.MouseMove = [this](std::int16_t b, std::int16_t s, float x, float y) {
    Form_MouseMove(frmMain, sys, b, s, x, y);
  };
  f.Resize = [this] { Form_Resize(state, frmMain); };
  f.UserClose = [this] { Form_UserClose(state, frmMain, sys); };
  f.mnuEnd.Click = [this] { mnuEnd_Click(state, frmMain, sys); };
  f.mnuDisp.Click = [this] { mnuDisp_Click(frmMain, sys.windows); };
  f.mnuFormTop.Click = [this] { mnuFormTop_Click(state, frmMain, sys.windows); };
  f.mnuFormShow.Click = [this] { mnuFormShow_Click(state, frmMain); };
  f.mnuFormLaw.Click = [this] { mnuFormLaw_Click(state, frmMain, sys.clock); };
  f.mnuFormReki.Click = [this] { mnuFormReki_Click(state, frmMain, sys.clock); };
  f.mnuFormIcon.Click = [this] { mnuFormIcon_Click(state, frmMain, sys); };
  f.mnuFormLogin.Click = [this] { mnuFormLogin_Click(frmMain, sys); };
  f.mnuVersion.Click = [this] { mnuVersion_Click(state, frmMain, dlgVersion, sys.runtime); };
}

void Program::Start() {
  Form_Load(state, frmMain, sys);
  // The login entry's mark comes from the system, not from the settings.
  ShowLoginStart(frmMain, sys.login);
}

void Program::Tray_Appeared() {
  ombrelk::Tray_Appeared(state, frmMain, sys);
}

void Program::Tray_Vanished() {
  ombrelk::Tray_Vanished(state, frmMain, sys);
}

void Program::EndSession() {
  ombrelk::EndSession(state, frmMain, sys);
}

void Program::Clock_DayMayHaveChanged() {
  ombrelk::Clock_DayMayHaveChanged(state, frmMain, sys);
}

}  // namespace ombrelk
