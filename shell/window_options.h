#pragma once

namespace ombrelk {

class Program;

// Puts the calendar window into the always-on-top band or takes it out, as
// ModeTop says, and sets the menu's check mark. While start-up runs, only a
// window that is to be shown is touched.
void ApplyTopMost(Program& app);

}  // namespace ombrelk
