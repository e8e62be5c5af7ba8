#include "shell/program.h"
#include "view/frm_main.h"

namespace ombrelk {

void FrmMain::mnuVersion_Click() {
  app_.SavedVisible = Visible();
  SetVisible(true);
  app_.sys.runtime.ShowModal(app_.dlgVersion, *this);
}

}  // namespace ombrelk
