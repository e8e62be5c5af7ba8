#include "shell/holiday_list_file.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "calendar/holiday_list.h"
#include "platform/services/services.h"
#include "shell/problem_message.h"
#include "state/calendar_state.h"

namespace ombrelk {

namespace {

// A file is told apart by its name and its bytes: the same refused file is
// explained once, but a new copy of it that is still wrong is explained again.
std::size_t FileKey(std::string_view name, const std::string& bytes) {
  std::string key(name);
  key += '\0';
  key += bytes;
  return std::hash<std::string>{}(key);
}

void SayRefused(CalendarState& state, const Services& sys, const FilePath& path,
                std::string_view name, const std::string& bytes, const std::string& refusal) {
  if (!state.refused_lists.insert(FileKey(name, bytes)).second) return;
  sys.errors.Write("ombrelk: cannot take " + path.text() + ": " + refusal + "\n");
  ShowProblem(sys, std::string(name) + " を読めませんでした: " + refusal);
}

}  // namespace

void ReadHolidayListFile(CalendarState& state, const Services& sys) {
  const FilePath folder = state.settings_file.Parent();
  const TextDecoding& text = sys.text;
  const Cp932Decoder decode = [&text](std::string_view bytes) { return text.Cp932ToUtf8(bytes); };
  for (const std::string_view name : kHolidayListFileNames) {
    const FilePath path = folder / name;
    const ReadResult file = sys.files.ReadAll(path);
    if (file.status == ReadResult::Status::kMissing) continue;
    // Held open by a copy in progress, or in a folder the calendar may not
    // look into: the days read before stand, and the next day tries again.
    if (!file.read()) return;
    const ListReadResult result = ReadHolidayList(file.content, decode, state.holiday_list);
    if (!result.ok()) SayRefused(state, sys, path, name, file.content, result.refusal);
    return;
  }
  // The user took the list away: the law's rules decide every year again.
  state.holiday_list = HolidayList{};
}

}  // namespace ombrelk
