#include "calendar/today.h"

#include "platform/runtime_values/number_text.h"

namespace ombrelk {

void RefreshToday(Today& today, const Clock& clock) {
  today.TodayDate = clock.Today();
  today.TodayYear = ZeroPadded(static_cast<int>(today.TodayDate.year()), 4);
  today.TodayMonth =
      ZeroPadded(static_cast<int>(static_cast<unsigned>(today.TodayDate.month())), 2);
  today.TodayDay = ZeroPadded(static_cast<int>(static_cast<unsigned>(today.TodayDate.day())), 2);
}

std::string TodayCaption(const Today& today) {
  return today.TodayYear + "/" + today.TodayMonth + "/" + today.TodayDay;
}

}  // namespace ombrelk
