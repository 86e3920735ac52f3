// The little helper of the message window: a round, smiling fellow with a
// sprout on his head who waves at the pupil and blinks now and then.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "Pieces.h"
#include "Sketch.h"

using namespace art;

namespace {

// The message window's gradient where the figure stands, for its edges.
constexpr QRgb kWindowMatte = 0xFFD7FAA8u;

const QColor kLine(0x7A4516);
const QColor kSkin(0xFFB933);

void Sprout(QPainter& P, double Sway) {
  P.setPen(QPen(QColor(0x3F8A2E), 1.4, Qt::SolidLine, Qt::RoundCap));
  P.setBrush(Qt::NoBrush);
  QPainterPath Stem;
  Stem.moveTo(25, 25);
  Stem.quadTo(25, 19, 25 + Sway, 15.5);
  P.drawPath(Stem);
  P.setPen(QPen(QColor(0x2E7A22), 0.9));
  P.setBrush(QColor(0x7CCF4E));
  for (int Side : {-1, 1}) {
    P.save();
    P.translate(25 + Sway, 15.5);
    P.rotate(Side * 35.0 + Sway * 4);
    P.drawEllipse(QPointF(Side * 4.2, 0), 4.3, 2.2);
    P.restore();
  }
}

void Arm(QPainter& P, QPointF Shoulder, double Angle, double Length) {
  const QPointF Hand = Shoulder + Length * QPointF(std::cos(Angle * M_PI / 180), std::sin(Angle * M_PI / 180));
  P.setPen(QPen(kLine, 6.4, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(Shoulder, Hand);
  P.setPen(QPen(kSkin, 4.2, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(Shoulder, Hand);
  P.setPen(QPen(kLine, 1.1));
  P.setBrush(QColor(0xFFD37A));
  P.drawEllipse(Hand, 3.4, 3.4);
}

void Eye(QPainter& P, QPointF C, bool Open) {
  if (!Open) {
    P.setPen(QPen(QColor(0x3A2414), 1.5, Qt::SolidLine, Qt::RoundCap));
    P.setBrush(Qt::NoBrush);
    P.drawArc(QRectF(C.x() - 4, C.y() - 2.5, 8, 5), 200 * 16, 140 * 16);
    return;
  }
  P.setPen(QPen(kLine, 1.0));
  P.setBrush(Qt::white);
  P.drawEllipse(C, 4.4, 5.4);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(0x2A1A10));
  P.drawEllipse(C + QPointF(1.1, 0.6), 2.6, 3.0);
  P.setBrush(Qt::white);
  P.drawEllipse(C + QPointF(1.9, -0.6), 1.0, 1.0);
}

QImage Frame(int Index) {
  const double Phase = 2 * M_PI * Index / kFigureFrames;
  const double Bob = -1.2 * (0.5 - 0.5 * std::cos(2 * Phase));  // up twice per wave
  const double Wave = -58 + 22 * std::sin(Phase);              // arm angle, degrees
  const bool Blink = Index == 5;
  QImage Image = NewImage(kFigureWidth, kFigureHeight);
  TPainter P(&Image);
  // feet stay on the ground
  P.setPen(QPen(kLine, 1.1));
  P.setBrush(QColor(0xE8772A));
  P.drawEllipse(QPointF(17.5, 64), 6.5, 3.6);
  P.drawEllipse(QPointF(33, 64), 6.5, 3.6);
  P.translate(0, Bob);
  Sprout(P, 1.3 * std::cos(Phase));  // the sprout lags behind the wave
  Arm(P, {10.5, 47}, 118, 9.5);  // the resting arm
  Arm(P, {39, 44}, Wave, 13.5);
  QRadialGradient Body(QPointF(19, 34), 26);
  Body.setColorAt(0, QColor(0xFFE27A));
  Body.setColorAt(1, kSkin.darker(108));
  P.setPen(QPen(kLine, 1.3));
  P.setBrush(Body);
  P.drawEllipse(QPointF(25, 43), 17, 19);
  // cheeks, eyes and a wide smile
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(255, 120, 110, 120));
  P.drawEllipse(QPointF(13.5, 48), 3.2, 2.2);
  P.drawEllipse(QPointF(37.5, 48), 3.2, 2.2);
  Eye(P, {19.5, 38}, !Blink);
  Eye(P, {31, 38}, !Blink);
  QPainterPath Mouth;
  Mouth.moveTo(18.5, 48.5);
  Mouth.quadTo(25, 49.5, 31.5, 48.5);
  Mouth.quadTo(30, 55.5, 25, 55.5);
  Mouth.quadTo(20, 55.5, 18.5, 48.5);
  P.setPen(QPen(kLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(QColor(0x9A2E22));
  P.drawPath(Mouth);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(0xFF8A8A));
  P.drawEllipse(QPointF(25, 53.8), 3.0, 1.5);
  return Image;
}

}  // namespace

TArtPicture DrawFigure() {
  TArtPicture Picture;
  for (int I = 0; I < kFigureFrames; ++I) {
    Picture.Frames.push_back(Frame(I));
    Picture.Delays.push_back(120);
  }
  Picture.Transparent = true;
  Picture.Matte = kWindowMatte;
  return Picture;
}
