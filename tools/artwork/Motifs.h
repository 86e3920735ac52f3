#pragma once
// Small drawn motifs the backgrounds and illustrations share. Each draws
// centred on (0, 0) of the painter, about Size pixels across.
#include <QColor>
#include <QPainter>
#include <QString>

namespace art {

// The square of (a + b)^2 cut into a^2, two a*b rectangles and b^2.
struct TSquareColors {
  QColor A2, AB, B2, Line, Label;
};
void BinomialSquare(QPainter& P, double Size, double ASide, const TSquareColors& C, bool Labels);

// A factor tree: Root at the top, split into Left and Right; Left splits
// once more into LeftLeft and LeftRight when those are given.
struct TTreeColors {
  QColor Node, Line, Text;
};
void FactorTree(QPainter& P, double Size, const QString& Root, const QString& Left, const QString& Right,
                const QString& LeftLeft, const QString& LeftRight, const TTreeColors& C);

// Count squares laid out of matchsticks in a row.
void Matchsticks(QPainter& P, double Stick, int Count, QColor Stick_, QColor Head);

// A rectangle with its sides named (area and perimeter pictures).
void LabelledRectangle(QPainter& P, double W, double H, const QString& Top, const QString& Side, QColor Fill,
                       QColor Line, QColor Label);

// A beam balance standing level: post, beam and two hanging pans, Size
// pixels wide and 0.75 * Size high. The beam lies Size * 0.25 above the
// centre, the pans' floors Size * 0.2 below it, Size * 0.39 to either side.
struct TBalanceColors {
  QColor Metal, Pan, Line;
};
void Balance(QPainter& P, double Size, const TBalanceColors& C);
void CheckMark(QPainter& P, double Size, QColor Color);
void Star(QPainter& P, double Size, QColor Fill, QColor Line);
void Pencil(QPainter& P, double Length, QColor Body, QColor Tip, QColor Line);

}  // namespace art
