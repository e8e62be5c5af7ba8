#include "shell/program.h"
#include "view/frm_main.h"

namespace ombrelk {

void FrmMain::mnuVersion_Click() {
  // Asked for again while it is open (from the tray menu): the dialog is
  // already there, and the visibility it restores must stay the first one.
  if (app_.dlgVersion.Visible()) return;
  app_.SavedVisible = Visible();
  SetVisible(true);
  app_.sys.runtime.ShowModal(app_.dlgVersion, *this);
}

}  // namespace ombrelk
