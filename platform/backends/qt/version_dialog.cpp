#include "platform/backends/qt/version_dialog.h"

#include <QKeyEvent>

#include "platform/backends/qt/qt_pictures.h"

namespace ombrelk {

VersionDialog::VersionDialog(Form& form, QWidget& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      form_(form),
      peer_(form, *this) {
  // An empty icon of its own, so that the owner's is not shown either.
  setWindowIcon(form.show_icon && form.icon ? PictureIcon(*form.icon) : QIcon());
  setSizeGripEnabled(false);
  peer_.RealiseControls();
}

VersionDialog::~VersionDialog() = default;

void VersionDialog::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  peer_.FrameChanged();
}

void VersionDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  peer_.FrameChanged();
}

void VersionDialog::setVisible(bool visible) {
  // The form places itself when it is activated. That comes before Qt makes
  // the native window, so that the first placement, like every later one, is
  // taken as the outer frame's position.
  if (visible && !isVisible() && form_.Activate) form_.Activate();
  QDialog::setVisible(visible);
}

void VersionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  peer_.VisibilityChanged();
}

void VersionDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  peer_.VisibilityChanged();
}

void VersionDialog::keyPressEvent(QKeyEvent* event) {
  // With no cancel button, Escape does not close the dialog.
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ombrelk
