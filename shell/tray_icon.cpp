#include "shell/tray_icon.h"

#include <string>

#include "platform/runtime_values/tray_notification.h"
#include "platform/services/services.h"
#include "shell/foreground.h"
#include "shell/window_options.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"
#include "view/pictures/pictures.h"
#include "view/pictures/tray_picture.h"

namespace ombrelk {

namespace {

// While the taskbar is still starting the shell refuses an icon, and after a
// time-out it can report a failure although the icon went in: an icon that
// can be modified is there.
bool AddIcon(const TrayIconRecord& rec, TrayArea& tray) {
  return tray.Shell_NotifyIcon(kNimAdd, rec) || tray.Shell_NotifyIcon(kNimModify, rec);
}

// Fills the record with the icon and the tip of the icon option; true
// when they changed.
bool FillTodayInTray(CalendarState& state, const Services& sys) {
  TrayIconRecord& rec = state.TrayIcon;
  const auto day = static_cast<unsigned>(state.today.TodayDate.day());
  const std::int32_t icon = state.IconMode() ? DayPageIcon(static_cast<int>(day))
                                             : static_cast<std::int32_t>(PictureId::AppIcon);
  const std::string tip = state.IconMode() ? sys.clock.ShortDateText() : state.tray_start_date;
  if (rec.hIcon == icon && TrayTipText(rec) == tip) return false;
  rec = MakeTrayIconRecord(rec.hWnd, icon, tip);
  return true;
}

}  // namespace

void AddTrayIcon(CalendarState& state, FrmMain& frm, const Services& sys) {
  // The record is filled even without a tray, so that an icon added when a
  // tray appears later carries the start-up date like one added now.
  state.tray_start_date = sys.clock.ShortDateText();
  TrayIconRecord& rec = state.TrayIcon;
  rec = MakeTrayIconRecord(frm.hWnd(), static_cast<std::int32_t>(PictureId::AppIcon),
                           state.tray_start_date);
  FillTodayInTray(state, sys);
  // Without an icon the calendar is as without a tray until one appears.
  if (state.has_tray && !AddIcon(rec, sys.tray)) state.has_tray = false;
  if (!state.has_tray) {
    // Nowhere to hide the window in: the window stays on screen and the tray
    // menu's entries join the settings menu.
    frm.ShowTrayEntriesInSettingsMenu(true);
    return;
  }
  if (!state.Loading || state.ModeShow == 0) frm.SetVisible(false);
}

void ShowTodayInTray(CalendarState& state, const Services& sys) {
  // Without a tray the record waits for one, as at start-up.
  if (FillTodayInTray(state, sys) && state.has_tray) {
    sys.tray.Shell_NotifyIcon(kNimModify, state.TrayIcon);
  }
}

void mnuFormIcon_Click(CalendarState& state, FrmMain& frm, const Services& sys) {
  state.mode_icon = frm.mnuFormIcon.Checked() ? 0 : 1;
  frm.mnuFormIcon.SetChecked(state.IconMode());
  ShowTodayInTray(state, sys);
}

void Tray_Appeared(CalendarState& state, FrmMain& frm, const Services& sys) {
  if (state.unloaded || state.has_tray) return;
  if (!AddIcon(state.TrayIcon, sys.tray)) return;
  state.has_tray = true;
  frm.ShowTrayEntriesInSettingsMenu(false);
  // A window the user has not touched since start-up goes where the start-up
  // would have sent it; one minimised the ordinary way goes there as well,
  // as minimising does from now on.
  const bool dragged = frm.Left() != state.placed_left || frm.Top() != state.placed_top;
  const bool sent_to_tray = state.ModeMin == 1 || state.ModeShow == 0;
  if ((sent_to_tray && !state.window_used && !dragged) ||
      frm.WindowState() == WindowState::Minimized) {
    frm.SetVisible(false);
    frm.SetWindowState(WindowState::Normal);
  }
}

void Tray_Vanished(CalendarState& state, FrmMain& frm, const Services& sys) {
  if (state.unloaded || !state.has_tray) return;
  state.has_tray = false;
  // The icon went with the tray; its record is let go so that the tray's
  // successor gets a fresh one.
  sys.tray.Shell_NotifyIcon(kNimDelete, state.TrayIcon);
  frm.ShowTrayEntriesInSettingsMenu(true);
  if (frm.Visible()) return;
  // Nothing would bring a hidden window back: it returns at its place, in
  // the always-on-top band when the option is checked, without the focus.
  frm.SetVisible(true);
  SetWindowPosInPlace(sys.windows, frm, KeepsOnTop(state) ? kHwndTopMost : kHwndTop);
}

void Form_MouseMove(FrmMain& frm, const Services& sys, std::int16_t /*Button*/,
                    std::int16_t /*Shift*/, float X, float /*Y*/) {
  const auto code = NotificationCode(X, sys.windows.TwipsPerPixelX());
  if (!code) return;
  if (*code == kWmLButtonDblClk) {
    if (frm.Visible()) {
      frm.SetVisible(false);
    } else {
      frm.SetVisible(true);
      ForceForeground(sys.windows, frm.hWnd());
      sys.runtime.DoEvents();
    }
  } else if (*code == kWmRButtonDown) {
    sys.windows.SetForegroundWindow(frm.hWnd());
    sys.runtime.DoEvents();
    sys.runtime.PopupMenu(frm.mnuTray);
  }
}

void Form_Resize(const CalendarState& state, FrmMain& frm) {
  if (frm.WindowState() != WindowState::Minimized) return;
  // Without a tray the window is minimised the ordinary way, or it would be lost.
  if (!state.has_tray) return;
  frm.SetVisible(false);
  frm.SetWindowState(WindowState::Normal);
}

void mnuDisp_Click(FrmMain& frm, WindowSystem& windows) {
  frm.SetVisible(true);
  SetWindowPosInPlace(windows, frm, kHwndTop);
}

}  // namespace ombrelk
