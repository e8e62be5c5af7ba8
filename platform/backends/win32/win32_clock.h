#pragma once

#include "platform/services/clock.h"

namespace ombrelk {

// Today from the local date; the short date in the user's own format.
class Win32Clock : public Clock {
 public:
  std::chrono::year_month_day Today() const override;
  std::string ShortDateText() const override;
};

}  // namespace ombrelk
