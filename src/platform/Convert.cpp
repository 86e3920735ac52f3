#include "platform/Convert.h"

QRgb TColorToQRgb(TColor Color) {
  if (Color == clNone) return qRgba(0, 0, 0, 0);
  const TColor C = ColorToRGB(Color);
  return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}

QColor TColorToQColor(TColor Color) { return QColor::fromRgba(TColorToQRgb(Color)); }

TColor QRgbToTColor(QRgb Rgb) { return RGB(qRed(Rgb), qGreen(Rgb), qBlue(Rgb)); }

TColor QColorToTColor(const QColor& Color) { return QRgbToTColor(Color.rgb()); }
