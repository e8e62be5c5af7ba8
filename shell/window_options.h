#pragma once

#include <cstdint>

namespace ombrelk {

class Clock;
class Form;
class FrmMain;
class WindowSystem;
struct CalendarState;

// Whether the window belongs in the always-on-top band.
bool KeepsOnTop(const CalendarState& state);

// Puts the calendar window into the always-on-top band or takes it out, as
// ModeTop says, and sets the menu's check mark. While start-up runs, only a
// window that is to be shown is touched.
void ApplyTopMost(const CalendarState& state, FrmMain& frm, WindowSystem& windows);

// Shows the window and moves it in the z-order without activating it; its
// place and size stay as they are, in pixels of the screen it is on.
void SetWindowPosInPlace(WindowSystem& windows, const Form& form, std::int32_t insert_after);

// The options menu's entries.
void mnuFormTop_Click(CalendarState& state, FrmMain& frm, WindowSystem& windows);
void mnuFormShow_Click(CalendarState& state, FrmMain& frm);
void mnuFormLaw_Click(CalendarState& state, FrmMain& frm, const Clock& clock);
void mnuFormReki_Click(CalendarState& state, FrmMain& frm, const Clock& clock);

}  // namespace ombrelk
