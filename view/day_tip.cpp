// The tip over the day grid: lbl_menu lies above the day cells and takes the
// mouse, so the day under the pointer is found from its place.

#include <chrono>
#include <string>

#include "calendar/day_name.h"
#include "calendar/japanese_era.h"
#include "platform/runtime_values/number_text.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"

namespace ombrelk {

namespace {

bool Holds(const Rect& r, float x, float y) {
  return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

// The day cell at a point of the window's client area. Neighbouring cells
// overlap and the higher index lies above, so the search runs from the top.
const Label* DayCellAt(const FrmMain& frm, float x, float y) {
  for (int i = frm.lblDay.Count() - 1; i >= 0; --i) {
    if (Holds(frm.lblDay(i).Bounds(), x, y)) return &frm.lblDay(i);
  }
  return nullptr;
}

// The tip of the day shown at a point of lbl_menu: with 和暦と六曜 on, the
// era date and the 六曜, then the day's name where the law mode gives one;
// otherwise the name alone. Empty off the grid and over an empty cell.
std::string DayTipAt(const CalendarState& state, const FrmMain& frm, float x, float y) {
  if (!state.LawMode() && !state.RekiMode()) return {};
  const Label* cell = DayCellAt(frm, frm.lbl_menu.Left() + x, frm.lbl_menu.Top() + y);
  if (cell == nullptr) return {};
  const auto day = TextToInt16(cell->Caption());
  if (!day) return {};
  const std::chrono::year_month_day date{
      std::chrono::year{state.ViewMonth.year},
      std::chrono::month{static_cast<unsigned>(state.ViewMonth.month)},
      std::chrono::day{static_cast<unsigned>(*day)}};
  const std::string_view name = DayName(state.holidays, state.LawMode(), state.holiday_list, date);
  if (!state.RekiMode()) return std::string(name);
  std::string tip = EraAndRokuyoText(date);
  if (!tip.empty() && !name.empty()) tip += ' ';
  tip += name;
  return tip;
}

}  // namespace

void FrmMain::ShowDayTip() {
  lbl_menu.SetToolTipText(DayTipAt(state_, *this, pointer_x_, pointer_y_));
}

}  // namespace ombrelk
