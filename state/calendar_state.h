#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "calendar/date_helpers.h"
#include "calendar/holiday_list.h"
#include "calendar/holiday_table.h"
#include "calendar/today.h"
#include "platform/services/file_path.h"
#include "platform/services/tray_area.h"

namespace ombrelk {

// The state the calendar's procedures share for the whole run: the given
// module-wide values and the program's own flags. It holds no window and no
// service, so every procedure can be handed just this and what it touches.
struct CalendarState {
  FilePath settings_file;

  // The weekday of the grid's first column, 1 = Sunday ... 7 = Saturday; -1 until read.
  std::int16_t StartWeekday = -1;
  // 1 = show the window at start-up, 0 = start in the tray; -1 until read.
  std::int16_t ModeShow = -1;
  // 1 = always on top, 0 = normal; -1 until read.
  std::int16_t ModeTop = -1;
  // 1 = the window was hidden in the tray at the last shut-down.
  std::int16_t ModeMin = 0;
  // 1 = holidays as today's law keeps them, with their names as tips; any
  // other value: the table and the computed rules.
  std::int16_t mode_law = 0;
  // 1 = every day's tip gives its era date and 六曜 (和暦と六曜); any other value: not.
  std::int16_t mode_reki = 0;
  // 1 = the tray icon shows today's day number and the tip today's date; any
  // other value: the program's icon and the start-up date.
  std::int16_t mode_icon = 0;
  // True while the calendar window's load handler runs.
  bool Loading = false;
  Holidays holidays;
  // The Cabinet Office's list of days off found beside the settings file,
  // which the law mode takes for the years it covers; it covers none until
  // one is taken.
  HolidayList holiday_list;
  // The list files refused so far (their names and bytes, hashed): each is
  // explained to the user once, not again at every day change.
  std::set<std::size_t> refused_lists;
  Today today;
  YearMonth ViewMonth;
  TrayIconRecord TrayIcon;
  // The date the tray tip gives while the icon shows no day: the start-up's.
  std::string tray_start_date;
  // Whether there is a tray to live in now; without one the window is never hidden.
  bool has_tray = false;
  // Whether the user has used the calendar window since start-up (a key, a
  // click, a month change, a menu choice, a drag). Until then a tray that
  // appears late takes the window in, as the start-up would have.
  bool window_used = false;
  // Where the start-up placed the window; a window found elsewhere was dragged.
  float placed_left = 0;
  float placed_top = 0;
  // Why the settings file must not be overwritten in this run (it could not
  // be read and no backup of it could be made); empty when it may be.
  std::string settings_file_kept;
  // The calendar window's visibility while the version dialog is open.
  bool SavedVisible = false;
  // Set once the calendar window has been unloaded; nothing runs after it.
  bool unloaded = false;

  // The one place that says which holiday rules the calendar shows.
  bool LawMode() const { return mode_law == 1; }
  bool RekiMode() const { return mode_reki == 1; }
  bool IconMode() const { return mode_icon == 1; }
};

}  // namespace ombrelk
