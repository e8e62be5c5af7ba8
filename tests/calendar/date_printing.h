#pragma once

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>

#include "calendar/japanese_era.h"
#include "calendar/old_calendar.h"

namespace ombrelk {

namespace testing {

// yyyy-mm-dd, for failure messages (this standard library cannot print dates).
inline std::string IsoDate(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

}  // namespace testing

// How GoogleTest shows an old-calendar date: 閏3/3 for the third day of the
// leap third month.
inline void PrintTo(const OldDate& date, std::ostream* out) {
  *out << (date.leap ? "閏" : "") << date.month << "/" << date.day;
}

inline void PrintTo(const EraYear& era, std::ostream* out) {
  *out << era.era << era.year;
}

}  // namespace ombrelk
