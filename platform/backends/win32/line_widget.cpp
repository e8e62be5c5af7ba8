#include "platform/backends/win32/line_widget.h"

#include "platform/backends/win32/widget_host.h"

namespace ombrelk {

LineWidget::LineWidget(Line& line, WidgetHost& host) : line_(line), host_(host) {
  line_.AttachPeer(this);
}

LineWidget::~LineWidget() {
  line_.AttachPeer(nullptr);
}

void LineWidget::PropertyChanged(Property /*what*/) {
  host_.InvalidateAll();
}

void LineWidget::Paint(HDC dc) {
  if (!line_.Visible()) return;
  const ScreenUnits& u = host_.ui().units();
  const int x1 = u.Pixels(line_.x1);
  const int y1 = u.Pixels(line_.y1);
  const int x2 = u.Pixels(line_.x2);
  const int y2 = u.Pixels(line_.y2);
  HPEN pen = CreatePen(PS_SOLID, 1, line_.border_color);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SetPixel(dc, x2, y2, line_.border_color);  // both ends belong to the line
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace ombrelk
