#pragma once

#include <QWidget>

#include "platform/backends/qt/form_peer.h"
#include "platform/backends/qt/key_preview_filter.h"

namespace ombrelk {

// The calendar window: a fixed-size window with minimise and close buttons and
// no maximise button. Minimising raises the form's Resize, the close button its
// UserClose; what follows is the program's decision, not Qt's.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(Form& form);
  ~MainWindow() override;

  Form& form() { return form_; }
  FormPeer& peer() { return peer_; }

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Form& form_;
  FormPeer peer_;
};

}  // namespace ombrelk
