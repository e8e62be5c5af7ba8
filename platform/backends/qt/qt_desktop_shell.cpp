#include "platform/backends/qt/qt_desktop_shell.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace ombrelk {

namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & kMbIconMask) {
    case kMbIconHand:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconExclamation:
      return QMessageBox::Warning;
    case kMbIconAsterisk:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

void QtDesktopShell::ShellExecute(std::int32_t /*owner*/, const std::string& file,
                                  int /*show_command*/) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(file)));
}

int QtDesktopShell::MessageBox(const std::string& text, int style, const std::string& title) {
  // Only an OK button is ever asked for.
  QMessageBox box(IconOf(style), QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok);
  box.exec();
  return kIdOk;
}

}  // namespace ombrelk
