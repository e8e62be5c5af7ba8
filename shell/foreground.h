#pragma once

#include <cstdint>

namespace ombrelk {

class WindowSystem;

// Brings a window to the foreground even while another program's window has
// the input focus, by joining that window's input state for the one call.
void ForceForeground(WindowSystem& ws, std::int32_t hwnd);

}  // namespace ombrelk
