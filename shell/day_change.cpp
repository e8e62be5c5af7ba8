#include "shell/day_change.h"

#include "calendar/today.h"
#include "platform/services/services.h"
#include "shell/holiday_list_file.h"
#include "shell/tray_icon.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"
#include "view/month_view.h"

namespace ombrelk {

void Clock_DayMayHaveChanged(CalendarState& state, FrmMain& frm, const Services& sys) {
  if (state.unloaded || state.Loading) return;
  const std::chrono::year_month_day before = state.today.TodayDate;
  Today now;
  RefreshToday(now, sys.clock);
  if (now.TodayDate == before) return;  // a resume or a clock change within the day
  ReadHolidayListFile(state, sys);
  // The current month follows the date when it was on display; any other
  // month is drawn again for today's mark and the caption. The tray icon
  // follows the date while it shows the day, else its tip keeps the
  // start-up date.
  const YearMonth was_current{static_cast<std::int16_t>(static_cast<int>(before.year())),
                              static_cast<std::int16_t>(static_cast<unsigned>(before.month()))};
  ShowMonth(state, frm, sys.clock, state.ViewMonth == was_current ? 0 : kRedrawShift);
  ShowTodayInTray(state, sys);
}

}  // namespace ombrelk
