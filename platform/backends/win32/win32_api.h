#pragma once

// The Windows headers, for every file of the backend. They define the names
// of their A/W function pairs as macros, and three of those are also the
// names of the platform interfaces' own calls; the backend calls the W
// functions by their full names, so the short names stay the interfaces'.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#undef MessageBox
#undef ShellExecute
#undef Shell_NotifyIcon
