#include "shell/login_option.h"

#include <optional>
#include <string>

#include "platform/services/services.h"
#include "shell/problem_message.h"
#include "view/frm_main.h"

namespace ombrelk {

void mnuFormLogin_Click(FrmMain& frm, const Services& sys) {
  const bool on = !frm.mnuFormLogin.Checked();
  const std::optional<std::string> failure = sys.login.SetOn(on);
  // Whatever became of it, the mark shows what is there now.
  ShowLoginStart(frm, sys.login);
  if (!failure) return;
  ShowProblem(sys, std::string(on ? "ログイン時に起動する設定を書けませんでした。"
                                  : "ログイン時に起動する設定を消せませんでした。") +
                       "\n" + *failure);
}

void ShowLoginStart(FrmMain& frm, LoginStart& login) {
  frm.mnuFormLogin.SetChecked(login.IsOn());
}

}  // namespace ombrelk
