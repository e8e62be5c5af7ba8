#include "calendar/japanese_era.h"

#include <array>

#include "calendar/date_helpers.h"
#include "calendar/old_calendar.h"

namespace ombrelk {
namespace {

using namespace std::chrono;

struct EraStart {
  std::string_view era;
  year_month_day first_day;  // the first Gregorian day counted in the era
  int first_year;            // the Gregorian year of the era's 元年
};

// 明治 began in 1868, but its days were old-calendar days until 1873.
constexpr std::array<EraStart, 5> kEras{{
    {"明治", kGregorianInJapan, 1868},
    {"大正", year{1912} / July / 30, 1912},
    {"昭和", year{1926} / December / 25, 1926},
    {"平成", year{1989} / January / 8, 1989},
    {"令和", year{2019} / May / 1, 2019},
}};

}  // namespace

std::optional<EraYear> ToEra(year_month_day date) {
  if (!date.ok()) return std::nullopt;
  for (auto era = kEras.rbegin(); era != kEras.rend(); ++era) {
    if (date >= era->first_day) {
      return EraYear{era->era, static_cast<int>(date.year()) - era->first_year + 1};
    }
  }
  return std::nullopt;
}

std::string EraAndRokuyoText(year_month_day date) {
  const std::optional<EraYear> era = ToEra(date);
  if (!era) return {};
  std::string text{era->era};
  text += era->year == 1 ? "元" : std::to_string(era->year);
  text += "年" + std::to_string(static_cast<unsigned>(date.month())) + "月" +
          std::to_string(static_cast<unsigned>(date.day())) + "日（";
  text += kWeekdayKanji[weekday{sys_days{date}}.c_encoding()];
  text += "）";
  if (const std::optional<std::string_view> rokuyo = Rokuyo(date)) {
    text += ' ';
    text += *rokuyo;
  }
  return text;
}

}  // namespace ombrelk
