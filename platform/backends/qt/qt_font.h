#pragma once

#include <QFont>

#include "platform/controls/control.h"

namespace ombrelk {

// The font a control asks for. Sizes are fixed in logical pixels (at 96 dots
// per inch, as the layout's twips assume), so texts fit their labels whatever
// the screen's font resolution.
QFont ToQFont(const Font& font);

// The Windows faces the layout names (and the one controls get by default)
// are not found on Linux; Japanese gothic faces take their place, the first
// one installed winning.
void RegisterFontSubstitutes();

// What a control without a font of its own shows: 9 point Japanese gothic.
// Set as the application's font, menus, tips and message boxes use it too.
QFont DefaultControlFont();

}  // namespace ombrelk
