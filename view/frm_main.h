#pragma once

#include <cstdint>

#include "platform/controls/buttons.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/control_array.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/menu.h"
#include "platform/services/services.h"
#include "state/calendar_state.h"

namespace ombrelk {

// The calendar window: year and month, weekday letters, the six-by-seven day
// grid, the weekday selector, the month buttons and two pop-up menus. Built
// once and only shown and hidden afterwards. It handles its own controls;
// start-up, the tray, the options and the version entry are handled where
// those live, and the program connects them to the window's events.
class FrmMain : public Form {
 public:
  FrmMain(CalendarState& state, const Services& sys);

  ControlArray<Label> lblDay{"lblDay", 42};
  ControlArray<Label> lblWeekDay{"lblWeekDay", 7};
  Label lblYM{"lblYM"};
  Label lbl_menu{"lbl_menu"};
  ControlArray<Line> Line1{"Line1", 2};
  ControlArray<PictureButton> cmdSwitchMonth{"cmdSwitchMonth", 3};
  PictureButton cmdHOME{"cmdHOME"};
  ComboBox cboWDay{"cboWDay"};

  MenuItem mnuSet{"mnuSet", "設定"};
  MenuItem mnuFormShow{"mnuFormShow", "起動時にウィンドウを表示"};
  MenuItem mnuFormTop{"mnuFormTop", "常に手前に表示"};
  MenuItem mnuFormLaw{"mnuFormLaw", "現行の祝日法で表示"};
  MenuItem mnuFormReki{"mnuFormReki", "和暦と六曜を表示"};
  MenuItem mnuFormIcon{"mnuFormIcon", "トレイアイコンに日付を表示"};
  MenuItem mnuFormLogin{"mnuFormLogin", "ログイン時に起動"};
  MenuItem mnuTray{"mnuTray", "トレイ"};
  MenuItem mnuDisp{"mnuDisp", "Ombrelk 表示"};
  MenuItem mnuEnd{"mnuEnd", "Ombrelk 終了"};
  MenuItem mnuSep{"mnuSep", "-"};
  MenuItem mnuVersion{"mnuVersion", "バージョン情報"};
  // Only used where there is no tray: it parts the tray's entries from the
  // options when they are appended to the settings menu.
  MenuItem mnuSetSep{"mnuSetSep", "-"};

  void cmdSwitchMonth_Click(std::int16_t Index);
  void cboWDay_Click();
  void Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
  void lbl_menu_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void lbl_menu_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void cmdHOME_Click();

  // Appends the tray menu's entries to the settings menu (where there is no
  // tray to open them from), or takes them out again.
  void ShowTrayEntriesInSettingsMenu(bool in_settings);

  // Gives lbl_menu the tip of the day cell under the pointer's last place
  // over it: the era date and 六曜 when that option is on, the holiday's
  // name in law mode, else none.
  void ShowDayTip();

 private:
  void LayOut();
  void LayOutReadingOrder();
  void ConnectHandlers();

  CalendarState& state_;
  Services sys_;
  // Where the pointer last moved over lbl_menu, in its twips.
  float pointer_x_ = -1;
  float pointer_y_ = -1;
};

}  // namespace ombrelk
