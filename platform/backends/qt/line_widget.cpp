#include "platform/backends/qt/line_widget.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "platform/backends/qt/units.h"

namespace ombrelk {

LineWidget::LineWidget(Line& line, QWidget* parent) : QWidget(parent), line_(line) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  Place();
  line_.AttachPeer(this);
}

LineWidget::~LineWidget() {
  line_.AttachPeer(nullptr);
}

void LineWidget::Place() {
  // The end points are inclusive, as the line is drawn with a one-pixel pen.
  const int x1 = Pixels(line_.x1);
  const int y1 = Pixels(line_.y1);
  const int x2 = Pixels(line_.x2);
  const int y2 = Pixels(line_.y2);
  setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
  setVisible(line_.Visible());
  update();
}

void LineWidget::PropertyChanged(Property what) {
  if (what == Property::Geometry || what == Property::Visible) Place();
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
  const Colour c = line_.border_color;
  QPainter painter(this);
  painter.setPen(QColor(ColourRed(c), ColourGreen(c), ColourBlue(c)));
  const QPoint origin = pos();
  painter.drawLine(QPoint(Pixels(line_.x1), Pixels(line_.y1)) - origin,
                   QPoint(Pixels(line_.x2), Pixels(line_.y2)) - origin);
}

}  // namespace ombrelk
