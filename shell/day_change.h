#pragma once

namespace ombrelk {

class Clock;
class FrmMain;
struct CalendarState;

// The date may have changed: midnight passed, the system resumed from sleep,
// or the clock or the time zone was set. The caption and the month view
// follow a new date.
void Clock_DayMayHaveChanged(CalendarState& state, FrmMain& frm, const Clock& clock);

}  // namespace ombrelk
