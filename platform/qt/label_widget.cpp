#include "platform/qt/label_widget.h"

#include <QMouseEvent>

#include "platform/qt/control_geometry.h"
#include "platform/qt/key_mapping.h"
#include "platform/qt/qt_font.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/units.h"

namespace ombrelk {

namespace {

Qt::Alignment AlignmentOf(Alignment a) {
  // The forms toolkit draws a label's text from its top edge.
  switch (a) {
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

LabelWidget::LabelWidget(Label& label, QWidget* parent) : QLabel(parent), label_(label) {
  setTextFormat(Qt::PlainText);
  setAlignment(AlignmentOf(label.alignment));
  setFocusPolicy(Qt::NoFocus);
  if (!label.transparent) {
    setAutoFillBackground(true);
    setFont(ToQFont(label.font));
  }
  if (label.mouse_pointer) setCursor(PictureCursor(*label.mouse_pointer));
  setText(QString::fromStdString(label.Caption()));
  ShowForeColor();
  ApplyGeometry(*this, label);
  label_.AttachPeer(this);
}

LabelWidget::~LabelWidget() {
  label_.AttachPeer(nullptr);
}

void LabelWidget::ShowForeColor() {
  const Colour c = label_.ForeColor();
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(ColourRed(c), ColourGreen(c), ColourBlue(c)));
  setPalette(p);
}

void LabelWidget::PropertyChanged(Property what) {
  switch (what) {
    case Property::Caption:
      setText(QString::fromStdString(label_.Caption()));
      break;
    case Property::ForeColor:
      ShowForeColor();
      break;
    case Property::Geometry:
    case Property::Visible:
      ApplyGeometry(*this, label_);
      break;
    default:
      break;
  }
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  if (label_.MouseDown) {
    const QPointF p = event->position();
    label_.MouseDown(ButtonMask(event->button()), ShiftMask(event->modifiers()),
                     static_cast<float>(p.x()) * kTwipsPerPixel,
                     static_cast<float>(p.y()) * kTwipsPerPixel);
  }
  event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
  pressed_ = false;
  event->accept();
  if (click && label_.Click) label_.Click();
}

}  // namespace ombrelk
