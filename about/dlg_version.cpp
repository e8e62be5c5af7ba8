#include "about/dlg_version.h"

#include <string>

#include "platform/runtime_values/number_text.h"
#include "platform/services/desktop_shell.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"
#include "view/home_page.h"
#include "view/label_font.h"
#include "view/pictures/pictures.h"
#include "view/window_frame.h"

#ifndef OMBRELK_VERSION
#error "OMBRELK_VERSION (major.minor) must be defined by the build"
#endif

namespace ombrelk {

DlgVersion::DlgVersion(CalendarState& state, FrmMain& main, const Services& sys)
    : Form("dlgVersion"), state_(state), main_(main), sys_(sys) {
  LayOut();
  Activate = [this] { Form_Activate(); };
  OKButton.Click = [this] { OKButton_Click(); };
  for (int i = 0; i < lblSupport.Count(); ++i) {
    lblSupport(i).Click = [this, i] { lblSupport_Click(static_cast<std::int16_t>(i)); };
  }
}

void DlgVersion::LayOut() {
  SetCaption("Ombrelk バージョン情報");
  border_style = BorderStyle::FixedDialog;
  show_icon = false;
  client_width = 3975;
  client_height = 825;
  Move(FramedBounds(0, 0, client_width, client_height));

  OKButton.Move({3180, 240, 675, 375});
  OKButton.caption = "OK";
  OKButton.font = LabelFont(9);
  OKButton.SetTabIndex(0);

  picIcon.Move({120, 120, 555, 555});
  picIcon.picture = PictureId::AppIcon;
  picIcon.SetTabIndex(1);

  lblTitle.Move({780, 60, 2295, 255});
  lblTitle.SetCaption(std::string("Ombrelk ver") + OMBRELK_VERSION);
  lblTitle.font = LabelFont(12);
  lblTitle.alignment = Alignment::Center;
  lblTitle.SetTabIndex(2);

  Label& credit = lblSupport(0);
  credit.Move({780, 360, 2295, 195});
  credit.SetCaption("開発：Trevask(トレバスク)");
  credit.font = LabelFont(8.25F);
  credit.alignment = Alignment::Right;
  credit.SetForeColor(kDarkRed);
  credit.SetTabIndex(3);

  Label& link = lblSupport(1);
  link.Move({780, 540, 2295, 255});
  link.SetCaption("Trevaskホームページ");
  link.font = LabelFont(9.75F, true);
  link.alignment = Alignment::Center;
  link.SetForeColor(kBlue);
  link.mouse_pointer = PictureId::HandCursor;
  link.SetTabIndex(4);

  controls = {&OKButton, &picIcon, &lblTitle, &lblSupport(0), &lblSupport(1)};
}

void DlgVersion::Form_Activate() {
  const Form& main = main_;
  // Whole twips in 16 bits; a window far off the origin is held at the range's ends.
  const std::int16_t top = RoundToInt16(main.Height() / 2.0 + main.Top() - Height() / 2.0);
  std::int16_t left = RoundToInt16(main.Width() / 2.0 + main.Left() - Width() / 2.0);
  if (left < 0) left = 0;
  SetTop(top);
  SetLeft(left);
}

void DlgVersion::lblSupport_Click(std::int16_t Index) {
  if (Index == 0) return;
  sys_.shell.ShellExecute(main_.hWnd(), HomePageAddress(), kSwShowNormal);
}

void DlgVersion::OKButton_Click() {
  SetVisible(false);
  main_.SetVisible(state_.SavedVisible);
  if (main_.Visible()) main_.SetFocus();
}

}  // namespace ombrelk
