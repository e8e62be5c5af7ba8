#pragma once

#include <vector>

#include "platform/controls/form.h"

namespace ombrelk {

// Whether a control ever takes the keyboard focus: buttons and combo boxes
// do; labels, lines and pictures never do, though they may hold tab positions.
bool TakesFocus(const Control& control);

// The controls that take the focus, by tab position: the order the Tab key
// walks, the first holding the focus when the window opens.
std::vector<Control*> TabOrder(const Form& form);

// The controls from the bottom of the stacking order to the top: a backend
// that places (raises) each in turn above the ones placed before leaves them
// stacked as the form lists them.
std::vector<Control*> StackingBottomUp(const Form& form);

}  // namespace ombrelk
