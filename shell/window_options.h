#pragma once

#include <cstdint>

namespace ombrelk {

class Form;
class Program;
class WindowSystem;

// Puts the calendar window into the always-on-top band or takes it out, as
// ModeTop says, and sets the menu's check mark. While start-up runs, only a
// window that is to be shown is touched.
void ApplyTopMost(Program& app);

// Shows the window and moves it in the z-order without activating it; its
// place and size stay as they are, in pixels of the screen it is on.
void SetWindowPosInPlace(WindowSystem& windows, const Form& form, std::int32_t insert_after);

}  // namespace ombrelk
