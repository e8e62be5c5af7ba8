#include "calendar/holiday_law.h"

#include <array>

#include "calendar/date_helpers.h"
#include "calendar/equinox_eras.h"

namespace ombrelk {

namespace {

using std::chrono::days;
using std::chrono::Monday;
using std::chrono::Sunday;
using std::chrono::sys_days;
using std::chrono::weekday;
using std::chrono::year_month_day;

enum class Name : std::uint8_t {
  None,
  NewYear,
  ComingOfAge,
  Foundation,
  EmperorsBirthday,
  VernalEquinox,
  Showa,
  Greenery,
  Constitution,
  Children,
  Marine,
  Mountain,
  RespectForTheAged,
  AutumnalEquinox,
  HealthAndSports,
  Sports,
  Culture,
  LabourThanksgiving,
  PrinceAkihitosWedding,
  ShowaFuneral,
  EnthronementCeremony,
  PrinceNaruhitosWedding,
  Accession,
  Substitute,
  Citizens,
};

// Indexed by Name.
constexpr std::array<std::string_view, 25> kNameTexts{
    "",
    "元日",
    "成人の日",
    "建国記念の日",
    "天皇誕生日",
    "春分の日",
    "昭和の日",
    "みどりの日",
    "憲法記念日",
    "こどもの日",
    "海の日",
    "山の日",
    "敬老の日",
    "秋分の日",
    "体育の日",
    "スポーツの日",
    "文化の日",
    "勤労感謝の日",
    "皇太子明仁親王の結婚の儀の行われる日",
    "昭和天皇の大喪の礼の行われる日",
    "即位礼正殿の儀の行われる日",
    "皇太子徳仁親王の結婚の儀の行われる日",
    "天皇の即位の日",
    "振替休日",
    "国民の休日",
};

// Days that a special law of their own made national holidays, once.
struct OneOffDay {
  int year;
  unsigned month, day;
  Name name;
};
constexpr std::array<OneOffDay, 6> kOneOffDays{{
    {1959, 4, 10, Name::PrinceAkihitosWedding},
    {1989, 2, 24, Name::ShowaFuneral},
    {1990, 11, 12, Name::EnthronementCeremony},
    {1993, 6, 9, Name::PrinceNaruhitosWedding},
    {2019, 5, 1, Name::Accession},
    {2019, 10, 22, Name::EnthronementCeremony},
}};

constexpr std::array<EquinoxEra, 3> kEquinoxEras{kEquinoxEra1948, kEquinoxEra1980, kEquinoxEra2100};

constexpr sys_days kActStart{kHolidayActStart};
// A holiday Sunday gives a substitute holiday from this day on.
constexpr sys_days kSubstituteFrom{std::chrono::year{1973} / 4 / 12};
// From this day on the substitute is the first day after the Sunday that is no
// national holiday, rather than the Monday.
constexpr sys_days kNextFreeDayFrom{std::chrono::year{2007} / 1 / 1};
// A day between two national holidays is off from this day on.
constexpr sys_days kCitizensFrom{std::chrono::year{1985} / 12 / 27};

// The equinox day of March or September; 0 in the years the formula does not reach.
unsigned EquinoxDay(int year, bool march) {
  for (const EquinoxEra& era : kEquinoxEras) {
    if (InEra(era, year)) return static_cast<unsigned>(EquinoxDayInEra(era, year, march));
  }
  return 0;
}

// Whether day d of a month, a weekday wd, is the month's nth Monday.
constexpr bool IsNthMonday(unsigned d, weekday wd, unsigned n) {
  return wd == Monday && (d + 6) / 7 == n;
}

// 海の日: 20 July, the third Monday from 2003, moved for the Olympic Games.
bool IsMarineDay(int y, unsigned d, weekday wd) {
  if (y < 1996) return false;
  if (y <= 2002) return d == 20;
  if (y == 2020) return d == 23;
  if (y == 2021) return d == 22;
  return IsNthMonday(d, wd, 3);
}

// 体育の日 to 2019, スポーツの日 from 2020, on 10 October until 1999 and the second
// Monday since; in the Olympic years it moved into July.
Name SportsDay(int y, unsigned month, unsigned d, weekday wd) {
  if (y == 2020) return month == 7 && d == 24 ? Name::Sports : Name::None;
  if (y == 2021) return month == 7 && d == 23 ? Name::Sports : Name::None;
  if (month != 10 || y < 1966) return Name::None;
  if (y < 2000) return d == 10 ? Name::HealthAndSports : Name::None;
  if (!IsNthMonday(d, wd, 2)) return Name::None;
  return y < 2020 ? Name::HealthAndSports : Name::Sports;
}

unsigned MountainDay(int y) {
  if (y < 2016) return 0;
  if (y == 2020) return 10;
  if (y == 2021) return 8;
  return 11;
}

// The national holiday of a date on or after the Act's start, by its rules of
// that year.
Name FixedRuleHoliday(int y, unsigned m, unsigned d, weekday wd) {
  switch (m) {
    case 1:
      if (d == 1) return Name::NewYear;
      if (y < 2000 ? d == 15 : IsNthMonday(d, wd, 2)) return Name::ComingOfAge;
      break;
    case 2:
      if (d == 11 && y >= 1967) return Name::Foundation;
      if (d == 23 && y >= 2020) return Name::EmperorsBirthday;
      break;
    case 3:
      if (d == EquinoxDay(y, true)) return Name::VernalEquinox;
      break;
    case 4:
      if (d == 29)
        return y < 1989 ? Name::EmperorsBirthday : y < 2007 ? Name::Greenery : Name::Showa;
      break;
    case 5:
      if (d == 3) return Name::Constitution;
      if (d == 4 && y >= 2007) return Name::Greenery;
      if (d == 5) return Name::Children;
      break;
    case 7:
      if (IsMarineDay(y, d, wd)) return Name::Marine;
      return SportsDay(y, m, d, wd);
    case 8:
      if (d == MountainDay(y)) return Name::Mountain;
      break;
    case 9:
      if (y >= 1966 && (y < 2003 ? d == 15 : IsNthMonday(d, wd, 3))) return Name::RespectForTheAged;
      if (d == EquinoxDay(y, false)) return Name::AutumnalEquinox;
      break;
    case 10:
      return SportsDay(y, m, d, wd);
    case 11:
      if (d == 3) return Name::Culture;
      if (d == 23) return Name::LabourThanksgiving;
      break;
    case 12:
      if (d == 23 && y >= 1989 && y <= 2018) return Name::EmperorsBirthday;
      break;
    default:
      break;
  }
  return Name::None;
}

Name NationalHoliday(const year_month_day& date, weekday wd) {
  const int y = static_cast<int>(date.year());
  const auto m = static_cast<unsigned>(date.month());
  const auto d = static_cast<unsigned>(date.day());
  if (const Name n = FixedRuleHoliday(y, m, d, wd); n != Name::None) return n;
  for (const OneOffDay& o : kOneOffDays) {
    if (o.year == y && o.month == m && o.day == d) return o.name;
  }
  return Name::None;
}

bool IsNationalHoliday(sys_days day) {
  return day >= kActStart && NationalHoliday(year_month_day{day}, weekday{day}) != Name::None;
}

// A day after a holiday Sunday: the Monday until 2006, from 2007 the first day
// after the Sunday that is no national holiday itself. day is none.
bool IsSubstituteHoliday(sys_days day) {
  sys_days before = day - days{1};
  if (before < kSubstituteFrom) return false;
  if (day < kNextFreeDayFrom) return weekday{before} == Sunday && IsNationalHoliday(before);
  for (; IsNationalHoliday(before); before -= days{1}) {
    if (weekday{before} == Sunday) return true;
  }
  return false;
}

// A day other than Sunday between two national holidays; a substitute
// holiday does not count as one. day is none itself.
bool IsBetweenNationalHolidays(sys_days day) {
  return day >= kCitizensFrom && weekday{day} != Sunday && IsNationalHoliday(day - days{1}) &&
         IsNationalHoliday(day + days{1});
}

Name DayOff(const year_month_day& date) {
  const sys_days day{date};
  if (day < kActStart) return Name::None;
  if (const Name n = NationalHoliday(date, weekday{day}); n != Name::None) return n;
  // Both kinds of 休日 follow a national holiday.
  if (!IsNationalHoliday(day - days{1})) return Name::None;
  if (IsSubstituteHoliday(day)) return Name::Substitute;
  if (IsBetweenNationalHolidays(day)) return Name::Citizens;
  return Name::None;
}

}  // namespace

bool IsUsersOwnDate(const Holidays& holidays, year_month_day date) {
  return FindTableEntry(holidays, static_cast<int>(date.year()),
                        static_cast<int>(static_cast<unsigned>(date.month())),
                        static_cast<int>(static_cast<unsigned>(date.day())),
                        IsDefaultRow) != nullptr;
}

std::string_view LawDayOffName(year_month_day date) {
  return kNameTexts[static_cast<std::size_t>(DayOff(date))];
}

bool IsLawHoliday(const Holidays& holidays, std::int16_t year, std::int16_t month,
                  std::int16_t day) {
  const year_month_day date{std::chrono::year{year},
                            std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  return DayOff(date) != Name::None || IsUsersOwnDate(holidays, date);
}

std::string_view LawHolidayName(const Holidays& holidays, year_month_day date) {
  const std::string_view name = LawDayOffName(date);
  if (!name.empty()) return name;
  return IsUsersOwnDate(holidays, date) ? kUsersDayOffName : "";
}

}  // namespace ombrelk
