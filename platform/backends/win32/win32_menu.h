#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/controls/menu.h"

namespace ombrelk {

// Opens a menu of the model as a pop-up at the pointer, built from the
// entries it holds now with their check marks, and returns the entry chosen
// (null when the menu was dismissed). owner receives the menu's messages.
MenuItem* TrackMenuAtPointer(MenuItem& menu, HWND owner);

}  // namespace ombrelk
