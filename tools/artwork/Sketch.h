#pragma once
// Small drawing helpers the pictures share: canvases, fonts, centred text as
// outlines, soft shadows, a seeded random source and drawing that wraps
// around the edges of a tile.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <functional>
#include <random>

namespace art {

// A premultiplied ARGB32 canvas filled with Fill.
QImage NewImage(int Width, int Height, QColor Fill = Qt::transparent);

// Antialiased painting on Image.
class TPainter : public QPainter {
 public:
  explicit TPainter(QImage* Image);
};

QFont SansFont(double PixelSize, bool Bold = false, bool Italic = false);
QFont SerifFont(double PixelSize, bool Bold = false, bool Italic = true);

// Text as an outline whose bounding box is centred on (0, 0).
QPainterPath TextPath(const QString& Text, const QFont& Font);
// Fills Text centred on Centre, turned by Angle degrees.
void FillText(QPainter& P, QPointF Centre, const QString& Text, const QFont& Font, QColor Color,
              double Angle = 0);

// A filled rounded rectangle with an outline (no outline when Outline is
// transparent).
void RoundBox(QPainter& P, const QRectF& R, double Radius, QColor Fill, QColor Outline, double Width = 1.0);

// Colour between A (T = 0) and B (T = 1).
QColor Mix(QColor A, QColor B, double T);

// Calls Draw for the tile and for its eight neighbours' copies, so whatever
// crosses an edge continues at the opposite one and tiles join seamlessly.
void DrawWrapped(QPainter& P, QSize Tile, const std::function<void(QPainter&)>& Draw);

// A seeded random source with the same sequence on every platform.
class TRandom {
 public:
  explicit TRandom(std::uint32_t Seed) : FEngine(Seed) {}
  double Uniform(double Lo, double Hi);  // in [Lo, Hi)
  int Below(int N);                      // 0 ... N-1
 private:
  std::mt19937 FEngine;
};

}  // namespace art
