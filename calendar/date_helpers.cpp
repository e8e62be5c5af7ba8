#include "calendar/date_helpers.h"

#include <chrono>

namespace ombrelk {

std::int16_t WeekdayOf(std::int16_t year, std::int16_t month, std::int16_t day) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / static_cast<unsigned>(month) /
                      static_cast<unsigned>(day)};
  return static_cast<std::int16_t>(weekday{date}.c_encoding() + 1);  // c_encoding: 0 = Sunday
}

}  // namespace ombrelk
