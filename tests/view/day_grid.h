#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calendar/date_helpers.h"
#include "calendar/reference_weekday.h"
#include "view/frm_main.h"

namespace ombrelk::testing {

// The 42 day captions in index order.
inline std::vector<std::string> DayCaptions(const FrmMain& frm) {
  std::vector<std::string> out;
  for (int i = 0; i < frm.lblDay.Count(); ++i) out.push_back(frm.lblDay(i).Caption());
  return out;
}

// The column of a month's first day when the grid starts on start_weekday.
inline int FirstCell(int year, int month, int start_weekday) {
  return (ReferenceWeekday(year, month, 1) - start_weekday + 7) % 7;
}

// What the grid must show for a month: day 1 in its weekday's column, the
// other days after it, every other cell empty.
inline std::vector<std::string> ExpectedDayCaptions(int year, int month, int start_weekday) {
  std::vector<std::string> out(42);
  const int first = FirstCell(year, month, start_weekday);
  const int n = DaysInMonth(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
  for (int d = 1; d <= n; ++d) out[static_cast<std::size_t>(first + d - 1)] = std::to_string(d);
  return out;
}

// A point of lbl_menu, in its twips, over day cell i of the grid; dx and dy
// move it from the part of the cell that no neighbour covers.
inline std::pair<float, float> OverCell(int i, float dx = 0, float dy = 0) {
  const float x = 360.0F * static_cast<float>(i % 7) + 180 + dx;
  const float y = 600.0F + 180.0F * static_cast<float>(i / 7) + 90 + dy;
  return {x - 30, y - 30};  // lbl_menu starts at (30, 30)
}

}  // namespace ombrelk::testing
