// The version dialog: opened from the tray menu over the calendar window,
// centred on it, and closed with OK, which restores the window's visibility.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "settings/settings_fixtures.h"
#include "shell/shell_fixtures.h"
#include "view/home_page.h"

namespace ombrelk {
namespace {

using testing::HeadlessRun;
using testing::Saved;

// Counts the focus requests a backend would see on a form.
struct FocusCounter : ControlPeer {
  void PropertyChanged(Property what) override { focus_requests += what == Property::Focus; }
  int focus_requests = 0;
};

// Opens the dialog from the tray menu; inside lets the test act while it is open.
void OpenVersionDialog(HeadlessRun& run, const std::function<void(DlgVersion&)>& inside) {
  run.platform.on_modal = [&inside](Form& dlg) { inside(static_cast<DlgVersion&>(dlg)); };
  run.program->frmMain.mnuVersion.Click();
}

TEST(VersionDialog, ShowsAHiddenWindowWhileOpenAndHidesItAgain) {
  for (const bool hidden : {true, false}) {
    SCOPED_TRACE(hidden ? "opened from the tray" : "opened over the shown window");
    HeadlessRun run;
    run.WriteSettings(Saved{.top = "1800", .left = "9000", .min = hidden ? "1" : "0"}.Text());
    Program& p = run.Start();
    FocusCounter focus;
    p.frmMain.AttachPeer(&focus);
    const std::size_t before = run.platform.calls.size();
    bool main_visible_inside = false;
    OpenVersionDialog(run, [&](DlgVersion& dlg) {
      main_visible_inside = p.frmMain.Visible();
      EXPECT_TRUE(dlg.Visible());
      dlg.OKButton.Click();
    });
    p.frmMain.AttachPeer(nullptr);

    EXPECT_TRUE(main_visible_inside);
    EXPECT_FALSE(p.dlgVersion.Visible());
    EXPECT_EQ(p.frmMain.Visible(), !hidden);
    // A window shown again gets the focus: the window itself, no control of it.
    EXPECT_EQ(focus.focus_requests, hidden ? 0 : 1);
    EXPECT_EQ(p.frmMain.FocusRequest(), nullptr);
    EXPECT_EQ(testing::CallsSince(run, before),
              (std::vector<std::string>{"ShowModal(dlgVersion, frmMain)"}));
  }
}

// Asked for again from the tray menu while it is open, the dialog stays the
// one that is open, and OK still restores the visibility of the first request.
TEST(VersionDialog, ASecondRequestWhileOpenChangesNothing) {
  HeadlessRun run;
  run.WriteSettings(Saved{.min = "1"}.Text());
  Program& p = run.Start();
  int opened = 0;
  OpenVersionDialog(run, [&](DlgVersion& dlg) {
    if (++opened > 1) return;
    p.frmMain.mnuVersion.Click();
    dlg.OKButton.Click();
  });
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(testing::CountOf(run.platform.calls, "ShowModal"), 1U);
  EXPECT_FALSE(p.frmMain.Visible());
}

// The dialog's outer size: 3975 by 825 twips of client area in a dialog frame.
constexpr float kDialogWidth = 4065;
constexpr float kDialogHeight = 1200;

TEST(VersionDialog, IsCentredOverTheWindowInSixteenBits) {
  constexpr float kBig = 3e38F;
  const struct {
    const char* name;
    float main_left, main_top;
    float left, top;
  } rows[] = {
      // The main window is 2775 by 2610 twips: left + 1387.5 - 2032.5, top + 1305 - 600.
      {"the example place", 9000, 1800, 8355, 2505},
      {"far left: held at 0", 300, 1800, 0, 2505},
      {"above the screen: top stays negative", 9000, -1000, 8355, -295},
      {"halves to even, down", 1000.5F, -1000.5F, 356, -296},
      {"halves to even, up", 1001.5F, 0.5F, 356, 706},
      {"far right and below", 40000, 40000, 32767, 32767},
      {"far left and above", -40000, -40000, 0, -32768},
      {"beyond any screen", kBig, -kBig, 32767, -32768},
  };
  HeadlessRun run;
  Program& p = run.Start();
  DlgVersion& dlg = p.dlgVersion;
  ASSERT_EQ(dlg.Width(), kDialogWidth);
  ASSERT_EQ(dlg.Height(), kDialogHeight);
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    p.frmMain.Move({r.main_left, r.main_top, 2775, 2610});
    OpenVersionDialog(run, [](DlgVersion& d) { d.OKButton.Click(); });
    EXPECT_EQ(dlg.Left(), r.left);
    EXPECT_EQ(dlg.Top(), r.top);
    EXPECT_EQ(dlg.Width(), kDialogWidth);
  }
}

TEST(VersionDialog, TheHomePageLabelOpensThePageAndTheCreditLineNothing) {
  HeadlessRun run;
  Program& p = run.Start();
  std::vector<std::string> calls_inside;
  OpenVersionDialog(run, [&](DlgVersion& dlg) {
    const std::size_t before = run.platform.calls.size();
    dlg.lblSupport(0).Click();
    EXPECT_EQ(run.platform.calls.size(), before);
    dlg.lblSupport(1).Click();
    calls_inside = testing::CallsSince(run, before);
    EXPECT_TRUE(dlg.Visible());
    dlg.OKButton.Click();
  });
  EXPECT_EQ(calls_inside,
            std::vector<std::string>{"ShellExecute(0x1001, " + HomePageAddress() + ", 1)"});
  EXPECT_FALSE(p.dlgVersion.Visible());
}

TEST(VersionDialog, OKComesFirstAndIsNeitherDefaultNorCancel) {
  HeadlessRun run;
  const DlgVersion& dlg = run.Start().dlgVersion;
  EXPECT_EQ(dlg.OKButton.TabIndex(), 0);
  for (const Control* c : dlg.controls) {
    if (c != &dlg.OKButton) {
      EXPECT_GT(c->TabIndex(), 0) << c->Name();
    }
  }
  EXPECT_FALSE(dlg.OKButton.is_default);
  EXPECT_FALSE(dlg.OKButton.is_cancel);
}

}  // namespace
}  // namespace ombrelk
