#pragma once

namespace ombrelk {

class Program;

// Reads the settings file once at start-up and applies each line as it is read.
// A missing or unreadable file is recreated with defaults for what was not read.
void LoadSettings(Program& app);

// Writes the whole settings file anew at shut-down.
void SaveSettings(Program& app);

}  // namespace ombrelk
