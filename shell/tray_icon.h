#pragma once

#include <cstdint>

namespace ombrelk {

class FrmMain;
class WindowSystem;
struct CalendarState;
struct Services;

// Fills the tray record and adds the icon; at start-up the window is hidden
// when it is not to be shown, later always. Without a tray, or when the icon
// cannot be added, the window stays on screen and the tray menu's entries
// join the settings menu.
void AddTrayIcon(CalendarState& state, FrmMain& frm, const Services& sys);

// A notification area appeared (a panel started late, or again; also asked
// again while an icon could not be added) or vanished (the panel ended or
// crashed). An appearance that cannot add the icon changes nothing.
void Tray_Appeared(CalendarState& state, FrmMain& frm, const Services& sys);
void Tray_Vanished(CalendarState& state, FrmMain& frm, const Services& sys);

// Gives the tray record the icon and the tip of the icon option: today's
// day number on the page and today's date while it is on, the program's
// icon and the start-up date while it is off; the icon in the tray changes
// when it differs.
void ShowTodayInTray(CalendarState& state, const Services& sys);

// The options menu's entry that turns the day number in the icon on and off.
void mnuFormIcon_Click(CalendarState& state, FrmMain& frm, const Services& sys);

// Tray notifications, the mouse message encoded in X: a double-click shows or
// hides the window, a right press opens the tray menu.
void Form_MouseMove(FrmMain& frm, const Services& sys, std::int16_t Button, std::int16_t Shift,
                    float X, float Y);

// Minimising sends the window to the tray, where there is one.
void Form_Resize(const CalendarState& state, FrmMain& frm);

// The tray menu's show entry.
void mnuDisp_Click(FrmMain& frm, WindowSystem& windows);

}  // namespace ombrelk
