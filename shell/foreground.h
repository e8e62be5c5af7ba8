#pragma once

#include <cstdint>

namespace ombrelk {

class Program;

// Brings a window to the foreground even while another program's window has
// the input focus, by joining that window's input state for the one call.
void ForceForeground(Program& app, std::int32_t hwnd);

}  // namespace ombrelk
