#include "platform/backends/qt/compact_combo_style.h"

#include <QStyleOptionComplex>

namespace ombrelk {

namespace {

constexpr int kArrowWidth = 15;
constexpr int kFrame = 2;
constexpr int kTextInset = 1;

}  // namespace

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl sub, const QWidget* widget) const {
  if (control == CC_ComboBox) {
    const QRect r = option->rect;
    switch (sub) {
      case SC_ComboBoxArrow:
        return {r.right() - kArrowWidth + 1, r.top(), kArrowWidth, r.height()};
      case SC_ComboBoxEditField:
        return r.adjusted(kFrame + kTextInset, kFrame, -(kArrowWidth + kTextInset), -kFrame);
      default:
        break;
    }
  }
  return QProxyStyle::subControlRect(control, option, sub, widget);
}

}  // namespace ombrelk
