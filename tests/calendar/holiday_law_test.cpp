#include "calendar/holiday_law.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "calendar/is_holiday.h"

namespace ombrelk {
namespace {

using namespace std::chrono;

year_month_day Ymd(int y, int m, int d) {
  return year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)};
}

std::string Text(const year_month_day& date) {
  std::array<char, 16> buf{};
  std::snprintf(buf.data(), buf.size(), "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return buf.data();
}

// The facts of the law that the data set does not reach: before 1970 and
// after 2050.
TEST(LawDayOffName, BeyondTheDataSet) {
  const struct {
    int y, m, d;
    const char* name;
  } rows[] = {
      {1948, 5, 3, ""},  // before the Act
      {1948, 9, 23, "秋分の日"},
      {1949, 1, 15, "成人の日"},
      {1949, 3, 21, "春分の日"},
      {1949, 4, 29, "天皇誕生日"},
      {1959, 4, 10, "皇太子明仁親王の結婚の儀の行われる日"},
      {1965, 9, 15, ""},
      {1966, 9, 15, "敬老の日"},
      {1966, 10, 10, "体育の日"},
      {1966, 2, 11, ""},
      {1967, 2, 11, "建国記念の日"},
      {1967, 2, 12, ""},  // a holiday Sunday before substitute holidays
      {2051, 7, 17, "海の日"},
      {2100, 2, 23, "天皇誕生日"},
      {2150, 10, 12, "スポーツの日"},
      {9999, 1, 1, "元日"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(LawDayOffName(Ymd(r.y, r.m, r.d)), r.name) << r.y << "-" << r.m << "-" << r.d;
  }
}

// One spring and one autumn equinox day a year from 1948 to 2150, none after;
// over 1980 to 2099 they fall where the default rules compute them.
TEST(LawDayOffName, EquinoxDays) {
  const Holidays empty;
  for (int y = 1948; y <= 2160; ++y) {
    for (const auto& [m, name] : {std::pair{3, "春分の日"}, std::pair{9, "秋分の日"}}) {
      int found = 0;
      for (int d = 1; d <= 30; ++d) {
        if (LawDayOffName(Ymd(y, m, d)) != name) continue;
        ++found;
        EXPECT_TRUE(m == 3 ? d >= 19 && d <= 22 : d >= 22 && d <= 24) << y << "-" << m << "-" << d;
        if (y >= 1980 && y <= 2099) {
          EXPECT_TRUE(IsHoliday(empty, static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                                static_cast<std::int16_t>(d)))
              << y << "-" << m << "-" << d;
        }
      }
      const bool before_the_act = y == 1948 && m == 3;
      EXPECT_EQ(found, y <= 2150 && !before_the_act ? 1 : 0) << y << "-" << m;
    }
  }
}

Holidays TableOf(std::initializer_list<Holiday> entries) {
  Holidays h;
  for (const Holiday& e : entries) h.HolidayTable[static_cast<std::size_t>(h.HolidayCount++)] = e;
  return h;
}

// The user's own dates add their day alone; the default rows add nothing,
// wherever they stand.
TEST(LawHolidayName, UserDates) {
  Holidays defaults;
  LoadDefaultHolidayTable(defaults);
  Holidays with_extras = defaults;
  for (const Holiday e : {Holiday{0, 6, 28}, Holiday{0, 11, 5}, Holiday{2026, 1, 15},
                          Holiday{2026, 9, 15}, Holiday{0, 12, 23}})
    with_extras.HolidayTable[static_cast<std::size_t>(with_extras.HolidayCount++)] = e;
  const Holidays moved_default = TableOf({{0, 8, 1}, {0, 9, 15}});
  const struct {
    const char* table_name;
    const Holidays& table;
    int y, m, d;
    const char* name;
  } rows[] = {
      {"defaults", defaults, 2026, 9, 15, ""},
      {"defaults", defaults, 2026, 12, 23, ""},
      {"defaults", defaults, 2026, 3, 21, ""},
      {"defaults", defaults, 2026, 1, 15, ""},
      {"defaults", defaults, 2026, 9, 21, "敬老の日"},
      {"extras", with_extras, 2026, 6, 28, "休日"},  // a Sunday of the user's
      {"extras", with_extras, 2026, 6, 29, ""},      // gives no substitute
      {"extras", with_extras, 2026, 11, 5, "休日"},
      {"extras", with_extras, 2026, 11, 4, ""},      // nor a day in between
      {"extras", with_extras, 2026, 1, 15, "休日"},  // no exclusion applies
      {"extras", with_extras, 2026, 9, 15, "休日"},  // a year of its own: not a default row
      {"extras", with_extras, 2027, 9, 15, ""},
      {"extras", with_extras, 2026, 12, 23, ""},         // a default row, twice
      {"extras", with_extras, 2026, 11, 3, "文化の日"},  // the law's name first
      {"moved default", moved_default, 2026, 9, 15, ""},
      {"moved default", moved_default, 2026, 8, 1, "休日"},
      {"empty", Holidays{}, 2026, 9, 22, "国民の休日"},
  };
  for (const auto& r : rows) {
    const std::string where = std::string(r.table_name) + " " + std::to_string(r.y) + "-" +
                              std::to_string(r.m) + "-" + std::to_string(r.d);
    EXPECT_EQ(LawHolidayName(r.table, Ymd(r.y, r.m, r.d)), r.name) << where;
    EXPECT_EQ(IsLawHoliday(r.table, static_cast<std::int16_t>(r.y), static_cast<std::int16_t>(r.m),
                           static_cast<std::int16_t>(r.d)),
              *r.name != '\0')
        << where;
  }
}

// The data set: @holiday-jp/holiday_jp from npm (tests/calendar/holiday_data),
// every holiday of 1970 to 2050 with its name. Its file is a JavaScript object
// whose entries each hold a line date: "yyyy-mm-dd" and then name: "...".
std::map<std::string, std::string> ReadDataSet() {
  std::ifstream in(OMBRELK_HOLIDAY_DATA);
  if (!in) {
    ADD_FAILURE() << "The holiday data set is missing: " << OMBRELK_HOLIDAY_DATA
                  << "\nInstall it with scripts/install-deps.sh test.";
    return {};
  }
  std::stringstream s;
  s << in.rdbuf();
  const std::string text = s.str();
  std::map<std::string, std::string> out;
  const std::string date_key = "date: \"";
  const std::string name_key = "name: \"";
  for (std::size_t p = text.find(date_key); p != std::string::npos;
       p = text.find(date_key, p + 1)) {
    const std::string date = text.substr(p + date_key.size(), 10);
    const std::size_t n = text.find(name_key, p);
    const std::size_t end = n == std::string::npos ? n : text.find('"', n + name_key.size());
    if (end == std::string::npos) {
      ADD_FAILURE() << "no name for " << date << " in the data set";
      return {};
    }
    out[date] = text.substr(n + name_key.size(), end - n - name_key.size());
  }
  return out;
}

// Whether the data set's name of a day is ours in its own wording. It calls
// a day between two holidays "休日", shortens the one-off days' names, and so
// on as listed; a substitute holiday it names after one of the holidays
// between the Sunday and it ("こどもの日 振替休日", or "憲法記念日 振替休日" for
// 6 May 2020, both after a Sunday 3 May).
bool WordedAlike(const year_month_day& date, std::string_view ours, const std::string& theirs) {
  static const std::map<std::string, std::string> kOwnWording{
      {"1989-02-24", "大喪の礼"},
      {"1990-11-12", "即位礼正殿の儀"},
      {"1993-06-09", "結婚の儀"},
      {"2019-05-01", "休日（祝日扱い）"},
      {"2019-10-14", "体育の日（スポーツの日）"},
      {"2019-10-22", "休日（祝日扱い）"},
  };
  if (const auto it = kOwnWording.find(Text(date)); it != kOwnWording.end()) {
    return theirs == it->second;
  }
  if (ours == "国民の休日") return theirs == "休日";
  if (ours == "振替休日") {
    for (sys_days d = sys_days{date} - days{1}; !LawDayOffName(year_month_day{d}).empty();
         d -= days{1}) {
      if (theirs == std::string(LawDayOffName(year_month_day{d})) + " 振替休日") return true;
    }
    return false;
  }
  return theirs == ours;
}

TEST(LawDayOffName, AgreesWithTheDataSetOnEveryDayOf1970To2050) {
  const std::map<std::string, std::string> data = ReadDataSet();
  ASSERT_GE(data.size(), 1300U) << "the data set is incomplete";
  ASSERT_EQ(data.begin()->first, "1970-01-01");
  ASSERT_EQ(data.rbegin()->first.substr(0, 4), "2050");
  std::size_t holidays = 0;
  for (sys_days day = sys_days{Ymd(1970, 1, 1)}; day <= sys_days{Ymd(2050, 12, 31)};
       day += days{1}) {
    const year_month_day date{day};
    const std::string_view ours = LawDayOffName(date);
    const auto it = data.find(Text(date));
    if (it == data.end()) {
      EXPECT_EQ(ours, "") << Text(date) << " is no holiday in the data set";
      continue;
    }
    ++holidays;
    EXPECT_NE(ours, "") << Text(date) << " is " << it->second << " in the data set";
    if (!ours.empty()) {
      EXPECT_TRUE(WordedAlike(date, ours, it->second))
          << Text(date) << ": ours " << ours << ", the data set's " << it->second;
    }
  }
  EXPECT_EQ(holidays, data.size());
}

TEST(LawDayOffName, NothingBeforeTheAct) {
  for (sys_days day = sys_days{Ymd(1900, 1, 1)}; day < sys_days{kHolidayActStart}; day += days{1}) {
    ASSERT_EQ(LawDayOffName(year_month_day{day}), "") << Text(year_month_day{day});
  }
}

}  // namespace
}  // namespace ombrelk
