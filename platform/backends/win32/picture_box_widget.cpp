#include "platform/backends/win32/picture_box_widget.h"

#include "platform/backends/win32/form_peer.h"

namespace ombrelk {

namespace {

// Pictures are drawn at 96 DPI's size times the screen's scale.
constexpr int kIconPixels = 32;
constexpr int kLayoutDpi = 96;

}  // namespace

PictureBoxWidget::PictureBoxWidget(PictureBox& box, FormPeer& form) : box_(box), form_(form) {
  box_.AttachPeer(this);
}

PictureBoxWidget::~PictureBoxWidget() {
  box_.AttachPeer(nullptr);
}

void PictureBoxWidget::PropertyChanged(Property /*what*/) {
  form_.InvalidateAll();
}

void PictureBoxWidget::Paint(HDC dc) {
  if (!box_.Visible() || !box_.picture) return;
  const ScreenUnits& u = form_.ui().units();
  const int size = MulDiv(kIconPixels, u.dpi, kLayoutDpi);
  DrawIconEx(dc, u.Pixels(box_.Left()), u.Pixels(box_.Top()), form_.ui().Icon(*box_.picture), size,
             size, 0, nullptr, DI_NORMAL);
}

}  // namespace ombrelk
