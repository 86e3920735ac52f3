#include "Motifs.h"

#include <QPainterPath>
#include <cmath>

#include "Sketch.h"

namespace art {

void BinomialSquare(QPainter& P, double Size, double ASide, const TSquareColors& C, bool Labels) {
  const double A = Size * ASide, B = Size - A, X0 = -Size / 2, Y0 = -Size / 2;
  P.save();
  P.setPen(QPen(C.Line, std::max(1.0, Size / 60), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  P.setBrush(C.A2);
  P.drawRect(QRectF(X0, Y0, A, A));
  P.setBrush(C.AB);
  P.drawRect(QRectF(X0 + A, Y0, B, A));
  P.drawRect(QRectF(X0, Y0 + A, A, B));
  P.setBrush(C.B2);
  P.drawRect(QRectF(X0 + A, Y0 + A, B, B));
  if (Labels) {
    const QFont Big = SerifFont(A * 0.34), Small = SerifFont(std::max(8.0, B * 0.42));
    FillText(P, {X0 + A / 2, Y0 + A / 2}, QStringLiteral("a²"), Big, C.Label);
    FillText(P, {X0 + A + B / 2, Y0 + A / 2}, QStringLiteral("ab"), Small, C.Label);
    FillText(P, {X0 + A / 2, Y0 + A + B / 2}, QStringLiteral("ab"), Small, C.Label);
    FillText(P, {X0 + A + B / 2, Y0 + A + B / 2}, QStringLiteral("b²"), Small, C.Label);
    const QFont Side = SerifFont(Size * 0.13);
    FillText(P, {X0 + A / 2, Y0 - Size * 0.1}, QStringLiteral("a"), Side, C.Label);
    FillText(P, {X0 + A + B / 2, Y0 - Size * 0.1}, QStringLiteral("b"), Side, C.Label);
    FillText(P, {X0 - Size * 0.1, Y0 + A / 2}, QStringLiteral("a"), Side, C.Label);
    FillText(P, {X0 - Size * 0.1, Y0 + A + B / 2}, QStringLiteral("b"), Side, C.Label);
  }
  P.restore();
}

void FactorTree(QPainter& P, double Size, const QString& Root, const QString& Left, const QString& Right,
                const QString& LeftLeft, const QString& LeftRight, const TTreeColors& C) {
  const bool Deep = !LeftLeft.isEmpty();
  const double R = Size * (Deep ? 0.12 : 0.16);
  const double Top = Deep ? -Size * 0.36 : -Size * 0.22;
  const double Step = Deep ? Size * 0.34 : Size * 0.44;
  const QPointF Root_(0, Top), L(-Size * 0.22, Top + Step), Rt(Size * 0.22, Top + Step);
  const QPointF LL(-Size * 0.38, Top + 2 * Step), LR(-Size * 0.06, Top + 2 * Step);
  P.save();
  P.setPen(QPen(C.Line, std::max(1.2, Size / 45), Qt::SolidLine, Qt::RoundCap));
  P.drawLine(Root_, L);
  P.drawLine(Root_, Rt);
  if (Deep) {
    P.drawLine(L, LL);
    P.drawLine(L, LR);
  }
  auto Node = [&](QPointF At, const QString& Text) {
    P.setPen(QPen(C.Line, std::max(1.0, Size / 70)));
    P.setBrush(C.Node);
    P.drawEllipse(At, R, R);
    FillText(P, At, Text, SansFont(R * (Text.size() > 1 ? 0.95 : 1.15), true), C.Text);
  };
  Node(Root_, Root);
  Node(L, Left);
  Node(Rt, Right);
  if (Deep) {
    Node(LL, LeftLeft);
    Node(LR, LeftRight);
  }
  P.restore();
}

void Matchsticks(QPainter& P, double Stick, int Count, QColor StickColor, QColor Head) {
  const double W = Stick * Count, X0 = -W / 2, Y0 = -Stick / 2, Gap = Stick * 0.08;
  P.save();
  auto One = [&](QPointF A, QPointF B) {
    P.setPen(QPen(StickColor, std::max(1.5, Stick * 0.09), Qt::SolidLine, Qt::RoundCap));
    const QPointF D = (B - A) * (Gap / Stick);
    P.drawLine(A + D, B - D);
    P.setPen(Qt::NoPen);
    P.setBrush(Head);
    P.drawEllipse(B - D, Stick * 0.075, Stick * 0.075);
  };
  for (int I = 0; I < Count; ++I) {
    const double X = X0 + I * Stick;
    One({X, Y0}, {X + Stick, Y0});
    One({X, Y0 + Stick}, {X + Stick, Y0 + Stick});
    if (I == 0) One({X, Y0 + Stick}, {X, Y0});
    One({X + Stick, Y0 + Stick}, {X + Stick, Y0});
  }
  P.restore();
}

void LabelledRectangle(QPainter& P, double W, double H, const QString& Top, const QString& Side, QColor Fill,
                       QColor Line, QColor Label) {
  P.save();
  P.setPen(QPen(Line, std::max(1.0, H / 40)));
  P.setBrush(Fill);
  P.drawRect(QRectF(-W / 2, -H / 2, W, H));
  const QFont F = SerifFont(std::max(10.0, H * 0.36));
  FillText(P, {0, -H / 2 - H * 0.26}, Top, F, Label);
  FillText(P, {-W / 2 - H * 0.24, 0}, Side, F, Label);
  P.restore();
}

void Balance(QPainter& P, double Size, const TBalanceColors& C) {
  const double Half = Size / 2, Beam = -Size * 0.25, Floor = Size * 0.2, Pan = Size * 0.22;
  const double Line = std::max(1.0, Size / 160);
  P.save();
  // foot and post
  P.setPen(QPen(C.Line, Line));
  P.setBrush(C.Metal);
  QPainterPath Foot;
  Foot.moveTo(-Size * 0.12, Size * 0.4);
  Foot.lineTo(Size * 0.12, Size * 0.4);
  Foot.lineTo(Size * 0.05, Size * 0.35);
  Foot.lineTo(-Size * 0.05, Size * 0.35);
  Foot.closeSubpath();
  P.drawPath(Foot);
  P.drawRect(QRectF(-Size * 0.018, Beam, Size * 0.036, Size * 0.35 - Beam));
  // beam, level, with the pointer straight up
  P.drawRoundedRect(QRectF(-Half * 0.9, Beam - Size * 0.018, Size * 0.9, Size * 0.036), Size * 0.018, Size * 0.018);
  QPainterPath Pointer;
  Pointer.moveTo(-Size * 0.02, Beam);
  Pointer.lineTo(Size * 0.02, Beam);
  Pointer.lineTo(0, Beam - Size * 0.1);
  Pointer.closeSubpath();
  P.drawPath(Pointer);
  P.drawEllipse(QPointF(0, Beam), Size * 0.03, Size * 0.03);
  // the two pans on their strings
  for (const double X : {-Half * 0.78, Half * 0.78}) {
    P.setPen(QPen(C.Line, Line));
    P.drawLine(QPointF(X, Beam), QPointF(X - Pan, Floor - Size * 0.02));
    P.drawLine(QPointF(X, Beam), QPointF(X + Pan, Floor - Size * 0.02));
    P.setBrush(C.Pan);
    QPainterPath Bowl;
    Bowl.moveTo(X - Pan * 1.1, Floor - Size * 0.02);
    Bowl.lineTo(X + Pan * 1.1, Floor - Size * 0.02);
    Bowl.quadTo(X + Pan * 0.8, Floor + Size * 0.05, X, Floor + Size * 0.05);
    Bowl.quadTo(X - Pan * 0.8, Floor + Size * 0.05, X - Pan * 1.1, Floor - Size * 0.02);
    P.drawPath(Bowl);
    P.setBrush(C.Metal);
    P.drawEllipse(QPointF(X, Beam), Size * 0.015, Size * 0.015);
  }
  P.restore();
}

void CheckMark(QPainter& P, double Size, QColor Color) {
  P.save();
  P.setPen(QPen(Color, Size * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Qt::NoBrush);
  QPainterPath Path;
  Path.moveTo(-Size * 0.4, 0);
  Path.lineTo(-Size * 0.1, Size * 0.3);
  Path.lineTo(Size * 0.45, -Size * 0.35);
  P.drawPath(Path);
  P.restore();
}

void Star(QPainter& P, double Size, QColor Fill, QColor Line) {
  QPainterPath Path;
  for (int I = 0; I < 10; ++I) {
    const double R = (I % 2 == 0 ? 0.5 : 0.22) * Size, Angle = -M_PI / 2 + I * M_PI / 5;
    const QPointF At(R * std::cos(Angle), R * std::sin(Angle));
    if (I == 0)
      Path.moveTo(At);
    else
      Path.lineTo(At);
  }
  Path.closeSubpath();
  P.save();
  P.setPen(QPen(Line, std::max(1.0, Size / 30), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Fill);
  P.drawPath(Path);
  P.restore();
}

void Pencil(QPainter& P, double Length, QColor Body, QColor Tip, QColor Line) {
  const double T = Length * 0.14, BodyEnd = Length * 0.28;
  P.save();
  P.setPen(QPen(Line, std::max(1.0, Length / 60), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Body);
  P.drawRect(QRectF(-Length / 2, -T / 2, Length / 2 + BodyEnd, T));
  QPainterPath Cone;
  Cone.moveTo(BodyEnd, -T / 2);
  Cone.lineTo(Length / 2, 0);
  Cone.lineTo(BodyEnd, T / 2);
  Cone.closeSubpath();
  P.setBrush(Tip);
  P.drawPath(Cone);
  P.restore();
}

}  // namespace art
