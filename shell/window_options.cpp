#include "shell/window_options.h"

#include "platform/runtime_values/twips.h"
#include "platform/services/window_system.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"
#include "view/month_view.h"

namespace ombrelk {

bool KeepsOnTop(const CalendarState& state) {
  return state.ModeTop == 1;
}

void ApplyTopMost(const CalendarState& state, FrmMain& frm, WindowSystem& windows) {
  // Any other value than 1 or 0 leaves the window and the check mark alone.
  if (state.ModeTop != 0 && state.ModeTop != 1) return;
  const bool check = KeepsOnTop(state);
  // At start-up only a window that is to be shown is touched; without a tray
  // the window is always shown, so there the option always takes effect.
  if (!state.Loading || state.ModeShow == 1 || !state.has_tray) {
    SetWindowPosInPlace(windows, frm, check ? kHwndTopMost : kHwndNoTopMost);
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

void mnuFormTop_Click(CalendarState& state, FrmMain& frm, WindowSystem& windows) {
  state.ModeTop = frm.mnuFormTop.Checked() ? 0 : 1;
  ApplyTopMost(state, frm, windows);
}

void mnuFormShow_Click(CalendarState& state, FrmMain& frm) {
  if (frm.mnuFormShow.Checked()) {
    frm.mnuFormShow.SetChecked(false);
    state.ModeShow = 0;
  } else {
    frm.mnuFormShow.SetChecked(true);
    state.ModeShow = 1;
  }
}

void mnuFormLaw_Click(CalendarState& state, FrmMain& frm, const Clock& clock) {
  state.mode_law = frm.mnuFormLaw.Checked() ? 0 : 1;
  frm.mnuFormLaw.SetChecked(state.mode_law == 1);
  // The month on display shows the other rules at once.
  ShowMonth(state, frm, clock, kRedrawShift);
}

void mnuFormReki_Click(CalendarState& state, FrmMain& frm, const Clock& clock) {
  state.mode_reki = frm.mnuFormReki.Checked() ? 0 : 1;
  frm.mnuFormReki.SetChecked(state.RekiMode());
  // The day cells' names carry the era date and 六曜 or drop them, and the
  // day under a resting pointer gets its new tip at once.
  ShowMonth(state, frm, clock, kRedrawShift);
}

}  // namespace ombrelk
