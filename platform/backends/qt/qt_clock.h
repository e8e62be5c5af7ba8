#pragma once

#include "platform/services/clock.h"

namespace ombrelk {

// Today from the system's local date; the short date in the user's locale.
class QtClock : public Clock {
 public:
  std::chrono::year_month_day Today() const override;
  std::string ShortDateText() const override;
};

}  // namespace ombrelk
