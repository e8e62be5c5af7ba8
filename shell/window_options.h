#pragma once

#include <cstdint>

namespace ombrelk {

class Program;

// Puts the calendar window into the always-on-top band or takes it out, as
// ModeTop says, and sets the menu's check mark. While start-up runs, only a
// window that is to be shown is touched.
void ApplyTopMost(Program& app);

// A length in twips as whole pixels, halves to even: at the screen's twips
// per pixel, which is 15 at 96 DPI (the calendar's only one once), so that a
// window keeps its place at any resolution.
std::int32_t TwipsToPixels(float twips, float twips_per_pixel = 15);

}  // namespace ombrelk
