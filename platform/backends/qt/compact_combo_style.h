#pragma once

#include <QProxyStyle>

namespace ombrelk {

// The layout gives the weekday selector 69 pixels, as a classic drop-down
// list with a narrow arrow button and thin margins had. The desktop style's
// wider arrow would leave most weekday names cut off, so the selector keeps
// the classic proportions.
class CompactComboStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
};

}  // namespace ombrelk
