#include "shell/startup_shutdown.h"

#include "calendar/today.h"
#include "platform/services/services.h"
#include "settings/settings_file.h"
#include "shell/holiday_list_file.h"
#include "shell/problem_message.h"
#include "shell/tray_icon.h"
#include "shell/window_options.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"
#include "view/month_view.h"

namespace ombrelk {

namespace {

constexpr float kMainWindowWidth = 2775;

// The calendar window comes on screen when its load handler ends, as a
// program's start-up window does, unless start-up sent it to the tray: the
// settings said it was hidden at the last exit ("MODE_MIN :1") or is not to be
// shown at start (ModeShow 0). Whatever showed the window on the way (the
// always-on-top call, "MODE_MIN :0") has shown it already.
void ShowUnlessSentToTray(const CalendarState& state, FrmMain& frm) {
  if (frm.Visible()) return;
  const bool sent_to_tray = state.has_tray && (state.ModeMin == 1 || state.ModeShow == 0);
  if (!sent_to_tray) frm.SetVisible(true);
}

std::optional<std::string> UnloadWindow(CalendarState& state, FrmMain& frm, const Services& sys) {
  if (state.unloaded) return std::nullopt;
  state.unloaded = true;
  std::int16_t cancel = 0;
  std::optional<std::string> not_saved = Form_Unload(state, frm, sys, cancel);
  frm.SetVisible(false);
  return not_saved;
}

// The user ended the calendar: a save that failed is said where they see it.
void EndByUser(CalendarState& state, FrmMain& frm, const Services& sys) {
  const std::optional<std::string> not_saved = UnloadWindow(state, frm, sys);
  if (not_saved) ShowProblem(sys, *not_saved);
  sys.runtime.EndProgram();
}

}  // namespace

void Form_Load(CalendarState& state, FrmMain& frm, const Services& sys) {
  Runtime& runtime = sys.runtime;
  // One calendar per user session on every system: two would both rewrite
  // the settings file at exit, the last one's changes winning, and show two
  // tray icons.
  if (runtime.PrevInstance()) {
    ShowProblem(sys, "起動済みです。");
    runtime.EndProgram();
    return;
  }
  state.Loading = true;
  state.has_tray = sys.tray.IsTrayAvailable();
  LoadSettings(state, frm, sys.files, sys.errors, [&] { ApplyTopMost(state, frm, sys.windows); });
  // Beside the settings, before the month is first drawn by its days.
  ReadHolidayListFile(state, sys);
  RefreshToday(state.today, sys.clock);
  frm.SetCaption(TodayCaption(state.today));
  frm.cboWDay.SetListIndex(state.StartWeekday - 1);  // draws the month through cboWDay_Click
  ShowMonth(state, frm, sys.clock, 0);
  frm.SetWidth(kMainWindowWidth);
  AddTrayIcon(state, frm, sys);
  ShowUnlessSentToTray(state, frm);
  state.placed_left = frm.Left();
  state.placed_top = frm.Top();
  state.Loading = false;
}

std::optional<std::string> Form_Unload(CalendarState& state, FrmMain& frm, const Services& sys,
                                       std::int16_t& /*Cancel*/) {
  state.ModeMin = frm.Visible() ? 0 : 1;
  frm.SetVisible(true);
  if (state.has_tray) sys.tray.Shell_NotifyIcon(kNimDelete, state.TrayIcon);
  return SaveSettings(state, frm, sys.files, sys.errors);
}

void mnuEnd_Click(CalendarState& state, FrmMain& frm, const Services& sys) {
  EndByUser(state, frm, sys);
}

void Form_UserClose(CalendarState& state, FrmMain& frm, const Services& sys) {
  // The version dialog may still be loaded, hidden; the program ends anyway,
  // so it never lingers without a window and a tray icon.
  EndByUser(state, frm, sys);
}

void EndSession(CalendarState& state, FrmMain& frm, const Services& sys) {
  UnloadWindow(state, frm, sys);
  sys.runtime.EndProgram();
}

}  // namespace ombrelk
