#include "platform/backends/win32/label_widget.h"

#include "platform/backends/win32/widget_host.h"
#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

namespace {

UINT FormatOf(Alignment a) {
  switch (a) {
    case Alignment::Right:
      return DT_RIGHT;
    case Alignment::Center:
      return DT_CENTER;
    case Alignment::Left:
      break;
  }
  return DT_LEFT;
}

}  // namespace

LabelWidget::LabelWidget(Label& label, WidgetHost& host) : label_(label), host_(host) {
  label_.AttachPeer(this);
}

LabelWidget::~LabelWidget() {
  label_.AttachPeer(nullptr);
}

void LabelWidget::PropertyChanged(Property what) {
  if (what == Property::ToolTipText) {
    host_.ToolTipChanged(label_);
    return;
  }
  // Nothing on screen shows what a reader hears.
  if (what == Property::AccessibleName || what == Property::AccessibleShown) {
    host_.AccessibleChanged(label_, what);
    return;
  }
  // A move uncovers what lay under the old place as well.
  if (what == Property::Geometry || what == Property::Visible) {
    if (what == Property::Visible) host_.AccessibleChanged(label_, what);
    host_.InvalidateAll();
  } else {
    host_.Invalidate(label_.Bounds());
  }
}

void LabelWidget::Paint(HDC dc) {
  if (!label_.Visible()) return;
  RECT r = host_.ui().units().PixelRect(label_.Bounds());
  if (!label_.transparent) FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (label_.Caption().empty()) return;
  const std::wstring text = Wide(label_.Caption());
  HGDIOBJ old = SelectObject(dc, host_.ui().FontOf(label_.font));
  // Colours are 0xBBGGRR, which is a COLORREF already.
  SetTextColor(dc, label_.ForeColor());
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            FormatOf(label_.alignment) | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
}

Label* LabelWidget::LabelAt(POINT pt) {
  if (!label_.Visible()) return nullptr;
  const RECT r = host_.ui().units().PixelRect(label_.Bounds());
  return PtInRect(&r, pt) ? &label_ : nullptr;
}

}  // namespace ombrelk
