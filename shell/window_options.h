#pragma once

#include <cstdint>

namespace ombrelk {

class Program;

// Puts the calendar window into the always-on-top band or takes it out, as
// ModeTop says, and sets the menu's check mark. While start-up runs, only a
// window that is to be shown is touched.
void ApplyTopMost(Program& app);

// A length in twips as whole pixels at the fixed 15 twips per pixel, halves to even.
std::int32_t TwipsToPixels(float twips);

}  // namespace ombrelk
