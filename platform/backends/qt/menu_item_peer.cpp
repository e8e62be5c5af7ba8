#include "platform/backends/qt/menu_item_peer.h"

namespace ombrelk {

MenuItemPeer::MenuItemPeer(MenuItem& item)
    : item_(item), action_(QString::fromStdString(item.Caption())) {
  action_.setSeparator(item.IsSeparator());
  action_.setVisible(item.Visible());
  ShowCheckMark();
  QObject::connect(&action_, &QAction::triggered, [this] {
    ShowCheckMark();  // undo Qt's own toggle
    if (item_.Click) item_.Click();
  });
  item_.AttachPeer(this);
}

void MenuItemPeer::ShowCheckMark() {
  // Only a checked entry is checkable, so unchecked ones show no empty box.
  action_.setCheckable(item_.Checked());
  action_.setChecked(item_.Checked());
}

void MenuItemPeer::PropertyChanged(Property what) {
  switch (what) {
    case Property::Checked:
      ShowCheckMark();
      break;
    case Property::Visible:
      action_.setVisible(item_.Visible());
      break;
    default:
      break;
  }
}

}  // namespace ombrelk
