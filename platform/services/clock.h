#pragma once

#include <chrono>
#include <string>

namespace ombrelk {

// Where today's date comes from: the local date in the program, a settable one in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::year_month_day Today() const = 0;
  // Today in the system's short date format, as the desktop shows dates.
  virtual std::string ShortDateText() const = 0;
};

}  // namespace ombrelk
