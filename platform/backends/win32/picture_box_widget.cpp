#include "platform/backends/win32/picture_box_widget.h"

#include "platform/backends/win32/widget_host.h"

namespace ombrelk {

namespace {

// Pictures are drawn at 96 DPI's size times the screen's scale.
constexpr int kIconPixels = 32;
constexpr int kLayoutDpi = 96;

}  // namespace

PictureBoxWidget::PictureBoxWidget(PictureBox& box, WidgetHost& host) : box_(box), host_(host) {
  box_.AttachPeer(this);
}

PictureBoxWidget::~PictureBoxWidget() {
  box_.AttachPeer(nullptr);
}

void PictureBoxWidget::PropertyChanged(Property /*what*/) {
  host_.InvalidateAll();
}

void PictureBoxWidget::Paint(HDC dc) {
  if (!box_.Visible() || !box_.picture) return;
  const ScreenUnits& u = host_.ui().units();
  const int size = MulDiv(kIconPixels, u.dpi, kLayoutDpi);
  DrawIconEx(dc, u.Pixels(box_.Left()), u.Pixels(box_.Top()), host_.ui().Icon(*box_.picture), size,
             size, 0, nullptr, DI_NORMAL);
}

}  // namespace ombrelk
