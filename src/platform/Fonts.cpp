#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct Substitute {
  const char* Name;
  const char* Family;
};

constexpr Substitute Substitutes[] = {
    {"Tahoma", "DejaVu Sans"},
    {"MS Sans Serif", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Quartz", "DSEG7 Classic"},
};

// Dots per metre of 96 dpi.
constexpr int Dpm96 = 3780;

QFont BaseFont(const TFontSpec& FontSpec) {
  QFont F(SubstituteFontFamily(QString::fromStdString(FontSpec.Name)));
  // Unhinted outlines keep advances the same on every device and desktop
  // setting, so text measures never depend on where they were taken.
  F.setHintingPreference(QFont::PreferNoHinting);
  F.setBold(FontSpec.Style & fsBold);
  F.setItalic(FontSpec.Style & fsItalic);
  F.setUnderline(FontSpec.Style & fsUnderline);
  F.setStrikeOut(FontSpec.Style & fsStrikeOut);
  return F;
}

}  // namespace

QString SubstituteFontFamily(const QString& Name) {
  const QString Trimmed = Name.trimmed();
  for (const auto& S : Substitutes)
    if (Trimmed.compare(QLatin1String(S.Name), Qt::CaseInsensitive) == 0) return QString::fromLatin1(S.Family);
  return Trimmed;
}

int FontPixelSize(const TFontSpec& FontSpec) {
  constexpr int MaxPixels = 2000;
  if (FontSpec.Height < 0) return std::min(-FontSpec.Height, MaxPixels);
  if (FontSpec.Height == 0) return 11;
  // Measure the cell of a large reference size and scale down.
  constexpr int Reference = 200;
  QFont F = BaseFont(FontSpec);
  F.setPixelSize(Reference);
  const QFontMetricsF M(F, MetricsDevice());
  const double Cell = M.ascent() + M.descent();
  if (Cell <= 0) return std::min(FontSpec.Height, MaxPixels);
  const int Pixels = static_cast<int>(std::lround(FontSpec.Height * Reference / Cell));
  return std::clamp(Pixels, 1, MaxPixels);
}

QFont MakeQFont(const TFontSpec& FontSpec) {
  QFont F = BaseFont(FontSpec);
  F.setPixelSize(FontPixelSize(FontSpec));
  return F;
}

QPaintDevice* MetricsDevice() {
  static QImage Device = [] {
    QImage Image(1, 1, QImage::Format_RGB32);
    Image.setDotsPerMeterX(Dpm96);
    Image.setDotsPerMeterY(Dpm96);
    return Image;
  }();
  return &Device;
}

QFontMetrics MetricsFor(const QFont& Font) { return QFontMetrics(Font, MetricsDevice()); }
