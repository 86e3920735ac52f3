#pragma once
// A white image with a canvas on it, and a picture of which pixels carry a
// colour ('#') and which do not ('.'), row by row.
#include <QImage>
#include <string>

#include "common/Colors.h"
#include "platform/Canvas.h"
#include "platform/Convert.h"

struct TImageCanvas {
  QImage Image;
  TCanvas Canvas;

  TImageCanvas(int Width, int Height, QImage::Format Format = QImage::Format_RGB32)
      : Image(Width, Height, Format), Canvas(&Image) {
    Image.fill(Qt::white);
  }
  // Ends painting, so the image can be read.
  const QImage& Done() {
    Canvas.EndPaint();
    return Image;
  }
  TColor At(int X, int Y) { return QRgbToTColor(Done().pixel(X, Y)); }
};

inline std::string ColorMask(const QImage& Image, TColor Color) {
  std::string S;
  for (int Y = 0; Y < Image.height(); ++Y) {
    for (int X = 0; X < Image.width(); ++X) S += QRgbToTColor(Image.pixel(X, Y)) == Color ? '#' : '.';
    S += '\n';
  }
  return S;
}

// Rows given as separate strings read better in tests.
inline std::string Rows(std::initializer_list<const char*> Lines) {
  std::string S;
  for (const char* L : Lines) {
    S += L;
    S += '\n';
  }
  return S;
}
