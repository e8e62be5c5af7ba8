#pragma once

namespace ombrelk {

struct CalendarState;
struct Services;

// Takes the Cabinet Office's list of days off (syukujitsu.csv, or the older
// name shukujitsu.csv) from the settings file's folder into the state, for
// the law mode's years the list covers. Without such a file the law's rules
// decide every year again; a file that cannot be read now keeps the days read
// before, and so does a file the list reader refuses, which the calendar
// explains once per file: a line on the error sink and a message box. The
// settings file is never touched.
void ReadHolidayListFile(CalendarState& state, const Services& sys);

}  // namespace ombrelk
