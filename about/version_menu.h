#pragma once

namespace ombrelk {

class DlgVersion;
class FrmMain;
class Runtime;
struct CalendarState;

// The tray menu's version entry: shows the version dialog modally over the
// calendar window, which is shown for it and later restored.
void mnuVersion_Click(CalendarState& state, FrmMain& frm, DlgVersion& dlg, Runtime& runtime);

}  // namespace ombrelk
