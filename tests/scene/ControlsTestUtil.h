#pragma once
// Rendering controls for pixel checks: a host window with a plain
// background, and reading colours back as TColor.
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <cstdlib>

#include "common/Colors.h"
#include "platform/Convert.h"

// A top-level window filled with one colour.
class THost : public QWidget {
 public:
  explicit THost(TColor Background, int W = 300, int H = 200) {
    QPalette P = palette();
    P.setColor(QPalette::Window, TColorToQColor(Background));
    setPalette(P);
    setAutoFillBackground(true);
    resize(W, H);
  }
};

// What Widget shows, drawn with its parents' backgrounds under it.
inline QImage Snapshot(QWidget& Widget) {
  QWidget* Top = Widget.window();
  QImage All = Top->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint At = Widget.mapTo(Top, QPoint(0, 0));
  return All.copy(At.x(), At.y(), Widget.width(), Widget.height());
}

inline TColor PixelAt(const QImage& Image, int X, int Y) { return QRgbToTColor(Image.pixel(X, Y)); }

// Pixels within Tolerance of Color in each of red, green and blue: text is
// antialiased, so its ink is only near its colour, by a font-dependent amount.
inline int CountNear(const QImage& Image, TColor Color, int Tolerance) {
  int N = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      const TColor P = PixelAt(Image, X, Y);
      bool Near = true;
      for (int Shift : {0, 8, 16}) Near = Near && std::abs(((P >> Shift) & 0xFF) - ((Color >> Shift) & 0xFF)) <= Tolerance;
      N += Near;
    }
  return N;
}

inline int CountColor(const QImage& Image, TColor Color) {
  int N = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) N += PixelAt(Image, X, Y) == Color;
  return N;
}
