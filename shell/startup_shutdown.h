#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ombrelk {

class FrmMain;
struct CalendarState;
struct Services;

// The calendar window's load handler: the whole start-up. A second calendar
// says so and ends; otherwise the settings are read, the month drawn, the
// tray icon added, and the window shown unless it starts in the tray.
void Form_Load(CalendarState& state, FrmMain& frm, const Services& sys);

// Shut-down: records whether the window was in the tray, shows it, removes
// the tray icon and writes the settings. Says why when they were not saved.
std::optional<std::string> Form_Unload(CalendarState& state, FrmMain& frm, const Services& sys,
                                       std::int16_t& Cancel);

// The tray menu's exit entry.
void mnuEnd_Click(CalendarState& state, FrmMain& frm, const Services& sys);

// The close button or the window manager closed the window.
void Form_UserClose(CalendarState& state, FrmMain& frm, const Services& sys);

// The session ends or the system asks the program to end (a signal, a
// logout): as the exit entry, but a failed save is only logged, since nobody
// is there to read a message box.
void EndSession(CalendarState& state, FrmMain& frm, const Services& sys);

}  // namespace ombrelk
