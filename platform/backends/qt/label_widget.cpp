#include "platform/backends/qt/label_widget.h"

#include <QCursor>
#include <QMouseEvent>
#include <QToolTip>

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/control_geometry.h"
#include "platform/backends/qt/key_mapping.h"
#include "platform/backends/qt/qt_font.h"
#include "platform/backends/qt/qt_pictures.h"
#include "platform/backends/qt/units.h"

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
  // Before the first text: Qt makes a label's accessible interface when its
  // text first changes, and keeps it.
  MirrorAccessible(*this, label);
  setTextFormat(Qt::PlainText);
  setAlignment(AlignmentOf(label.alignment));
  setFocusPolicy(Qt::NoFocus);
  if (!label.transparent) {
    setAutoFillBackground(true);
    setFont(ToQFont(label.font));
  }
  if (label.mouse_pointer) setCursor(PictureCursor(*label.mouse_pointer));
  // Qt reports moves without a button held only to a widget that asks for them.
  setMouseTracking(static_cast<bool>(label.MouseMove));
  setToolTip(QString::fromStdString(label.ToolTipText()));
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
      MirrorAccessible(*this, label_);  // a label without a name is read by its caption
      break;
    case Property::AccessibleName:
      MirrorAccessible(*this, label_);
      break;
    case Property::AccessibleShown:
      AnnounceShownToReader(*this);
      break;
    case Property::ForeColor:
      ShowForeColor();
      break;
    case Property::Geometry:
    case Property::Visible:
      ApplyGeometry(*this, label_);
      break;
    case Property::ToolTipText:
      ShowToolTip();
      break;
    default:
      break;
  }
}

void LabelWidget::ShowToolTip() {
  const QString tip = QString::fromStdString(label_.ToolTipText());
  // Resting on the label still shows the tip the usual way; a tip that changes
  // under the pointer, as it moves from one day to the next, shows at once.
  setToolTip(tip);
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else if (underMouse()) {
    QToolTip::showText(QCursor::pos(), tip, this);
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

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
  if (label_.MouseMove) {
    const Qt::MouseButtons held = event->buttons();
    std::int16_t buttons = 0;
    for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      if (held.testFlag(b)) buttons = static_cast<std::int16_t>(buttons | ButtonMask(b));
    }
    const QPointF p = event->position();
    label_.MouseMove(buttons, ShiftMask(event->modifiers()),
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
