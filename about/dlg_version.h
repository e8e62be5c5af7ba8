#pragma once

#include <cstdint>

#include "platform/controls/buttons.h"
#include "platform/controls/control_array.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/services/services.h"

namespace ombrelk {

class FrmMain;
struct CalendarState;

// The about box: icon, name and version, the maker's credit and a link to the
// maker's home page. Shown modally over the calendar window and hidden, not
// destroyed, by its OK button.
class DlgVersion : public Form {
 public:
  DlgVersion(CalendarState& state, FrmMain& main, const Services& sys);

  CommandButton OKButton{"OKButton"};
  PictureBox picIcon{"picIcon"};
  Label lblTitle{"lblTitle"};
  ControlArray<Label> lblSupport{"lblSupport", 2};

  void Form_Activate();
  void lblSupport_Click(std::int16_t Index);
  void OKButton_Click();

 private:
  void LayOut();
  CalendarState& state_;
  FrmMain& main_;
  Services sys_;
};

}  // namespace ombrelk
