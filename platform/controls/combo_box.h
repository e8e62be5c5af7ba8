#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace ombrelk {

// A drop-down list: the user picks an entry and cannot type. Setting the
// selection, from code or by the user, raises Click, as the forms toolkit does.
class ComboBox : public Control {
 public:
  ComboBox(std::string name, int index = -1)
      : Control(ControlKind::ComboBox, std::move(name), index) {}

  std::vector<std::string> entries;
  Font font;

  int ListIndex() const { return list_index_; }
  // Returns false, changing nothing, for an index the list does not have.
  bool SetListIndex(int i);
  // The selected entry's text; empty when nothing is selected.
  std::string Text() const;

  std::function<void()> Click;

 private:
  int list_index_ = -1;
};

}  // namespace ombrelk
