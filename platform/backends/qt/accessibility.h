#pragma once

#include <QWidget>

#include "platform/controls/control.h"

namespace ombrelk {

// Gives a control's widget the name the model holds for a screen reader (a
// combo box's also as its description: a reader names a combo box by its
// current entry) and tells a reader that is listening when it changes. The
// widget remembers its control, so that the accessibility factory finds out
// whether a reader is to see it at all.
void MirrorAccessible(QWidget& widget, const Control& control);
// Tells a listening reader that a control came into its view or left it.
void AnnounceShownToReader(QWidget& widget);

// Installs, once, the factory that makes the calendar window a frame whose
// children are its controls in the form's reading order, without those not
// shown to a reader, and gives those controls' labels an invisible state. Qt
// keeps the interface it made first for a widget, so this runs before any
// window is made.
void InstallAccessibleFactory();

class Form;
// Makes a window a frame read in its form's reading order. Drops an interface
// Qt made for it while it was being built (a title set then is announced),
// before the factory could know it.
void ReadAsForm(QWidget& window, const Form& form);

}  // namespace ombrelk
