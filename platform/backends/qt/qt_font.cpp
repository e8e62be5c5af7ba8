#include "platform/backends/qt/qt_font.h"

#include <QStringList>
#include <cmath>

namespace ombrelk {

namespace {

constexpr double kLayoutDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

// The face a control without a font of its own gets on a Japanese desktop.
constexpr auto kDefaultFace = "MS UI Gothic";

QStringList JapaneseGothicFaces() {
  return {QStringLiteral("IPAPGothic"),         QStringLiteral("IPA Pゴシック"),
          QStringLiteral("IPAGothic"),          QStringLiteral("Noto Sans CJK JP"),
          QStringLiteral("VL PGothic"),         QStringLiteral("TakaoPGothic"),
          QStringLiteral("Droid Sans Fallback")};
}

}  // namespace

QFont ToQFont(const Font& font) {
  QFont f(font.name.empty() ? QString::fromLatin1(kDefaultFace)
                            : QString::fromStdString(font.name));
  f.setPixelSize(static_cast<int>(std::lround(font.size_pt * kLayoutDotsPerInch / kPointsPerInch)));
  f.setWeight(static_cast<QFont::Weight>(font.weight));
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

void RegisterFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), JapaneseGothicFaces());
  QFont::insertSubstitutions(QString::fromLatin1(kDefaultFace), JapaneseGothicFaces());
}

QFont DefaultControlFont() {
  return ToQFont(Font{});
}

}  // namespace ombrelk
