#include "shell/window_options.h"

#include "platform/runtime_values/twips.h"
#include "platform/services/window_system.h"
#include "shell/program.h"

namespace ombrelk {

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
    SetWindowPosInPlace(app.sys.windows, frm, insert_after);
    frm.SetVisible(true);  // the call showed the window
  }
  frm.mnuFormTop.SetChecked(check);
}

void SetWindowPosInPlace(WindowSystem& windows, const Form& form, std::int32_t insert_after) {
  const float per_pixel = windows.TwipsPerPixelX();
  windows.SetWindowPos(form.hWnd(), insert_after, TwipsToPixels(form.Left(), per_pixel),
                       TwipsToPixels(form.Top(), per_pixel), TwipsToPixels(form.Width(), per_pixel),
                       TwipsToPixels(form.Height(), per_pixel), kSwpShowWindow | kSwpNoActivate);
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
  app_.mode_law = mnuFormLaw.Checked() ? 0 : 1;
  mnuFormLaw.SetChecked(app_.mode_law == 1);
  // The month on display shows the other rules at once.
  ShowMonth(app_, kRedrawShift);
}

}  // namespace ombrelk
