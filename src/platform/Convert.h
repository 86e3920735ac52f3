#pragma once
// Conversions between the program's plain types (TColor, TRect, TPoint,
// UTF-8 strings) and Qt's.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>

#include "common/Colors.h"
#include "common/Types.h"

// System colours resolve through the fixed palette; clNone becomes a fully
// transparent colour, every other value an opaque one.
QRgb TColorToQRgb(TColor Color);
QColor TColorToQColor(TColor Color);
// Alpha is ignored.
TColor QRgbToTColor(QRgb Rgb);
TColor QColorToTColor(const QColor& Color);

// TRect keeps right and bottom exclusive, so QRect(Left, Top, Width, Height).
inline QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }
inline TRect FromQRect(const QRect& R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }
inline QPoint ToQPoint(TPoint P) { return QPoint(P.X, P.Y); }
inline TPoint FromQPoint(QPoint P) { return {P.x(), P.y()}; }

inline QString ToQString(const std::string& Utf8) { return QString::fromStdString(Utf8); }
inline std::string ToStdString(const QString& Text) { return Text.toStdString(); }
