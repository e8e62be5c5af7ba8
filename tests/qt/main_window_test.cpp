#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QTest>
#include <vector>

#include "platform/backends/qt/units.h"
#include "qt_run.h"
#include "view/month_view.h"

namespace ombrelk::testing {
namespace {

// The calendar started, on screen and active, so that keys reach the focused control.
struct ShownCalendar : QtRun {
  ShownCalendar() {
    Start();
    main().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main()));
  }
};

TEST(MainWindowLayout, ControlsSitAtTheirPixelPlaces) {
  QtRun run;
  FrmMain& f = run.Make();
  struct Case {
    const Control& control;
    QRect pixels;
  };
  const Case cases[] = {
      {f.lblDay(0), {0, 40, 25, 17}},
      {f.lblDay(8), {24, 52, 25, 17}},
      {f.lblDay(41), {144, 100, 25, 17}},
      {f.lblYM, {4, 4, 169, 17}},
      {f.lblWeekDay(6), {152, 24, 25, 17}},
      {f.lbl_menu, {2, 2, 177, 147}},
      {f.cboWDay, {4, 124, 69, 20}},
      {f.cmdSwitchMonth(0), {76, 120, 25, 25}},
      {f.cmdSwitchMonth(2), {124, 120, 25, 25}},
      {f.cmdHOME, {148, 120, 25, 25}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run.WidgetOf(c.control)->geometry(), c.pixels) << c.control.Name();
  }
  EXPECT_EQ(run.main().size(), QSize(179, 149));
  EXPECT_EQ(run.main().minimumSize(), run.main().maximumSize());
  EXPECT_FALSE(run.main().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(run.main().windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST(MainWindowLayout, HigherDayCellLiesAboveItsNeighbour) {
  QtRun run;
  FrmMain& f = run.Make();
  // Under the transparent mouse surface, where cells 0 and 1 overlap, cell 1 shows.
  f.lbl_menu.SetVisible(false);
  EXPECT_EQ(run.main().childAt(24, 45), run.WidgetOf(f.lblDay(1)));
  EXPECT_EQ(run.main().childAt(22, 55), run.WidgetOf(f.lblDay(7)));
}

TEST(MainWindowLayout, DayFontResolvesToAJapaneseGothicFace) {
  QtRun run;
  FrmMain& f = run.Make();
  const QWidget* labels[] = {run.WidgetOf(f.lblDay(0)), run.WidgetOf(f.lblYM),
                             run.dialog().peer().WidgetOf(run.program->dlgVersion.lblSupport(1))};
  for (const QWidget* w : labels) {
    const QFontInfo info(w->font());
    const std::string family = info.family().toStdString();
    EXPECT_TRUE(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Japanese))
        << family;
    EXPECT_TRUE(QFontMetrics(w->font()).inFont(QChar(0x6708))) << family;  // 月
    EXPECT_TRUE(info.bold()) << family;
  }
}

TEST(MainWindowPaint, TodaySundaysAndSaturdaysShowTheirColours) {
  QtRun run;  // Monday 7 December 2026, weeks from Sunday
  FrmMain& f = run.Start();
  const QImage image = run.main().grab().toImage();
  auto count_in = [&](const Control& cell, QRgb colour) {
    const QRect r = run.WidgetOf(cell)->geometry() & image.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == colour;
    }
    return n;
  };
  const QRgb yellow = 0xFFFF00, dark_red = 0xC00000, blue = 0x0000FF;
  EXPECT_EQ(f.lblDay(8).Caption(), "7");
  EXPECT_GT(count_in(f.lblDay(8), yellow), 0);
  EXPECT_GT(count_in(f.lblDay(7), dark_red), 0);  // Sunday the 6th
  EXPECT_GT(count_in(f.lblDay(13), blue), 0);     // Saturday the 12th
  EXPECT_EQ(count_in(f.lblDay(15), yellow), 0);   // the 14th, an ordinary Monday
  EXPECT_EQ(count_in(f.lblDay(15), dark_red), 0);
}

TEST(MainWindowKeys, CtrlShortcutsReachTheCalendarAndSpareTheComboBox) {
  ShownCalendar run;
  auto* combo = qobject_cast<QComboBox*>(run.WidgetOf(run.frm().cboWDay));
  ASSERT_EQ(QApplication::focusWidget(), combo);
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* shown;
  };
  const Case cases[] = {
      {Qt::Key_Right, Qt::ControlModifier, "2027/01"},
      {Qt::Key_N, Qt::ControlModifier, "2027/02"},
      {Qt::Key_Up, Qt::ControlModifier, "2026/12"},
      {Qt::Key_B, Qt::ControlModifier, "2026/11"},
      {Qt::Key_Left, Qt::ControlModifier, "2026/10"},
      {Qt::Key_C, Qt::ControlModifier, "2026/12"},
      {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, "2026/12"},
      {Qt::Key_Left, Qt::AltModifier, "2026/12"},
  };
  // With the drop-down list open, its own pop-up has the focus.
  for (const bool list_open : {false, true}) {
    SCOPED_TRACE(list_open ? "list open" : "list closed");
    if (list_open) combo->showPopup();
    QWidget* target = list_open ? static_cast<QWidget*>(combo->view()) : combo;
    for (const Case& c : cases) {
      QTest::keyClick(target, c.key, c.modifiers);
      EXPECT_EQ(run.frm().lblYM.Caption(), c.shown) << QTest::toString(c.key);
    }
  }
  combo->hidePopup();
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(run.program->state.StartWeekday, 1);
}

TEST(MainWindowKeys, TabWalksFromTheComboBoxThroughTheButtons) {
  ShownCalendar run;
  FrmMain& f = run.frm();
  const Control* order[] = {&f.cboWDay,           &f.cmdSwitchMonth(0), &f.cmdSwitchMonth(1),
                            &f.cmdSwitchMonth(2), &f.cmdHOME,           &f.cboWDay};
  for (const Control* c : order) {
    EXPECT_EQ(QApplication::focusWidget(), run.WidgetOf(*c)) << c->Name();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST(MainWindowKeys, PlainArrowsMoveTheComboBoxSelection) {
  ShownCalendar run;
  QWidget* combo = QApplication::focusWidget();
  QTest::keyClick(combo, Qt::Key_Right);
  QTest::keyClick(combo, Qt::Key_Right);
  EXPECT_EQ(run.frm().cboWDay.ListIndex(), 2);
  EXPECT_EQ(run.program->state.StartWeekday, 3);
  QTest::keyClick(combo, Qt::Key_Left);
  EXPECT_EQ(run.program->state.StartWeekday, 2);
  EXPECT_EQ(run.frm().lblWeekDay(0).Caption(), "M");
  EXPECT_EQ(run.frm().lblYM.Caption(), "2026/12");
}

TEST(MainWindowKeys, TheFormSeesEachKeyOnceAndASwallowedOneNeverReachesTheControl) {
  ShownCalendar run;
  std::vector<std::pair<int, int>> seen;
  run.frm().KeyDown = [&](std::int16_t& code, std::int16_t shift) {
    seen.emplace_back(code, shift);
    if (code == 39) code = 0;  // swallows Right
  };
  QWidget* combo = QApplication::focusWidget();
  QTest::keyClick(combo, Qt::Key_Right);
  EXPECT_EQ(run.frm().cboWDay.ListIndex(), 0);
  QTest::keyClick(combo, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{39, 0}, {16, 1}, {40, 1}}));
}

TEST(MainWindowKeys, CtrlHomeOpensTheHomePageAndStillReachesTheComboBox) {
  ShownCalendar run;
  run.frm().cboWDay.SetListIndex(3);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
  ASSERT_FALSE(run.headless.calls.empty());
  EXPECT_EQ(run.headless.calls.back().rfind("ShellExecute(0x1, ", 0), 0u);
  EXPECT_EQ(run.frm().cboWDay.ListIndex(), 0);
}

TEST(MainWindowComboBox, ModelAndWidgetFollowEachOther) {
  QtRun run;
  FrmMain& f = run.Start();
  auto* combo = qobject_cast<QComboBox*>(run.WidgetOf(f.cboWDay));
  f.cboWDay.SetListIndex(3);  // from code: shown, drawn once
  EXPECT_EQ(combo->currentIndex(), 3);
  EXPECT_EQ(f.lblWeekDay(0).Caption(), "W");
  combo->setCurrentIndex(5);  // the user's choice
  EXPECT_EQ(f.cboWDay.ListIndex(), 5);
  EXPECT_EQ(run.program->state.StartWeekday, 6);
  EXPECT_EQ(f.lblWeekDay(0).Caption(), "F");
}

TEST(MainWindowMouse, RightPressOnTheCalendarOpensTheSettingsMenuOnly) {
  QtRun run;
  FrmMain& f = run.Start();
  struct Case {
    QPoint at;
    Qt::MouseButton button;
    bool opens;
  };
  const Case cases[] = {
      {{60, 48}, Qt::RightButton, true},     // a day cell
      {{88, 10}, Qt::RightButton, true},     // the year and month
      {{40, 30}, Qt::RightButton, true},     // a weekday letter
      {{60, 48}, Qt::LeftButton, false},     // a left press does nothing
      {{88, 132}, Qt::RightButton, false},   // a month button
      {{160, 132}, Qt::RightButton, false},  // the home button
      {{30, 134}, Qt::RightButton, false},   // the combo box
  };
  for (const Case& c : cases) {
    run.runtime.popups.clear();
    QWidget* target = run.main().childAt(c.at);
    ASSERT_NE(target, nullptr);
    QTest::mousePress(target, c.button, {}, target->mapFrom(&run.main(), c.at));
    QTest::mouseRelease(target, c.button, {}, target->mapFrom(&run.main(), c.at));
    EXPECT_EQ(run.runtime.popups,
              c.opens ? std::vector<std::string>{"mnuSet"} : std::vector<std::string>{})
        << c.at.x() << "," << c.at.y();
  }
  (void)f;
}

// September 2026 in law mode: the pointer's moves over the calendar reach the
// core in twips, and the widget carries the tip the core names.
TEST(MainWindowMouse, ThePointerOverAHolidayShowsItsName) {
  QtRun run;
  FrmMain& f = run.Start();
  f.mnuFormLaw.Click();
  run.program->state.ViewMonth = {2026, 9};
  ShowMonth(run.program->state, run.program->frmMain, run.program->sys.clock, kRedrawShift);
  const struct {
    QPoint at;
    const char* tip;
  } cases[] = {
      {{36, 82}, "敬老の日"},  // 21 September, cell 22
      {{60, 82}, "国民の休日"},
      {{84, 82}, "秋分の日"},
      {{36, 94}, ""},  // 28 September
  };
  QWidget* surface = run.WidgetOf(f.lbl_menu);
  ASSERT_NE(surface, nullptr);
  for (const auto& c : cases) {
    ASSERT_EQ(run.main().childAt(c.at), surface);
    QTest::mouseMove(surface, surface->mapFrom(&run.main(), c.at));
    EXPECT_EQ(f.lbl_menu.ToolTipText(), c.tip) << c.at.x() << "," << c.at.y();
    EXPECT_EQ(surface->toolTip().toStdString(), c.tip);
  }
  f.mnuFormLaw.Click();
  EXPECT_EQ(surface->toolTip().toStdString(), "");
}

TEST(MainWindowMouse, MonthButtonsStepTheMonth) {
  QtRun run;
  FrmMain& f = run.Start();
  QTest::mouseClick(run.WidgetOf(f.cmdSwitchMonth(2)), Qt::LeftButton);
  QTest::mouseClick(run.WidgetOf(f.cmdSwitchMonth(2)), Qt::LeftButton);
  EXPECT_EQ(f.lblYM.Caption(), "2027/02");
  QTest::mouseClick(run.WidgetOf(f.cmdSwitchMonth(1)), Qt::LeftButton);
  EXPECT_EQ(f.lblYM.Caption(), "2026/12");
  QTest::mouseClick(run.WidgetOf(f.cmdSwitchMonth(0)), Qt::LeftButton);
  EXPECT_EQ(f.lblYM.Caption(), "2026/11");
}

TEST(MainWindowFrame, PositionFollowsTheFormBothWays) {
  QtRun run;
  FrmMain& f = run.Start();
  f.SetLeft(3000);
  f.SetTop(1500);
  EXPECT_EQ(run.main().pos(), QPoint(200, 100));
  run.main().move(210, 120);  // the user drags the window
  EXPECT_EQ(f.Left(), 3150);
  EXPECT_EQ(f.Top(), 1800);
  // The outer size as the window system frames the window.
  EXPECT_EQ(f.Width(), Twips(run.main().frameGeometry().width()));
  EXPECT_EQ(f.Height(), Twips(run.main().frameGeometry().height()));
}

TEST(MainWindowFrame, MinimisingSendsTheWindowToTheTray) {
  QtRun run;
  FrmMain& f = run.Start();
  ASSERT_TRUE(run.main().isVisible());
  run.main().setWindowState(Qt::WindowMinimized);
  EXPECT_FALSE(f.Visible());
  EXPECT_FALSE(run.main().isVisible());
  EXPECT_EQ(f.WindowState(), WindowState::Normal);
  f.mnuDisp.Click();
  EXPECT_TRUE(run.main().isVisible());
  EXPECT_FALSE(run.main().isMinimized());
}

TEST(MainWindowFrame, WithoutATrayMinimisingIsOrdinary) {
  QtRun run;
  run.tray.available = false;
  FrmMain& f = run.Start();
  run.main().setWindowState(Qt::WindowMinimized);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.WindowState(), WindowState::Minimized);
}

TEST(MainWindowFrame, CloseButtonUnloadsAndEndsTheProgram) {
  QtRun run;
  run.Start();
  EXPECT_FALSE(run.main().close());  // the program, not Qt, decides
  EXPECT_TRUE(run.runtime.ended);
  EXPECT_NE(ReadFileBytes(run.dir.path() / "Ombrelk.ini").find("MODE_MIN :0"), std::string::npos);
  EXPECT_EQ(run.tray.Icon(), nullptr);
}

// Counts the times a window came on screen and went off it.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget& w) { w.installEventFilter(this); }
  int shows = 0;
  int hides = 0;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shows;
    if (event->type() == QEvent::Hide) ++hides;
    return false;
  }
};

// The exit from the tray makes the form visible to record its state; the
// window itself never comes on screen, and keeps the place it read.
TEST(QtShutDown, ExitFromTheTrayNeverMapsTheWindow) {
  QtRun run;
  WriteFileBytes(run.dir.path() / "Ombrelk.ini",
                 "FORMTOP  :1800\r\nFORMLEFT :3000\r\nSTARTWDAY:Sunday\r\n"
                 "MODE_SHOW:0\r\nMODE_TOP :0\r\nMODE_MIN :0\r\n");
  FrmMain& f = run.Start();
  ASSERT_FALSE(run.main().isVisible());
  ShowCounter counter(run.main());
  f.mnuEnd.Click();
  EXPECT_EQ(counter.shows, 0);
  const std::string saved = ReadFileBytes(run.dir.path() / "Ombrelk.ini");
  EXPECT_NE(saved.find("FORMTOP  :1800\r\nFORMLEFT :3000\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("MODE_MIN :1"), std::string::npos);
}

// Reading the settings shows and hides the window as the lines come (on top
// shows it, "MODE_MIN :1" hides it, "MODE_MIN :0" shows it); on screen, only
// the state the start-up ends in appears, once.
TEST(QtStartUp, TheWindowComesOnScreenOnceAsTheStartUpLeavesIt) {
  struct Case {
    const char* settings;
    bool shown;
  };
  const Case cases[] = {
      {"MODE_SHOW:1\r\nMODE_TOP :1\r\nMODE_MIN :1\r\n", false},
      {"MODE_MIN :1\r\nMODE_SHOW:1\r\nMODE_TOP :1\r\n", true},
      {"MODE_MIN :0\r\nMODE_SHOW:0\r\nMODE_TOP :0\r\n", false},
      {"MODE_MIN :0\r\nMODE_SHOW:1\r\nMODE_TOP :0\r\n", true},
  };
  for (const Case& c : cases) {
    QtRun run;
    WriteFileBytes(run.dir.path() / "Ombrelk.ini",
                   std::string("FORMTOP  :1800\r\nFORMLEFT :3000\r\nSTARTWDAY:Monday\r\n"
                               "HOLIDAY  :00000101\r\n") +
                       c.settings);
    run.Make();
    ShowCounter counter(run.main());
    run.windows->RunStartUp(*run.program);
    EXPECT_EQ(run.frm().Visible(), c.shown) << c.settings;
    EXPECT_EQ(run.main().isVisible(), c.shown) << c.settings;
    EXPECT_EQ(counter.shows, c.shown ? 1 : 0) << c.settings;
    EXPECT_EQ(counter.hides, 0) << c.settings;
    if (c.shown) {
      EXPECT_EQ(run.main().pos(), QPoint(200, 120)) << c.settings;
    }
  }
}

TEST(QtStartUp, AWindowShownLaterStillMirrorsItsForm) {
  QtRun run;
  run.Make();
  run.windows->RunStartUp(*run.program);  // no settings file: shown
  FrmMain& f = run.frm();
  ASSERT_TRUE(run.main().isVisible());
  f.SetVisible(false);
  EXPECT_FALSE(run.main().isVisible());
  f.SetLeft(4500);
  f.SetVisible(true);
  EXPECT_TRUE(run.main().isVisible());
  EXPECT_EQ(run.main().pos().x(), 300);
}

// What a screen reader finds: a frame named by the caption, the month, the
// weekdays, the days and the controls in that order, each by its model name;
// the surface over the grid and the empty cells not among them.
TEST(MainWindowAccessible, ReadsTheCalendarInOrderByName) {
  QtRun run;  // 7 December 2026, Sunday first: days in cells 2 to 32
  FrmMain& f = run.Start();
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&run.main());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "2026/12/07");
  ASSERT_EQ(window->childCount(), 1 + 7 + 31 + 5);
  const struct {
    int child;
    QAccessible::Role role;
    const char* name;
  } rows[] = {
      {0, QAccessible::StaticText, "2026年12月"},
      {1, QAccessible::StaticText, "日曜日"},
      {8, QAccessible::StaticText, "12月1日 火曜日"},
      {14, QAccessible::StaticText, "12月7日 月曜日 今日"},
      {38, QAccessible::StaticText, "12月31日 木曜日"},
      {40, QAccessible::Button, "前月"},
      {42, QAccessible::Button, "翌月"},
      {43, QAccessible::Button, "Trevask HomePageへ"},
  };
  for (const auto& r : rows) {
    QAccessibleInterface* child = window->child(r.child);
    ASSERT_NE(child, nullptr) << r.child;
    EXPECT_EQ(child->role(), r.role) << r.child;
    EXPECT_EQ(child->text(QAccessible::Name), QString::fromUtf8(r.name)) << r.child;
    EXPECT_FALSE(child->state().invisible) << r.child;
    EXPECT_EQ(window->indexOfChild(child), r.child);
  }
  QAccessibleInterface* combo = window->child(39);
  EXPECT_EQ(combo->role(), QAccessible::ComboBox);
  EXPECT_EQ(combo->text(QAccessible::Description), "はじまりの曜日");
  const std::vector<const Control*> unread{&f.lbl_menu, &f.lblDay(0)};
  for (const Control* hidden : unread) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(run.WidgetOf(*hidden));
    EXPECT_TRUE(i->state().invisible) << hidden->Name();
    EXPECT_EQ(window->indexOfChild(i), -1) << hidden->Name();
  }
  f.cmdSwitchMonth(2).Click();  // the new month's names reach the widgets
  EXPECT_EQ(window->child(0)->text(QAccessible::Name), "2027年1月");
  EXPECT_EQ(window->child(8)->text(QAccessible::Name), "1月1日 金曜日 祝日");
}

}  // namespace
}  // namespace ombrelk::testing
