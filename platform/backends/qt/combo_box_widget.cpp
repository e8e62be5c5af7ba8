#include "platform/backends/qt/combo_box_widget.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/compact_combo_style.h"
#include "platform/backends/qt/control_geometry.h"
#include "platform/backends/qt/qt_font.h"

namespace ombrelk {

ComboBoxWidget::ComboBoxWidget(ComboBox& combo, QWidget* parent)
    : QComboBox(parent), combo_(combo) {
  setEditable(false);
  auto* style = new CompactComboStyle;
  style->setParent(this);
  setStyle(style);
  setFocusPolicy(Qt::StrongFocus);
  setFont(ToQFont(combo.font));
  for (const std::string& entry : combo.entries) addItem(QString::fromStdString(entry));
  setToolTip(QString::fromStdString(combo.ToolTipText()));
  ShowListIndex();
  connect(this, &QComboBox::currentIndexChanged, this,
          [this](int index) { combo_.SetListIndex(index); });
  ApplyGeometry(*this, combo);
  combo_.AttachPeer(this);
}

ComboBoxWidget::~ComboBoxWidget() {
  combo_.AttachPeer(nullptr);
}

void ComboBoxWidget::ShowListIndex() {
  const QSignalBlocker quiet(this);
  setCurrentIndex(combo_.ListIndex());
}

void ComboBoxWidget::PropertyChanged(Property what) {
  switch (what) {
    case Property::ListIndex:
      ShowListIndex();
      break;
    case Property::Geometry:
    case Property::Visible:
      ApplyGeometry(*this, combo_);
      break;
    case Property::AccessibleName:
      MirrorAccessible(*this, combo_);
      break;
    default:
      break;
  }
}

void ComboBoxWidget::keyPressEvent(QKeyEvent* event) {
  // A closed drop-down list steps through its entries with the left and right
  // arrows as well as with up and down, and stops at either end.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
    const int step = event->key() == Qt::Key_Left ? -1 : 1;
    const int next = currentIndex() + step;
    if (next >= 0 && next < count()) setCurrentIndex(next);
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

}  // namespace ombrelk
