#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calendar/date_helpers.h"

namespace ombrelk {

// The settings file's keys: ten characters each, colon and blanks included.
inline constexpr std::size_t kKeyLength = 10;
inline constexpr std::string_view kKeyFormTop = "FORMTOP  :";
inline constexpr std::string_view kKeyFormLeft = "FORMLEFT :";
inline constexpr std::string_view kKeyStartWeekday = "STARTWDAY:";
inline constexpr std::string_view kKeyHoliday = "HOLIDAY  :";
inline constexpr std::string_view kKeyModeShow = "MODE_SHOW:";
inline constexpr std::string_view kKeyModeTop = "MODE_TOP :";
inline constexpr std::string_view kKeyModeMin = "MODE_MIN :";
inline constexpr std::string_view kKeyModeLaw = "MODE_LAW :";
inline constexpr std::string_view kKeyModeReki = "MODE_REKI:";
inline constexpr std::string_view kKeyModeIcon = "MODE_ICON:";
// Where a value starts, counted from 1 as Mid counts: right after its key.
inline constexpr std::size_t kValueColumn = kKeyLength + 1;

// What a file without a key gives, and what a recreated file holds. The first
// weekday is written as its name (kWeekdayNames) and read by the name's first
// three characters.
inline constexpr std::int16_t kDefaultStartWeekday = kSunday;
inline constexpr std::size_t kWeekdayNameReadLength = 3;
inline constexpr std::int16_t kDefaultModeShow = 1;
inline constexpr std::int16_t kDefaultModeTop = 1;

// A holiday entry: year (4), month (2) and day (2) characters, no separator.
inline constexpr std::size_t kHolidayEntryLength = 8;
// The last character of a holiday line that is ever read (the 100th entry's end).
inline constexpr std::size_t kHolidayLineEnd = 810;

inline constexpr std::string_view kSettingsFileName = "Ombrelk.ini";
inline constexpr std::string_view kBackupSuffix = ".bak";
// Backups "Ombrelk.ini.bak1" to "Ombrelk.ini.bak9", tried when ".bak" cannot be made.
inline constexpr int kMaxNumberedBackups = 9;
inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace ombrelk
