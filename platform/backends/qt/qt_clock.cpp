#include "platform/backends/qt/qt_clock.h"

#include <QDate>
#include <QLocale>

namespace ombrelk {

std::chrono::year_month_day QtClock::Today() const {
  const QDate d = QDate::currentDate();
  return std::chrono::year{d.year()} / std::chrono::month{static_cast<unsigned>(d.month())} /
         std::chrono::day{static_cast<unsigned>(d.day())};
}

std::string QtClock::ShortDateText() const {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace ombrelk
