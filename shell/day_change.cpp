#include "calendar/today.h"
#include "shell/program.h"
#include "view/month_view.h"

namespace ombrelk {

void FrmMain::Clock_DayMayHaveChanged() {
  if (unloaded_ || app_.Loading) return;
  const std::chrono::year_month_day before = app_.today.TodayDate;
  Today now;
  RefreshToday(now, app_.sys.clock);
  if (now.TodayDate == before) return;  // a resume or a clock change within the day
  // The current month follows the date when it was on display; any other
  // month is drawn again for today's mark and the caption. The tray tip
  // keeps the start-up date.
  const YearMonth was_current{static_cast<std::int16_t>(static_cast<int>(before.year())),
                              static_cast<std::int16_t>(static_cast<unsigned>(before.month()))};
  ShowMonth(app_, app_.ViewMonth == was_current ? 0 : kRedrawShift);
}

}  // namespace ombrelk
