#include "platform/controls/combo_box.h"

namespace ombrelk {

bool ComboBox::SetListIndex(int i) {
  if (i < -1 || i >= static_cast<int>(entries.size())) return false;
  if (i == list_index_) return true;
  list_index_ = i;
  Notify(Property::ListIndex);
  if (i >= 0 && Click) Click();
  return true;
}

std::string ComboBox::Text() const {
  if (list_index_ < 0) return {};
  return entries[static_cast<std::size_t>(list_index_)];
}

}  // namespace ombrelk
