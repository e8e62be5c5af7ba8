// Writes calendar/old_calendar_table.inc, the old lunisolar calendar as Japan
// reckons it, from the new moons and the sun's principal terms computed here:
//
//   make_old_calendar_table calendar/old_calendar_table.inc
//
// With --near-midnight MINUTES it lists instead the new moons and principal
// terms from 1961 to 2100 that fall within that many minutes of midnight in
// Japan, where a slightly different astronomy puts a month on another day.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "lunisolar.h"
#include "new_moon.h"
#include "sun.h"
#include "time_scales.h"

namespace ombrelk::oldcal {
namespace {

using namespace std::chrono;

// Japan took the Gregorian calendar on 1873-01-01; the table reaches to the
// end of 2100. The astronomy starts a year early and ends a year late, so
// that the months at both ends know their solstices.
constexpr year_month_day kFirstDay{year{1873}, January, day{1}};
constexpr year_month_day kLastDay{year{2100}, December, day{31}};
constexpr year_month_day kEpoch{year{1872}, January, day{1}};
constexpr int kFirstYear = 1871;
constexpr int kLastYear = 2101;
constexpr int kFirstDayShift = 5;  // the packing the table's comment describes

struct Event {
  double jde;
  const char* what;
};

std::vector<double> NewMoons() {
  std::vector<double> times;
  const sys_days end{year{kLastYear + 1} / March / 1};
  for (int k = FirstNewMoonFrom(JstNoonJde(sys_days{year{kFirstYear} / October / 1}));; ++k) {
    times.push_back(NewMoonTime(k));
    if (JstDay(times.back()) > end) return times;
  }
}

// The principal terms from the vernal equinox of the first year onwards, 0,
// 30, ... 330 degrees each year; the tenth of each year (270 degrees) is the
// winter solstice.
std::vector<double> PrincipalTerms() {
  std::vector<double> times;
  double guess = JstNoonJde(sys_days{year{kFirstYear} / March / 20});
  for (int n = 0; n < (kLastYear + 1 - kFirstYear) * 12; ++n) {
    times.push_back(SolarLongitudeTime(30.0 * (n % 12), guess));
    guess = times.back() + 30.44;
  }
  return times;
}

std::vector<sys_days> Days(const std::vector<double>& times) {
  std::vector<sys_days> days;
  for (double t : times) days.push_back(JstDay(t));
  return days;
}

std::vector<LunarMonth> Months() {
  const std::vector<sys_days> terms = Days(PrincipalTerms());
  std::vector<sys_days> solstices;
  for (std::size_t n = 9; n < terms.size(); n += 12) solstices.push_back(terms[n]);
  return NumberMonths(Days(NewMoons()), terms, solstices);
}

std::string Declaration(const year_month_day& date, const char* name) {
  std::ostringstream out;
  out << "constexpr std::chrono::year_month_day " << name << " = std::chrono::year{"
      << static_cast<int>(date.year()) << "} / " << static_cast<unsigned>(date.month()) << " / "
      << static_cast<unsigned>(date.day()) << ";\n";
  return out.str();
}

void WriteHeader(std::ostream& out) {
  out << "// Made by tools/old_calendar/make_old_calendar_table.cpp; do not edit. To make it\n"
         "// again after a change of the tool:\n"
         "//   cmake --build build --target make_old_calendar_table\n"
         "//   build/tools/old_calendar/make_old_calendar_table calendar/old_calendar_table.inc\n"
         "//\n"
         "// The old calendar's months from the one that holds kOldCalendarFirstDay to the\n"
         "// first one that begins after kOldCalendarLastDay, one number each: the first\n"
         "// day in days since kOldCalendarEpoch, times 32, plus the month's number (1-12)\n"
         "// times 2, plus 1 for a leap month.\n\n"
      << Declaration(kFirstDay, "kOldCalendarFirstDay")
      << Declaration(kLastDay, "kOldCalendarLastDay") << Declaration(kEpoch, "kOldCalendarEpoch")
      << "\n";
}

void WriteTable(std::ostream& out) {
  const std::vector<LunarMonth> months = Months();
  std::size_t first = 0;
  while (months[first + 1].first_day <= sys_days{kFirstDay}) ++first;
  std::size_t last = first;
  while (months[last].first_day <= sys_days{kLastDay}) ++last;
  WriteHeader(out);
  out << "constexpr std::uint32_t kOldCalendarMonths[] = {";
  for (std::size_t i = first; i <= last; ++i) {
    const LunarMonth& m = months[i];
    const auto days = static_cast<std::uint32_t>((m.first_day - sys_days{kEpoch}).count());
    const std::uint32_t packed =
        days << kFirstDayShift | static_cast<std::uint32_t>(m.number) << 1 | m.leap;
    char text[16];
    std::snprintf(text, sizeof text, "0x%06x,", packed);
    // Nine to a line, as clang-format lays them out.
    out << ((i - first) % 9 == 0 ? "\n    " : " ") << text;
  }
  out << "\n};\n";
}

void PrintIfNearMidnight(const Event& e, double minutes) {
  const double jst = JstDays(e.jde);
  const year_month_day date{JstDay(e.jde)};
  const bool near = std::abs(jst - std::round(jst)) * 24 * 60 <= minutes;
  if (!near || date.year() < year{1961} || date.year() > year{2100}) return;
  const int second = static_cast<int>(std::round((jst - std::floor(jst)) * 86400)) % 86400;
  std::printf("%04d-%02u-%02u %02d:%02d:%02d JST %s\n", static_cast<int>(date.year()),
              static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), second / 3600,
              second / 60 % 60, second % 60, e.what);
}

void ListNearMidnight(double minutes) {
  for (double t : NewMoons()) PrintIfNearMidnight({t, "new moon"}, minutes);
  const std::vector<double> terms = PrincipalTerms();
  for (std::size_t n = 0; n < terms.size(); ++n) {
    PrintIfNearMidnight({terms[n], n % 12 == 9 ? "winter solstice" : "principal term"}, minutes);
  }
}

}  // namespace
}  // namespace ombrelk::oldcal

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--near-midnight") {
    ombrelk::oldcal::ListNearMidnight(std::atof(argv[2]));
    return 0;
  }
  if (argc != 2) {
    std::cerr << "usage: make_old_calendar_table OUTPUT | --near-midnight MINUTES\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  ombrelk::oldcal::WriteTable(out);
  out.close();
  if (!out) {
    std::cerr << "make_old_calendar_table: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
