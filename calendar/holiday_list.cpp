#include "calendar/holiday_list.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace ombrelk {

namespace {

using std::chrono::year_month_day;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUnnamedDay = "休日";

// The refusals. A row that is no date adds its line number in front.
constexpr std::string_view kTooLarge = "1 MB を超えています。";
constexpr std::string_view kUndecodable = "文字コードが読めません。";
constexpr std::string_view kNoHeader = "見出しの行がありません。";
constexpr std::string_view kOutOfOrder = "日付が順に並んでいません。";
constexpr std::string_view kNoDate = "行目の日付が読めません。";

// The allowed second byte of a UTF-8 sequence after each lead byte, which
// leaves out overlong forms, surrogates and what lies above U+10FFFF.
bool IsSecondByte(unsigned char lead, unsigned char c) {
  if (lead == 0xE0) return c >= 0xA0 && c <= 0xBF;
  if (lead == 0xED) return c >= 0x80 && c <= 0x9F;
  if (lead == 0xF0) return c >= 0x90 && c <= 0xBF;
  if (lead == 0xF4) return c >= 0x80 && c <= 0x8F;
  return c >= 0x80 && c <= 0xBF;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    } else if (lead >= 0x80) {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if (k == 1 ? !IsSecondByte(lead, c) : c < 0x80 || c > 0xBF) return false;
    }
    i += length;
  }
  return true;
}

// The file as UTF-8. A file saved as UTF-8 shows itself by its header or its
// byte order mark, and must then be UTF-8 throughout; any other is read as
// published, in code page 932.
std::optional<std::string> ToUtf8(std::string_view bytes, const Cp932Decoder& decode) {
  const bool marked = bytes.starts_with(kByteOrderMark);
  const std::string_view text = marked ? bytes.substr(kByteOrderMark.size()) : bytes;
  if (marked || text.starts_with(kHolidayListHeader)) {
    if (!IsUtf8(text)) return std::nullopt;
    return std::string(text);
  }
  if (!decode) return std::nullopt;
  return decode(bytes);
}

// The lines without their CR LF or LF ends; empty lines at the end do not count.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// A number of min_digits to max_digits decimal digits at the start of text,
// which then goes past it.
std::optional<unsigned> TakeNumber(std::string_view& text, std::size_t min_digits,
                                   std::size_t max_digits) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const auto digits = static_cast<std::size_t>(end - text.data());
  if (error != std::errc() || digits < min_digits || digits > max_digits) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

// "yyyy/m/d", leading zeros allowed, a date of the Gregorian calendar.
std::optional<year_month_day> ParseDate(std::string_view text) {
  const auto y = TakeNumber(text, 4, 4);
  if (!y || !text.starts_with('/')) return std::nullopt;
  text.remove_prefix(1);
  const auto m = TakeNumber(text, 1, 2);
  if (!m || !text.starts_with('/')) return std::nullopt;
  text.remove_prefix(1);
  const auto d = TakeNumber(text, 1, 2);
  if (!d || !text.empty()) return std::nullopt;
  const year_month_day date{std::chrono::year{static_cast<int>(*y)}, std::chrono::month{*m},
                            std::chrono::day{*d}};
  if (!date.ok()) return std::nullopt;
  return date;
}

// A row: the date, and after the first comma the name.
std::optional<ListedDay> ParseRow(std::string_view line) {
  const std::size_t comma = std::min(line.find(','), line.size());
  const auto date = ParseDate(line.substr(0, comma));
  if (!date) return std::nullopt;
  const std::string_view name = comma < line.size() ? line.substr(comma + 1) : "";
  return ListedDay{*date, std::string(name.empty() ? kUnnamedDay : name)};
}

ListReadResult Refuse(std::string_view why) {
  return {std::string(why)};
}

}  // namespace

const ListedDay* HolidayList::Find(year_month_day date) const {
  const auto it = std::lower_bound(
      days.begin(), days.end(), date,
      [](const ListedDay& listed, const year_month_day& d) { return listed.date < d; });
  return it != days.end() && it->date == date ? &*it : nullptr;
}

ListReadResult ReadHolidayList(std::string_view bytes, const Cp932Decoder& decode,
                               HolidayList& list) {
  if (bytes.size() > kHolidayListMaxBytes) return Refuse(kTooLarge);
  const std::optional<std::string> text = ToUtf8(bytes, decode);
  if (!text) return Refuse(kUndecodable);
  const std::vector<std::string_view> lines = Lines(*text);
  if (lines.empty() || lines.front() != kHolidayListHeader) return Refuse(kNoHeader);

  HolidayList read;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::optional<ListedDay> row = ParseRow(lines[i]);
    if (!row) return Refuse(std::to_string(i + 1) + std::string(kNoDate));
    if (!read.days.empty() && row->date <= read.days.back().date) {
      if (row->date == read.days.back().date) continue;
      return Refuse(kOutOfOrder);
    }
    read.days.push_back(std::move(*row));
  }
  if (!read.days.empty()) {
    read.first_year = read.days.front().date.year();
    read.last_year = read.days.back().date.year();
  }
  list = std::move(read);
  return {};
}

}  // namespace ombrelk
