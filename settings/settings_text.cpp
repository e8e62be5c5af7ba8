#include "settings/settings_text.h"

#include <optional>

#include "platform/runtime_values/number_text.h"
#include "platform/runtime_values/text_functions.h"
#include "settings/settings_keys.h"

namespace ombrelk {

std::vector<std::string_view> SplitSettingsLines(std::string_view content) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (content.substr(0, kBom.size()) == kBom) content.remove_prefix(kBom.size());
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(content.substr(start));
      break;
    }
    lines.push_back(content.substr(start, end - start));
    start = end + 1;
    if (content[end] == '\r' && start < content.size() && content[start] == '\n') ++start;
  }
  return lines;
}

std::string HolidayLine(const Holidays& holidays) {
  std::string line(kKeyHoliday);
  for (int k = 0; k < holidays.HolidayCount; ++k) {
    const Holiday& h = holidays.HolidayTable[static_cast<std::size_t>(k)];
    line += ZeroPadded(h.year, 4) + ZeroPadded(h.month, 2) + ZeroPadded(h.day, 2);
  }
  return line;
}

HolidayLineResult ReadHolidayLine(std::string_view line) {
  HolidayLineResult result;
  for (std::size_t p = kValueColumn; p <= kHolidayLineEnd; p += kHolidayEntryLength) {
    if (p > line.size()) break;  // no year field: the list ends here
    const auto year = TextToInt16(Mid(line, p, 4));
    const auto month = year ? TextToInt16(Mid(line, p + 4, 2)) : std::nullopt;
    const auto day = month ? TextToInt16(Mid(line, p + 6, 2)) : std::nullopt;
    if (!day) {
      result.failed = true;
      break;
    }
    result.entries.push_back({*year, *month, *day});
  }
  return result;
}

}  // namespace ombrelk
