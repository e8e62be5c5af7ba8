#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrelk {

// The names the Cabinet Office has given its list of days off, in the order
// they are looked for beside the settings file.
inline constexpr std::array<std::string_view, 2> kHolidayListFileNames{"syukujitsu.csv",
                                                                       "shukujitsu.csv"};

// A larger file is no list of days off: the published one is some 20 KB.
inline constexpr std::size_t kHolidayListMaxBytes = 1024 * 1024;

// The first line of the list. Only the list that carries 休日 in its header
// names the substitute and in-between days too, which the calendar needs as
// the list replaces the law's rules for its years.
inline constexpr std::string_view kHolidayListHeader = "国民の祝日・休日月日,国民の祝日・休日名称";

// One day of the list, with the name the list gives it.
struct ListedDay {
  std::chrono::year_month_day date;
  std::string name;
  friend bool operator==(const ListedDay&, const ListedDay&) = default;
};

// Japan's days off as the Cabinet Office lists them, for every year from its
// first day's to its last day's. The default list covers no year.
struct HolidayList {
  std::vector<ListedDay> days;  // in order of date, each date once
  std::chrono::year first_year{1};
  std::chrono::year last_year{0};

  bool Covers(std::chrono::year year) const { return first_year <= year && year <= last_year; }
  // The listed day on date; null when the list does not have it.
  const ListedDay* Find(std::chrono::year_month_day date) const;
  friend bool operator==(const HolidayList&, const HolidayList&) = default;
};

// Code page 932 text to UTF-8; none when the bytes are no such text.
using Cp932Decoder = std::function<std::optional<std::string>(std::string_view)>;

// What reading a list file came to: empty when it was taken, else why not in
// a short sentence for a message box.
struct ListReadResult {
  std::string refusal;
  bool ok() const { return refusal.empty(); }
};

// Reads the bytes of a list file as published (Shift_JIS, CRLF, the header,
// then one "yyyy/m/d,name" row a day in order of date) or saved as UTF-8,
// with or without byte order mark, with LF line ends. A row listed twice
// counts once; a row without a name is named 休日. When the file is taken,
// list becomes it; a refused file leaves list as it was.
ListReadResult ReadHolidayList(std::string_view bytes, const Cp932Decoder& decode,
                               HolidayList& list);

}  // namespace ombrelk
