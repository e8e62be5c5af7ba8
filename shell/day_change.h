#pragma once

namespace ombrelk {

class FrmMain;
struct CalendarState;
struct Services;

// The date may have changed: midnight passed, the system resumed from sleep,
// or the clock or the time zone was set. On a new date the list of days off
// beside the settings file is read again (one copied there since is taken
// now), then the caption, the month view and the tip under the pointer
// follow the date.
void Clock_DayMayHaveChanged(CalendarState& state, FrmMain& frm, const Services& sys);

}  // namespace ombrelk
