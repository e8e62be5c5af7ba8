#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/tray_area.h"
#include "platform/window_system.h"
#include "shell/foreground.h"
#include "shell/program.h"
#include "shell/window_options.h"
#include "view/pictures/pictures.h"

namespace ombrelk {

namespace {

constexpr std::uint32_t kTrayRecordSize = 88;
constexpr std::uint32_t kNifMessage = 1;
constexpr std::uint32_t kNifIcon = 2;
constexpr std::uint32_t kNifTip = 4;
constexpr std::uint32_t kWmMouseMove = 0x200;
constexpr std::int32_t kWmLButtonDblClk = 515;
constexpr std::int32_t kWmRButtonDown = 516;

// The tip holds the date text and its terminating NUL; a longer text is cut
// so that the NUL always fits.
void CopyTip(std::array<char, 64>& tip, const std::string& text) {
  const std::size_t n = std::min(text.size(), tip.size() - 1);
  std::copy_n(text.begin(), n, tip.begin());
  tip[n] = '\0';
}

// The mouse message that a tray notification carries in its x position: x
// and the twips per pixel rounded to whole numbers, then divided. Nothing for
// a position no notification can have (beyond 32 bits, or no pixel size).
std::optional<std::int32_t> NotificationCode(float x_twips, float twips_per_pixel) {
  constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
  const double x = std::nearbyint(x_twips);
  const double per_pixel = std::nearbyint(twips_per_pixel);
  if (!(std::fabs(x) <= kLimit) || !(per_pixel >= 1 && per_pixel <= kLimit)) return std::nullopt;
  return static_cast<std::int32_t>(x) / static_cast<std::int32_t>(per_pixel);
}

}  // namespace

void FrmMain::AddTrayIcon() {
  if (!app_.has_tray) {
    // Nowhere to hide the window in: the window stays on screen and the tray
    // menu's entries join the settings menu.
    mnuSet.items = {&mnuFormShow, &mnuFormTop, &mnuFormLaw, &mnuSetSep,
                    &mnuDisp,     &mnuEnd,     &mnuSep,     &mnuVersion};
    return;
  }
  TrayIconRecord& rec = app_.TrayIcon;
  rec.cbSize = kTrayRecordSize;
  rec.hWnd = hWnd();
  rec.uID = 1;
  rec.uFlags = kNifMessage | kNifIcon | kNifTip;
  rec.uCallbackMessage = kWmMouseMove;
  rec.hIcon = static_cast<std::int32_t>(PictureId::AppIcon);  // backends map the picture to an icon
  CopyTip(rec.szTip, app_.sys.clock.ShortDateText());
  app_.sys.tray.Shell_NotifyIcon(kNimAdd, rec);
  if (!app_.Loading || app_.ModeShow == 0) SetVisible(false);
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
      ForceForeground(app_, hWnd());
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
  app_.sys.windows.SetWindowPos(hWnd(), kHwndTop, TwipsToPixels(Left()), TwipsToPixels(Top()),
                                TwipsToPixels(Width()), TwipsToPixels(Height()),
                                kSwpShowWindow | kSwpNoActivate);
}

}  // namespace ombrelk
