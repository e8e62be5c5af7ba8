#pragma once

#include <QComboBox>

#include "platform/controls/combo_box.h"

namespace ombrelk {

// A drop-down list. A user's choice goes into the model (which raises Click);
// a choice made in the model is only shown.
class ComboBoxWidget : public QComboBox, public ControlPeer {
 public:
  ComboBoxWidget(ComboBox& combo, QWidget* parent);
  ~ComboBoxWidget() override;

  void PropertyChanged(Property what) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowListIndex();

  ComboBox& combo_;
};

}  // namespace ombrelk
