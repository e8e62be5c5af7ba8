// The reader of the Cabinet Office's list of days off, with the system's code
// page converter, for any file. Any property that fails aborts with a
// message, which libFuzzer reports as a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calendar/holiday_list.h"
#include "platform/backends/codepage/code_page_decoding.h"

namespace ombrelk::fuzzing {
namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

ListReadResult Read(std::string_view bytes, HolidayList& list) {
  static const CodePageDecoding decoding;
  return ReadHolidayList(
      bytes, [](std::string_view b) { return decoding.Cp932ToUtf8(b); }, list);
}

// A list read before, which a refused file must leave as it was.
const HolidayList& Previous() {
  static const HolidayList list = [] {
    HolidayList l;
    Read(std::string(kHolidayListHeader) + "\n2020/1/1,元日\n2021/2/23,天皇誕生日\n", l);
    return l;
  }();
  return list;
}

// Days in order of date, each once and named, covering the years from the
// first day's to the last day's; no year when there is no day.
bool IsWellFormed(const HolidayList& list) {
  if (list.days.empty()) return list.first_year > list.last_year;
  for (std::size_t i = 0; i < list.days.size(); ++i) {
    if (!list.days[i].date.ok() || list.days[i].name.empty()) return false;
    if (i > 0 && !(list.days[i - 1].date < list.days[i].date)) return false;
  }
  return list.first_year == list.days.front().date.year() &&
         list.last_year == list.days.back().date.year();
}

// The list as a user might save it again: UTF-8, zero-padded years, CRLF.
std::string WrittenBack(const HolidayList& list) {
  std::string out(kHolidayListHeader);
  out += "\r\n";
  for (const ListedDay& d : list.days) {
    char date[24];
    std::snprintf(date, sizeof date, "%04d/%u/%u,", static_cast<int>(d.date.year()),
                  static_cast<unsigned>(d.date.month()), static_cast<unsigned>(d.date.day()));
    out += date + d.name + "\r\n";
  }
  return out;
}

void Check(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  HolidayList list = Previous();
  const ListReadResult read = Read(bytes, list);
  if (!read.ok()) {
    Require(list == Previous(), "a refused file leaves the list it had");
    Require(read.refusal.ends_with("。"), "a refusal is one sentence");
    return;
  }
  Require(IsWellFormed(list), "a list in order of date that covers its years");
  HolidayList again = Previous();
  Require(Read(WrittenBack(list), again).ok(), "a list written back is taken");
  Require(again == list, "a list written back reads as the same days");
}

}  // namespace
}  // namespace ombrelk::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ombrelk::fuzzing::Check(data, size);
  return 0;
}
