#include "shell/window_options.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/window_system.h"
#include "shell/program.h"

namespace ombrelk {

std::int32_t TwipsToPixels(float twips, float twips_per_pixel) {
  // A position read from the settings may lie beyond any screen; it is held at
  // the ends of the 32-bit range rather than overflowing.
  constexpr double kLo = std::numeric_limits<std::int32_t>::min();
  constexpr double kHi = std::numeric_limits<std::int32_t>::max();
  const double pixels = std::nearbyint(static_cast<double>(twips) / twips_per_pixel);
  if (std::isnan(pixels)) return 0;
  return static_cast<std::int32_t>(std::clamp(pixels, kLo, kHi));
}

void ApplyTopMost(Program& app) {
  std::int32_t insert_after = 0;
  bool check = false;
  if (app.ModeTop == 1) {
    insert_after = kHwndTopMost;
    check = true;
  } else if (app.ModeTop == 0) {
    insert_after = kHwndNoTopMost;
    check = false;
  } else {
    return;
  }
  FrmMain& frm = app.frmMain;
  // At start-up only a window that is to be shown is touched; without a tray
  // the window is always shown, so there the option always takes effect.
  if (!app.Loading || app.ModeShow == 1 || !app.has_tray) {
    const float per_pixel = app.sys.windows.TwipsPerPixelX();
    app.sys.windows.SetWindowPos(
        frm.hWnd(), insert_after, TwipsToPixels(frm.Left(), per_pixel),
        TwipsToPixels(frm.Top(), per_pixel), TwipsToPixels(frm.Width(), per_pixel),
        TwipsToPixels(frm.Height(), per_pixel), kSwpShowWindow | kSwpNoActivate);
    frm.SetVisible(true);  // the call showed the window
  }
  frm.mnuFormTop.SetChecked(check);
}

void FrmMain::mnuFormTop_Click() {
  app_.ModeTop = mnuFormTop.Checked() ? 0 : 1;
  ApplyTopMost(app_);
}

void FrmMain::mnuFormShow_Click() {
  if (mnuFormShow.Checked()) {
    mnuFormShow.SetChecked(false);
    app_.ModeShow = 0;
  } else {
    mnuFormShow.SetChecked(true);
    app_.ModeShow = 1;
  }
}

void FrmMain::mnuFormLaw_Click() {
  app_.ModeLaw = mnuFormLaw.Checked() ? 0 : 1;
  mnuFormLaw.SetChecked(app_.ModeLaw == 1);
  // The month on display shows the other rules at once.
  ShowMonth(app_, kRedrawShift);
}

}  // namespace ombrelk
