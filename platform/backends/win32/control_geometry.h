#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/controls/control.h"

namespace ombrelk {

class WidgetHost;

// Makes the child window of a windowed control where the control lies in
// the form's client area, shown as the control is. Tool tips and the tab
// order are the form's business.
HWND CreateControlWindow(const wchar_t* window_class, DWORD style, const wchar_t* text,
                         const Control& control, WidgetHost& host);

// Places a control's window where its control lies, and shows or hides it.
void ApplyGeometry(HWND window, const Control& control, WidgetHost& host);

}  // namespace ombrelk
