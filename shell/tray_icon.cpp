#include <algorithm>
#include <string>

#include "platform/runtime_values/tray_notification.h"
#include "platform/services/tray_area.h"
#include "platform/services/window_system.h"
#include "shell/foreground.h"
#include "shell/program.h"
#include "shell/window_options.h"
#include "view/pictures/pictures.h"

namespace ombrelk {

void FrmMain::AddTrayIcon() {
  // The record is filled even without a tray, so that an icon added when a
  // tray appears later carries the start-up date like one added now.
  TrayIconRecord& rec = app_.TrayIcon;
  rec = MakeTrayIconRecord(hWnd(), static_cast<std::int32_t>(PictureId::AppIcon),
                           app_.sys.clock.ShortDateText());
  if (!app_.has_tray) {
    // Nowhere to hide the window in: the window stays on screen and the tray
    // menu's entries join the settings menu.
    MoveTrayEntriesToSettingsMenu(true);
    return;
  }
  app_.sys.tray.Shell_NotifyIcon(kNimAdd, rec);
  if (!app_.Loading || app_.ModeShow == 0) SetVisible(false);
}

void FrmMain::MoveTrayEntriesToSettingsMenu(bool to_settings) {
  auto& items = mnuSet.items;
  items.erase(std::find(items.begin(), items.end(), &mnuSetSep), items.end());
  if (to_settings) items.insert(items.end(), {&mnuSetSep, &mnuDisp, &mnuEnd, &mnuSep, &mnuVersion});
}

void FrmMain::Tray_Appeared() {
  if (unloaded_ || app_.has_tray) return;
  app_.has_tray = true;
  MoveTrayEntriesToSettingsMenu(false);
  app_.sys.tray.Shell_NotifyIcon(kNimAdd, app_.TrayIcon);
  // A window the user has not touched since start-up goes where the start-up
  // would have sent it; one minimised the ordinary way goes there as well,
  // as minimising does from now on.
  const bool dragged = Left() != app_.placed_left || Top() != app_.placed_top;
  const bool sent_to_tray = app_.ModeMin == 1 || app_.ModeShow == 0;
  if ((sent_to_tray && !app_.window_used && !dragged) || WindowState() == WindowState::Minimized) {
    SetVisible(false);
    SetWindowState(WindowState::Normal);
  }
}

void FrmMain::Tray_Vanished() {
  if (unloaded_ || !app_.has_tray) return;
  app_.has_tray = false;
  // The icon went with the tray; its record is let go so that the tray's
  // successor gets a fresh one.
  app_.sys.tray.Shell_NotifyIcon(kNimDelete, app_.TrayIcon);
  MoveTrayEntriesToSettingsMenu(true);
  if (Visible()) return;
  // Nothing would bring a hidden window back: it returns at its place, in
  // the always-on-top band when the option is checked, without the focus.
  SetVisible(true);
  SetWindowPosInPlace(app_.sys.windows, *this, app_.ModeTop == 1 ? kHwndTopMost : kHwndTop);
}

void FrmMain::Form_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X,
                             float /*Y*/) {
  const auto code = NotificationCode(X, app_.sys.windows.TwipsPerPixelX());
  if (!code) return;
  if (*code == kWmLButtonDblClk) {
    if (Visible()) {
      SetVisible(false);
    } else {
      SetVisible(true);
      ForceForeground(app_.sys.windows, hWnd());
      app_.sys.runtime.DoEvents();
    }
  } else if (*code == kWmRButtonDown) {
    app_.sys.windows.SetForegroundWindow(hWnd());
    app_.sys.runtime.DoEvents();
    app_.sys.runtime.PopupMenu(mnuTray);
  }
}

void FrmMain::Form_Resize() {
  if (WindowState() != WindowState::Minimized) return;
  // Without a tray the window is minimised the ordinary way, or it would be lost.
  if (!app_.has_tray) return;
  SetVisible(false);
  SetWindowState(WindowState::Normal);
}

void FrmMain::mnuDisp_Click() {
  SetVisible(true);
  SetWindowPosInPlace(app_.sys.windows, *this, kHwndTop);
}

}  // namespace ombrelk
