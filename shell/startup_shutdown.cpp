#include "calendar/today.h"
#include "platform/services/desktop_shell.h"
#include "platform/services/runtime.h"
#include "settings/settings_file.h"
#include "shell/program.h"
#include "view/month_view.h"

namespace ombrelk {

namespace {

constexpr float kMainWindowWidth = 2775;

// The single-instance check runs on the Windows 95 line, as it always did, and
// on systems without Windows platform ids, where the desktop keeps one
// calendar per user.
bool ChecksForAnotherInstance(Runtime& runtime) {
  const auto platform_id = runtime.GetPlatformId();
  return !platform_id.has_value() || *platform_id == kVerPlatformWin32Windows;
}

// The calendar window comes on screen when its load handler ends, as a
// program's start-up window does, unless start-up sent it to the tray: the
// settings said it was hidden at the last exit ("MODE_MIN :1") or is not to be
// shown at start (ModeShow 0). Whatever showed the window on the way (the
// always-on-top call, "MODE_MIN :0") has shown it already.
void ShowUnlessSentToTray(const Program& app, FrmMain& frm) {
  if (frm.Visible()) return;
  const bool sent_to_tray = app.has_tray && (app.ModeMin == 1 || app.ModeShow == 0);
  if (!sent_to_tray) frm.SetVisible(true);
}

}  // namespace

void FrmMain::Form_Load() {
  Runtime& runtime = app_.sys.runtime;
  if (ChecksForAnotherInstance(runtime) && runtime.PrevInstance()) {
    app_.sys.shell.MessageBox("起動済みです。", kMbIconExclamation, "Ombrelk");
    runtime.EndProgram();
    return;
  }
  app_.Loading = true;
  app_.has_tray = app_.sys.tray.IsTrayAvailable();
  LoadSettings(app_);
  RefreshToday(app_.today, app_.sys.clock);
  SetCaption(TodayCaption(app_.today));
  cboWDay.SetListIndex(app_.StartWeekday - 1);  // draws the month through cboWDay_Click
  ShowMonth(app_, 0);
  SetWidth(kMainWindowWidth);
  AddTrayIcon();
  ShowUnlessSentToTray(app_, *this);
  app_.placed_left = Left();
  app_.placed_top = Top();
  app_.Loading = false;
}

void FrmMain::Form_Unload(std::int16_t& /*Cancel*/) {
  app_.ModeMin = Visible() ? 0 : 1;
  SetVisible(true);
  if (app_.has_tray) app_.sys.tray.Shell_NotifyIcon(kNimDelete, app_.TrayIcon);
  SaveSettings(app_);
}

void FrmMain::UnloadWindow() {
  if (unloaded_) return;
  unloaded_ = true;
  std::int16_t cancel = 0;
  Form_Unload(cancel);
  SetVisible(false);
}

void FrmMain::mnuEnd_Click() {
  UnloadWindow();
  app_.sys.runtime.EndProgram();
}

void FrmMain::Form_UserClose() {
  // The version dialog may still be loaded, hidden; the program ends anyway,
  // so it never lingers without a window and a tray icon.
  UnloadWindow();
  app_.sys.runtime.EndProgram();
}

}  // namespace ombrelk
