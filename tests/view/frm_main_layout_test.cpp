#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_run.h"
#include "platform/controls/form_order.h"
#include "view/pictures/pictures.h"

namespace ombrelk {
namespace {

std::string NameOf(const Control& c) {
  return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
}

class FrmMainLayout : public ::testing::Test {
 protected:
  testing::HeadlessRun run;
  FrmMain& frm = run.Make().frmMain;  // as designed, before the first month is drawn
};

TEST_F(FrmMainLayout, Window) {
  EXPECT_EQ(frm.Caption(), "Ombrelk");
  EXPECT_EQ(frm.client_width, 2685);
  EXPECT_EQ(frm.client_height, 2235);
  EXPECT_EQ(frm.border_style, BorderStyle::FixedSingle);
  EXPECT_TRUE(frm.min_button);
  EXPECT_FALSE(frm.max_button);
  EXPECT_TRUE(frm.key_preview);
  EXPECT_EQ(frm.icon, PictureId::AppIcon);
}

TEST_F(FrmMainLayout, Geometry) {
  const struct {
    const Control& control;
    Rect r;
  } rows[] = {
      {frm.cboWDay, {60, 1860, 1035, 300}},
      {frm.cmdHOME, {2220, 1800, 375, 375}},
      {frm.cmdSwitchMonth(2), {1860, 1800, 375, 375}},
      {frm.cmdSwitchMonth(1), {1500, 1800, 375, 375}},
      {frm.cmdSwitchMonth(0), {1140, 1800, 375, 375}},
      {frm.lbl_menu, {30, 30, 2650, 2200}},
      {frm.lblDay(0), {0, 600, 375, 255}},
      {frm.lblDay(6), {2160, 600, 375, 255}},
      {frm.lblDay(7), {0, 780, 375, 255}},
      {frm.lblDay(17), {1080, 960, 375, 255}},
      {frm.lblDay(40), {1800, 1500, 375, 255}},
      {frm.lblDay(41), {2160, 1500, 375, 255}},
      {frm.lblWeekDay(0), {120, 360, 375, 255}},
      {frm.lblWeekDay(3), {1200, 360, 375, 255}},
      {frm.lblWeekDay(6), {2280, 360, 375, 255}},
      {frm.lblYM, {60, 60, 2535, 255}},
  };
  for (const auto& row : rows) {
    const Rect& b = row.control.Bounds();
    EXPECT_EQ((std::vector<float>{b.left, b.top, b.width, b.height}),
              (std::vector<float>{row.r.left, row.r.top, row.r.width, row.r.height}))
        << NameOf(row.control);
  }
  const struct {
    const Line& line;
    float y;
  } lines[] = {{frm.Line1(0), 540}, {frm.Line1(1), 300}};
  for (const auto& l : lines) {
    EXPECT_EQ((std::vector<float>{l.line.x1, l.line.y1, l.line.x2, l.line.y2}),
              (std::vector<float>{0, l.y, 2700, l.y}))
        << NameOf(l.line);
  }
}

TEST_F(FrmMainLayout, ButtonsAndSelector) {
  const struct {
    const PictureButton& button;
    const char *tag, *tip;
    PictureId picture, down;
    int tab;
  } rows[] = {
      {frm.cmdSwitchMonth(0), "-1", "前月", PictureId::PrevMonth, PictureId::PrevMonthDown, 1},
      {frm.cmdSwitchMonth(1), "0", "今月", PictureId::ThisMonth, PictureId::ThisMonthDown, 2},
      {frm.cmdSwitchMonth(2), "1", "翌月", PictureId::NextMonth, PictureId::NextMonthDown, 3},
      {frm.cmdHOME, "", "Trevask HomePageへ", PictureId::Home, PictureId::HomeDown, 4},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.button.tag, r.tag) << NameOf(r.button);
    EXPECT_EQ(r.button.ToolTipText(), r.tip) << NameOf(r.button);
    EXPECT_EQ(r.button.AccessibleName(), r.tip) << NameOf(r.button);  // it shows no text
    EXPECT_EQ(r.button.picture, r.picture) << NameOf(r.button);
    EXPECT_EQ(r.button.down_picture, r.down) << NameOf(r.button);
    EXPECT_EQ(r.button.TabIndex(), r.tab) << NameOf(r.button);
  }
  EXPECT_EQ(frm.cboWDay.entries,
            (std::vector<std::string>{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday",
                                      "Friday", "Saturday"}));
  EXPECT_EQ(frm.cboWDay.ToolTipText(), "はじまりの曜日");
  EXPECT_EQ(frm.cboWDay.AccessibleName(), "はじまりの曜日");
  EXPECT_EQ(frm.cboWDay.TabIndex(), 0);
}

TEST_F(FrmMainLayout, TabOrderWalksTheControlsThatTakeTheFocus) {
  const struct {
    const Form& form;
    std::vector<std::string> names;
  } rows[] = {
      {frm, {"cboWDay", "cmdSwitchMonth(0)", "cmdSwitchMonth(1)", "cmdSwitchMonth(2)", "cmdHOME"}},
      {run.program->dlgVersion, {"OKButton"}},  // the picture and labels hold positions 1 to 4
  };
  for (const auto& r : rows) {
    std::vector<std::string> names;
    for (const Control* c : TabOrder(r.form)) names.push_back(NameOf(*c));
    EXPECT_EQ(names, r.names) << r.form.Name();
  }
}

// A screen reader reads the month, the header, the days by index, then the
// controls in tab order; the surface over the grid and the lines are not shown
// to it, the version dialog's labels are read by their captions.
TEST_F(FrmMainLayout, ReadingOrderAndWhatAReaderSees) {
  std::vector<std::string> names;
  for (const Control* c : frm.reading_order) names.push_back(NameOf(*c));
  std::vector<std::string> expected{"lblYM"};
  for (int i = 0; i < 7; ++i) expected.push_back("lblWeekDay(" + std::to_string(i) + ")");
  for (int i = 0; i < 42; ++i) expected.push_back("lblDay(" + std::to_string(i) + ")");
  expected.insert(expected.end(), {"cboWDay", "cmdSwitchMonth(0)", "cmdSwitchMonth(1)",
                                   "cmdSwitchMonth(2)", "cmdHOME"});
  EXPECT_EQ(names, expected);
  const std::vector<const Control*> unread{&frm.lbl_menu, &frm.Line1(0), &frm.Line1(1)};
  for (const Control* c : unread) {
    EXPECT_FALSE(c->AccessibleShown()) << NameOf(*c);
  }
  for (const Control* c : run.program->dlgVersion.controls) {
    if (c->Kind() != ControlKind::Label) continue;
    EXPECT_EQ(c->AccessibleName(), static_cast<const Label*>(c)->Caption()) << NameOf(*c);
    EXPECT_TRUE(c->AccessibleShown()) << NameOf(*c);
  }
}

TEST_F(FrmMainLayout, StackingOrderTopFirst) {
  std::vector<std::string> expected{"cboWDay",           "cmdHOME",           "cmdSwitchMonth(2)",
                                    "cmdSwitchMonth(1)", "cmdSwitchMonth(0)", "lbl_menu",
                                    "Line1(1)"};
  for (int i = 41; i >= 7; --i) expected.push_back("lblDay(" + std::to_string(i) + ")");
  expected.push_back("Line1(0)");
  for (int i = 6; i >= 0; --i) expected.push_back("lblDay(" + std::to_string(i) + ")");
  for (int i = 6; i >= 0; --i) expected.push_back("lblWeekDay(" + std::to_string(i) + ")");
  expected.push_back("lblYM");

  std::vector<std::string> actual;
  for (const Control* c : frm.controls) actual.push_back(NameOf(*c));
  EXPECT_EQ(actual, expected);
  EXPECT_TRUE(frm.lbl_menu.transparent);
}

TEST_F(FrmMainLayout, TextLabelsAsDesigned) {
  const Font& f = frm.lblYM.font;
  EXPECT_EQ(f.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(f.size_pt, 9.0F);
  EXPECT_EQ(f.weight, 700);
  EXPECT_EQ(f.charset, 128);
  EXPECT_FALSE(f.italic);
  EXPECT_FALSE(f.underline);

  const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thr", "Fri", "Sat"};
  const char* const letters[] = {"S", "M", "T", "W", "T", "F", "S"};
  const Colour colours[] = {kDarkRed, kBlack, kBlack, kBlack, kBlack, kBlack, kBlue};
  for (int i = 0; i < 42; ++i) {
    const Label& cell = frm.lblDay(i);
    EXPECT_EQ(cell.Caption(), days[i % 7]) << i;
    EXPECT_EQ(cell.ForeColor(), colours[i % 7]) << i;
    EXPECT_EQ(cell.alignment, Alignment::Right) << i;
    EXPECT_EQ(cell.font.name, f.name) << i;
    EXPECT_EQ(cell.font.weight, 700) << i;
    EXPECT_FALSE(cell.transparent) << i;
  }
  for (int i = 0; i < 7; ++i) {
    const Label& letter = frm.lblWeekDay(i);
    EXPECT_EQ(letter.Caption(), letters[i]) << i;
    EXPECT_EQ(letter.ForeColor(), colours[i]) << i;
    EXPECT_EQ(letter.alignment, Alignment::Center) << i;
    EXPECT_EQ(letter.font.name, f.name) << i;
  }
  EXPECT_EQ(frm.lblYM.Caption(), "M");
  EXPECT_EQ(frm.lblYM.alignment, Alignment::Center);
}

TEST_F(FrmMainLayout, HiddenPopUpMenus) {
  const auto captions = [](const MenuItem& menu) {
    std::vector<std::string> out;
    for (const MenuItem* item : menu.items) out.push_back(item->Caption());
    return out;
  };
  ASSERT_EQ(frm.menus, (std::vector<MenuItem*>{&frm.mnuSet, &frm.mnuTray}));
  EXPECT_FALSE(frm.mnuSet.Visible());
  EXPECT_FALSE(frm.mnuTray.Visible());
  EXPECT_EQ(captions(frm.mnuSet),
            (std::vector<std::string>{"起動時にウィンドウを表示", "常に手前に表示",
                                      "現行の祝日法で表示", "和暦と六曜を表示",
                                      "トレイアイコンに日付を表示", "ログイン時に起動"}));
  EXPECT_EQ(captions(frm.mnuTray),
            (std::vector<std::string>{"Ombrelk 表示", "Ombrelk 終了", "-", "バージョン情報"}));
}

}  // namespace
}  // namespace ombrelk
