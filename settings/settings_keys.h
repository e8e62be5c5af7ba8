#pragma once

#include <cstddef>
#include <string_view>

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
