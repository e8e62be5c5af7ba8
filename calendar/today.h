#pragma once

#include <chrono>
#include <string>

#include "platform/services/clock.h"

namespace ombrelk {

// Today's date as last read, and its parts as the texts the caption shows.
struct Today {
  std::chrono::year_month_day TodayDate{};
  std::string TodayYear;   // "yyyy"
  std::string TodayMonth;  // "mm", 01 to 12
  std::string TodayDay;    // "dd", 01 to 31
};

// Reads today once and derives all three texts from that one value, so they
// agree even when midnight passes meanwhile.
void RefreshToday(Today& today, const Clock& clock);

// "yyyy/mm/dd", as the window caption shows today.
std::string TodayCaption(const Today& today);

}  // namespace ombrelk
