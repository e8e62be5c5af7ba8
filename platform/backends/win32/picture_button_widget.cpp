#include "platform/backends/win32/picture_button_widget.h"

#include "platform/backends/win32/control_geometry.h"
#include "platform/backends/win32/widget_host.h"

namespace ombrelk {

namespace {

// The button pictures are 20 x 20 at 96 DPI and grow with the screen's scale.
constexpr int kPicturePixels = 20;
constexpr int kLayoutDpi = 96;

}  // namespace

PictureButtonWidget::PictureButtonWidget(PictureButton& button, WidgetHost& host)
    : button_(button),
      host_(host),
      window_(CreateControlWindow(L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, L"", button, host)),
      reader_(window_, button, ROLE_SYSTEM_PUSHBUTTON) {
  button_.AttachPeer(this);
}

PictureButtonWidget::~PictureButtonWidget() {
  button_.AttachPeer(nullptr);
}

void PictureButtonWidget::PropertyChanged(Property what) {
  if (what == Property::Geometry || what == Property::Visible) {
    ApplyGeometry(window_, button_, host_);
  } else if (what == Property::AccessibleName) {
    reader_.NameChanged();
  }
}

void PictureButtonWidget::Command(WORD code) {
  // An owner-drawn button reports the second of two quick clicks as a double-click; each
  // one is a click of the calendar's buttons all the same.
  const bool clicked = code == BN_CLICKED || code == BN_DOUBLECLICKED;
  if (clicked && button_.Click) button_.Click();
}

bool PictureButtonWidget::DrawItem(const DRAWITEMSTRUCT& item) {
  const bool down = (item.itemState & ODS_SELECTED) != 0;
  RECT face = item.rcItem;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  const PictureRef& picture = down && button_.down_picture ? button_.down_picture : button_.picture;
  if (picture) {
    const int size = MulDiv(kPicturePixels, host_.ui().units().dpi, kLayoutDpi);
    const int shift = down ? 1 : 0;  // a pressed face moves its content as the frame sinks
    const int x = (item.rcItem.right - item.rcItem.left - size) / 2 + shift;
    const int y = (item.rcItem.bottom - item.rcItem.top - size) / 2 + shift;
    DrawIconEx(item.hDC, x, y, host_.ui().Icon(*picture), size, size, 0, nullptr, DI_NORMAL);
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(item.hDC, &focus);
  }
  return true;
}

}  // namespace ombrelk
