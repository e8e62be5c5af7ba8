#include "about/version_menu.h"

#include "about/dlg_version.h"
#include "platform/services/runtime.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"

namespace ombrelk {

void mnuVersion_Click(CalendarState& state, FrmMain& frm, DlgVersion& dlg, Runtime& runtime) {
  // Asked for again while it is open (from the tray menu): the dialog is
  // already there, and the visibility it restores must stay the first one.
  if (dlg.Visible()) return;
  state.SavedVisible = frm.Visible();
  frm.SetVisible(true);
  runtime.ShowModal(dlg, frm);
}

}  // namespace ombrelk
