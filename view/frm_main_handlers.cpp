#include "platform/controls/key_codes.h"
#include "platform/runtime_values/number_text.h"
#include "platform/services/desktop_shell.h"
#include "view/frm_main.h"
#include "view/home_page.h"
#include "view/month_view.h"

namespace ombrelk {

void FrmMain::cmdSwitchMonth_Click(std::int16_t Index) {
  state_.window_used = true;
  // The tags are fixed ("-1", "0", "1"), so the conversion cannot fail.
  const auto shift = TextToInt16(cmdSwitchMonth(Index).tag).value_or(0);
  ShowMonth(state_, *this, sys_.clock, shift);
}

void FrmMain::cboWDay_Click() {
  if (!state_.Loading) state_.window_used = true;
  state_.StartWeekday = static_cast<std::int16_t>(cboWDay.ListIndex() + 1);
  ShowMonth(state_, *this, sys_.clock, kRedrawShift);
}

void FrmMain::Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift) {
  state_.window_used = true;
  if (Shift != kCtrlMask) return;
  switch (KeyCode) {
    case kVkLeft:
    case kVkB:
      KeyCode = 0;
      cmdSwitchMonth_Click(0);
      break;
    case kVkUp:
    case kVkDown:
    case kVkC:
      KeyCode = 0;
      cmdSwitchMonth_Click(1);
      break;
    case kVkRight:
    case kVkN:
      KeyCode = 0;
      cmdSwitchMonth_Click(2);
      break;
    case kVkHome:
      // Not swallowed: the focused control sees Home as well.
      cmdHOME_Click();
      break;
    default:
      break;
  }
}

void FrmMain::lbl_menu_MouseDown(std::int16_t Button, std::int16_t /*Shift*/, float /*X*/,
                                 float /*Y*/) {
  state_.window_used = true;
  if (Button == kRightButton) sys_.runtime.PopupMenu(mnuSet);
}

void FrmMain::lbl_menu_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X,
                                 float Y) {
  pointer_x_ = X;
  pointer_y_ = Y;
  ShowDayTip();
}

void FrmMain::cmdHOME_Click() {
  sys_.shell.ShellExecute(hWnd(), HomePageAddress(), kSwShowNormal);
}

}  // namespace ombrelk
