#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace ombrelk {

// A year of a Japanese era (元号): 令和 8 is 2026.
struct EraYear {
  std::string_view era;
  int year;  // 1 is the era's first year (元年)
  friend bool operator==(const EraYear&, const EraYear&) = default;
};

// Japan took the Gregorian calendar on this day (明治6年1月1日); earlier
// Gregorian dates have no Japanese era date of their own.
inline constexpr std::chrono::year_month_day kGregorianInJapan{
    std::chrono::year{1873}, std::chrono::January, std::chrono::day{1}};

// The era and its year on a day from kGregorianInJapan on (明治, 大正, 昭和,
// 平成, 令和; an era counts from the day it began); nothing before that day.
std::optional<EraYear> ToEra(std::chrono::year_month_day date);

// A day as a Japanese wall calendar prints it: the era date, the weekday in
// full-width parentheses and the 六曜, e.g. "令和8年12月7日（月） 友引", with
// "元年" for an era's first year. Without the 六曜 (and its space) where the
// old calendar's table ends; empty before kGregorianInJapan.
std::string EraAndRokuyoText(std::chrono::year_month_day date);

}  // namespace ombrelk
