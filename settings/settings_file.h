#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ombrelk {

class ErrorSink;
class FileSystem;
class FrmMain;
struct CalendarState;

// Reads the settings file once at start-up and applies each line as it is
// read: the state, the calendar window's place, check marks and visibility;
// apply_top_most puts the window into or out of the always-on-top band when
// the option is read. A missing or unreadable file is recreated with defaults
// for what was not read.
void LoadSettings(CalendarState& state, FrmMain& frm, FileSystem& files, ErrorSink& errors,
                  const std::function<void()>& apply_top_most);

// Writes the whole settings file anew at shut-down. A file that could not be
// written leaves a line on errors; the result then says so in Japanese for the
// user, naming the file and the reason.
std::optional<std::string> SaveSettings(const CalendarState& state, const FrmMain& frm,
                                        FileSystem& files, ErrorSink& errors);

}  // namespace ombrelk
