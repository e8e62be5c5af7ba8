#pragma once

#include <QDialog>

#include "platform/backends/qt/form_peer.h"

namespace ombrelk {

// The about box: a fixed dialog owned by the calendar window, without icon,
// help button, default or cancel button. Each time it is shown it raises the
// form's Activate, which places it, before it reaches the screen.
class VersionDialog : public QDialog {
 public:
  VersionDialog(Form& form, QWidget& owner);
  ~VersionDialog() override;

  Form& form() { return form_; }
  FormPeer& peer() { return peer_; }

  void setVisible(bool visible) override;

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Form& form_;
  FormPeer peer_;
};

}  // namespace ombrelk
