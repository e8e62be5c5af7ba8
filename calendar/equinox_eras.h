#pragma once

#include "calendar/date_helpers.h"

namespace ombrelk {

// An era of the equinox formula: the same yearly drift from 1980 throughout,
// with the base days of March and September and the year the leap-day
// correction counts from (k).
struct EquinoxEra {
  int first_year, last_year, k;
  double march, september;
};

inline constexpr EquinoxEra kEquinoxEra1948{1948, 1979, 1983, 20.8357, 23.2588};
inline constexpr EquinoxEra kEquinoxEra1980{1980, 2099, 1980, 20.8431, 23.2488};
inline constexpr EquinoxEra kEquinoxEra2100{2100, 2150, 1980, 21.8510, 24.2488};

constexpr bool InEra(const EquinoxEra& era, int year) {
  return year >= era.first_year && year <= era.last_year;
}

// The day of March's or September's equinox in a year of the era.
inline int EquinoxDayInEra(const EquinoxEra& era, int year, bool march) {
  // Integer division truncates toward zero, as the formula wants: q is
  // negative before 1983, and flooring it would give the day after.
  const int q = (year - era.k) / 4;
  return EquinoxFormulaDay(year - 1980, q, march ? era.march : era.september);
}

}  // namespace ombrelk
