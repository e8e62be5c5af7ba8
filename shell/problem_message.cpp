#include "shell/problem_message.h"

#include "platform/services/services.h"

namespace ombrelk {

void ShowProblem(const Services& sys, const std::string& text) {
  sys.shell.MessageBox(text, kMbIconExclamation, "Ombrelk");
}

}  // namespace ombrelk
