#include "platform/backends/qt/main_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/qt_pictures.h"

namespace ombrelk {

namespace {

Qt::WindowFlags FlagsOf(const Form& form) {
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (form.min_button) flags |= Qt::WindowMinimizeButtonHint;
  if (form.max_button) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

}  // namespace

MainWindow::MainWindow(Form& form)
    : QWidget(nullptr, FlagsOf(form)), form_(form), peer_(form, *this) {
  if (form.icon) setWindowIcon(PictureIcon(*form.icon));
  peer_.RealiseControls();
  ReadAsForm(*this, form);
  if (form.key_preview) {
    auto* preview = new KeyPreviewFilter(form, *this);
    for (Control* control : form.controls) {
      QWidget* w = peer_.WidgetOf(*control);
      if (w == nullptr || w->focusPolicy() == Qt::NoFocus) continue;
      preview->Watch(*w);
      // An open drop-down list has the focus in its own pop-up: its keys
      // are previewed there, as with the list closed.
      if (auto* combo = qobject_cast<QComboBox*>(w)) preview->Watch(*combo->view());
    }
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  peer_.FrameChanged();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  peer_.FrameChanged();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  peer_.VisibilityChanged();
}

void MainWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  peer_.VisibilityChanged();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && peer_.StateChanged() && form_.Resize) {
    form_.Resize();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The program decides: the calendar unloads and the program ends.
  event->ignore();
  if (form_.UserClose) form_.UserClose();
}

}  // namespace ombrelk
