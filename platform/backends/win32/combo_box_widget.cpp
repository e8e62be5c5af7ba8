#include "platform/backends/win32/combo_box_widget.h"

#include "platform/backends/win32/control_geometry.h"
#include "platform/backends/win32/widget_host.h"
#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

ComboBoxWidget::ComboBoxWidget(ComboBox& combo, WidgetHost& host)
    : combo_(combo),
      host_(host),
      window_(CreateControlWindow(L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, L"",
                                  combo, host)),
      reader_(window_, combo, ROLE_SYSTEM_COMBOBOX) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(host.ui().FontOf(combo.font)), FALSE);
  for (const std::string& entry : combo.entries) {
    const std::wstring text = Wide(entry);
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  Place();
  SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
  combo_.AttachPeer(this);
}

ComboBoxWidget::~ComboBoxWidget() {
  combo_.AttachPeer(nullptr);
}

void ComboBoxWidget::Place() {
  // A combo box's window holds its drop-down list as well: the closed box
  // takes the height its font needs, the list room for every entry.
  ApplyGeometry(window_, combo_, host_);
  const auto item = static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0));
  const auto field = static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, WPARAM(-1), 0));
  const int entries = static_cast<int>(combo_.entries.size());
  const RECT r = host_.ui().units().PixelRect(combo_.Bounds());
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, field + 8 + item * entries + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBoxWidget::PropertyChanged(Property what) {
  switch (what) {
    case Property::ListIndex:
      SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(combo_.ListIndex()), 0);
      break;
    case Property::Geometry:
    case Property::Visible:
      Place();
      break;
    case Property::AccessibleName:
      reader_.NameChanged();
      break;
    default:
      break;
  }
}

void ComboBoxWidget::Command(WORD code) {
  if (code != CBN_SELCHANGE) return;
  combo_.SetListIndex(static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0)));
}

}  // namespace ombrelk
