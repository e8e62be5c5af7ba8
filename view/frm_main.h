#pragma once

#include <cstdint>

#include "platform/controls/buttons.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/control_array.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/menu.h"

namespace ombrelk {

class Program;

// The calendar window: year and month, weekday letters, the six-by-seven day
// grid, the weekday selector, the month buttons and two pop-up menus. Built
// once and only shown and hidden afterwards.
class FrmMain : public Form {
 public:
  explicit FrmMain(Program& app);

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
  MenuItem mnuTray{"mnuTray", "トレイ"};
  MenuItem mnuDisp{"mnuDisp", "Ombrelk 表示"};
  MenuItem mnuEnd{"mnuEnd", "Ombrelk 終了"};
  MenuItem mnuSep{"mnuSep", "-"};
  MenuItem mnuVersion{"mnuVersion", "バージョン情報"};
  // Only used where there is no tray: it parts the tray's entries from the
  // options when they are appended to the settings menu.
  MenuItem mnuSetSep{"mnuSetSep", "-"};

  // The window's own controls.
  void cmdSwitchMonth_Click(std::int16_t Index);
  void cboWDay_Click();
  void Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
  void lbl_menu_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void lbl_menu_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void cmdHOME_Click();

  // Start-up and shut-down.
  void Form_Load();
  void Form_Unload(std::int16_t& Cancel);
  void mnuEnd_Click();
  // The close button or the window manager closed the window.
  void Form_UserClose();

  // Tray icon and visibility.
  void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Form_Resize();
  void mnuDisp_Click();
  // A notification area appeared (a panel started late, or again) or vanished
  // (the panel ended or crashed).
  void Tray_Appeared();
  void Tray_Vanished();

  // The date may have changed: midnight passed, the system resumed from
  // sleep, or the clock or the time zone was set.
  void Clock_DayMayHaveChanged();

  // Window options.
  void mnuFormTop_Click();
  void mnuFormShow_Click();
  void mnuFormLaw_Click();

  // Version dialog.
  void mnuVersion_Click();

  bool Unloaded() const { return unloaded_; }

  // Gives lbl_menu the tip of the day cell under the pointer's last place
  // over it: the holiday's name in law mode, else none.
  void ShowDayTip();

 private:
  void LayOut();
  void ConnectHandlers();
  void AddTrayIcon();
  void MoveTrayEntriesToSettingsMenu(bool to_settings);
  void UnloadWindow();

  Program& app_;
  bool unloaded_ = false;
  // Where the pointer last moved over lbl_menu, in its twips.
  float pointer_x_ = -1;
  float pointer_y_ = -1;
};

}  // namespace ombrelk
