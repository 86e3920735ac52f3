#pragma once
// Fonts of the designs on this platform: the family substitution table and the
// translation of Height / Size / Style into a QFont. Text is measured on a
// fixed 96 dpi device, so measures do not depend on the screen.
#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "common/CoreCanvas.h"

// "Tahoma" -> "DejaVu Sans" and so on; unknown names pass unchanged.
// Case is ignored.
QString SubstituteFontFamily(const QString& Name);

// Pixel size (em height) that gives a font of the given Height:
// -Height for negative values; for positive ones the size whose cell
// (ascent + descent) is Height pixels.
int FontPixelSize(const TFontSpec& FontSpec);

QFont MakeQFont(const TFontSpec& FontSpec);

// The 96 dpi device every text measure uses.
QPaintDevice* MetricsDevice();
QFontMetrics MetricsFor(const QFont& Font);
