#pragma once

namespace ombrelk {

class FrmMain;
class LoginStart;
struct Services;

// The options menu's login entry: makes or removes the system's own entry
// that starts the calendar at login; a failure is said in a message box.
void mnuFormLogin_Click(FrmMain& frm, const Services& sys);

// Checks the menu entry when the system's entry is there. That entry is the
// only record (the settings file keeps nothing of it), so the mark is read
// from it.
void ShowLoginStart(FrmMain& frm, LoginStart& login);

}  // namespace ombrelk
