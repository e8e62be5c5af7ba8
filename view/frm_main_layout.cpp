#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include <vector>

#include "calendar/date_helpers.h"
#include "platform/controls/form_order.h"
#include "view/frm_main.h"
#include "view/label_font.h"
#include "view/pictures/pictures.h"
#include "view/weekday_look.h"
#include "view/window_frame.h"

namespace ombrelk {

namespace {

// Twips: 15 make a pixel on a 96 dpi screen.
constexpr float kClientWidth = 2685;
constexpr float kClientHeight = 2235;
constexpr float kDesignLeft = 75;
constexpr float kDesignTop = 360;

constexpr float kCellWidth = 375;
constexpr float kCellHeight = 255;
constexpr float kColumnStep = 360;
constexpr float kRowStep = 180;
constexpr float kGridTop = 600;

constexpr std::array<const char*, 7> kDesignDayTexts{"Sun", "Mon", "Tue", "Wed",
                                                     "Thr", "Fri", "Sat"};
constexpr std::array<std::string_view, 3> kMonthButtonTags{"-1", "0", "1"};

void SetUpTextLabel(Label& label, Rect r, Alignment alignment) {
  label.Move(r);
  label.alignment = alignment;
  label.font = DayFont();
}

void SetUpButton(PictureButton& b, float left, const char* tip, PictureId up, PictureId down) {
  b.Move({left, 1800, 375, 375});
  b.SetToolTipText(tip);
  // Read as its tip says: the button shows only a picture.
  b.SetAccessibleName(tip);
  b.picture = up;
  b.down_picture = down;
}

}  // namespace

void FrmMain::LayOut() {
  SetCaption("Ombrelk");
  client_width = kClientWidth;
  client_height = kClientHeight;
  Move(FramedBounds(kDesignLeft, kDesignTop, kClientWidth, kClientHeight));
  border_style = BorderStyle::FixedSingle;
  min_button = true;
  max_button = false;
  key_preview = true;
  icon = PictureId::AppIcon;

  cboWDay.Move({60, 1860, 1035, 300});
  cboWDay.entries.assign(kWeekdayNames.begin(), kWeekdayNames.end());
  cboWDay.SetToolTipText("はじまりの曜日");
  cboWDay.SetAccessibleName("はじまりの曜日");
  cboWDay.SetTabIndex(0);

  SetUpButton(cmdHOME, 2220, "Trevask HomePageへ", PictureId::Home, PictureId::HomeDown);
  cmdHOME.SetTabIndex(4);
  SetUpButton(cmdSwitchMonth(2), 1860, "翌月", PictureId::NextMonth, PictureId::NextMonthDown);
  SetUpButton(cmdSwitchMonth(1), 1500, "今月", PictureId::ThisMonth, PictureId::ThisMonthDown);
  SetUpButton(cmdSwitchMonth(0), 1140, "前月", PictureId::PrevMonth, PictureId::PrevMonthDown);
  // Each month button's tag is the month shift it asks for.
  for (int i = 0; i < 3; ++i) {
    cmdSwitchMonth(i).tag = kMonthButtonTags[static_cast<std::size_t>(i)];
    cmdSwitchMonth(i).SetTabIndex(1 + i);
  }

  lbl_menu.Move({30, 30, 2650, 2200});
  lbl_menu.transparent = true;
  // It only takes the presses over the grid; a reader reads the cells beneath.
  lbl_menu.SetAccessibleShown(false);

  Line1(0).x1 = 0, Line1(0).y1 = 540, Line1(0).x2 = 2700, Line1(0).y2 = 540;
  Line1(1).x1 = 0, Line1(1).y1 = 300, Line1(1).x2 = 2700, Line1(1).y2 = 300;
  Line1(0).SetAccessibleShown(false);
  Line1(1).SetAccessibleShown(false);

  for (int i = 0; i < lblDay.Count(); ++i) {
    const int row = i / 7;  // whole rows of seven cells
    const int column = i % 7;
    Label& cell = lblDay(i);
    SetUpTextLabel(cell,
                   {kColumnStep * static_cast<float>(column),
                    kGridTop + kRowStep * static_cast<float>(row), kCellWidth, kCellHeight},
                   Alignment::Right);
    cell.SetCaption(kDesignDayTexts[static_cast<std::size_t>(column)]);
    // Sunday's column dark red, Saturday's blue, as designed before the first month is drawn.
    cell.SetForeColor(WeekdayColour(static_cast<std::size_t>(column)));
  }
  for (int i = 0; i < lblWeekDay.Count(); ++i) {
    Label& letter = lblWeekDay(i);
    SetUpTextLabel(letter,
                   {120.0F + kColumnStep * static_cast<float>(i), 360, kCellWidth, kCellHeight},
                   Alignment::Center);
    letter.SetCaption(kWeekdayLetters[static_cast<std::size_t>(i)]);
    letter.SetForeColor(WeekdayColour(static_cast<std::size_t>(i)));
  }
  SetUpTextLabel(lblYM, {60, 60, 2535, 255}, Alignment::Center);
  lblYM.SetCaption("M");

  // Stacking order, top first. Where day cells overlap, the higher index lies
  // above, so each cell's right-aligned number stays visible.
  controls = {&cboWDay,           &cmdHOME,  &cmdSwitchMonth(2), &cmdSwitchMonth(1),
              &cmdSwitchMonth(0), &lbl_menu, &Line1(1)};
  for (int i = 41; i >= 7; --i) controls.push_back(&lblDay(i));
  controls.push_back(&Line1(0));
  for (int i = 6; i >= 0; --i) controls.push_back(&lblDay(i));
  for (int i = 6; i >= 0; --i) controls.push_back(&lblWeekDay(i));
  controls.push_back(&lblYM);
  LayOutReadingOrder();

  mnuSet.items = {&mnuFormShow, &mnuFormTop,  &mnuFormLaw,
                  &mnuFormReki, &mnuFormIcon, &mnuFormLogin};
  mnuTray.items = {&mnuDisp, &mnuEnd, &mnuSep, &mnuVersion};
  mnuSet.SetVisible(false);
  mnuTray.SetVisible(false);
  menus = {&mnuSet, &mnuTray};
}

void FrmMain::LayOutReadingOrder() {
  // The month, the weekdays, the days row by row, then the controls as the
  // Tab key reaches them; not the stacking order, which puts the grid's last
  // rows first.
  reading_order = {&lblYM};
  for (int i = 0; i < lblWeekDay.Count(); ++i) reading_order.push_back(&lblWeekDay(i));
  for (int i = 0; i < lblDay.Count(); ++i) reading_order.push_back(&lblDay(i));
  const std::vector<Control*> tab_order = TabOrder(*this);
  reading_order.insert(reading_order.end(), tab_order.begin(), tab_order.end());
}

void FrmMain::ConnectHandlers() {
  for (int i = 0; i < cmdSwitchMonth.Count(); ++i) {
    cmdSwitchMonth(i).Click = [this, i] { cmdSwitchMonth_Click(static_cast<std::int16_t>(i)); };
  }
  cboWDay.Click = [this] { cboWDay_Click(); };
  KeyDown = [this](std::int16_t& key_code, std::int16_t shift) { Form_KeyDown(key_code, shift); };
  lbl_menu.MouseDown = [this](std::int16_t b, std::int16_t s, float x, float y) {
    lbl_menu_MouseDown(b, s, x, y);
  };
  lbl_menu.MouseMove = [this](std::int16_t b, std::int16_t s, float x, float y) {
    lbl_menu_MouseMove(b, s, x, y);
  };
  cmdHOME.Click = [this] { cmdHOME_Click(); };
}

void FrmMain::ShowTrayEntriesInSettingsMenu(bool in_settings) {
  auto& items = mnuSet.items;
  items.erase(std::find(items.begin(), items.end(), &mnuSetSep), items.end());
  if (in_settings) items.insert(items.end(), {&mnuSetSep, &mnuDisp, &mnuEnd, &mnuSep, &mnuVersion});
}

FrmMain::FrmMain(CalendarState& state, const Services& sys)
    : Form("frmMain"), state_(state), sys_(sys) {
  LayOut();
  ConnectHandlers();
}

}  // namespace ombrelk
