// The start page's picture: a little tower of toy blocks with algebra signs,
// free-standing on the page's dark blue-green background.
#include "Pieces.h"
#include "Sketch.h"

using namespace art;

namespace {

// Between the two colours of the start page's background.
constexpr QRgb kStartMatte = 0xFF5E6880u;

constexpr double kSide = 54;   // front face
constexpr double kDepth = 16;  // how far the top and side faces reach back

void Cube(QPainter& P, QPointF At, QColor Color, const QString& Sign, double Tilt) {
  const QPointF Back(kDepth, -kDepth * 0.7);
  const QColor Edge = Color.darker(170);
  P.setPen(QPen(Edge, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygonF Top({At, At + Back, At + Back + QPointF(kSide, 0), At + QPointF(kSide, 0)});
  QPolygonF Right({At + QPointF(kSide, 0), At + Back + QPointF(kSide, 0), At + Back + QPointF(kSide, kSide),
                   At + QPointF(kSide, kSide)});
  P.setBrush(Color.lighter(135));
  P.drawPolygon(Top);
  P.setBrush(Color.darker(125));
  P.drawPolygon(Right);
  QLinearGradient Front(At, At + QPointF(0, kSide));
  Front.setColorAt(0, Mix(Color, Qt::white, 0.15));
  Front.setColorAt(1, Color);
  P.setBrush(Front);
  P.drawRoundedRect(QRectF(At, QSizeF(kSide, kSide)), 3, 3);
  // a light inner border as on painted wooden blocks
  P.setPen(QPen(Mix(Color, Qt::white, 0.55), 2));
  P.setBrush(Qt::NoBrush);
  P.drawRoundedRect(QRectF(At + QPointF(5, 5), QSizeF(kSide - 10, kSide - 10)), 4, 4);
  const QPainterPath Text = TextPath(Sign, Sign.size() > 1 || Sign.at(0).isLetter() ? SerifFont(34, true)
                                                                                    : SansFont(36, true));
  P.save();
  P.translate(At + QPointF(kSide / 2, kSide / 2));
  P.rotate(Tilt);
  P.setPen(QPen(Edge, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Qt::white);
  P.drawPath(Text);
  P.restore();
}

void Sparkle(QPainter& P, QPointF C, double R, QColor Color) {
  QPainterPath Path;
  Path.moveTo(C + QPointF(0, -R));
  Path.quadTo(C, C + QPointF(R, 0));
  Path.quadTo(C, C + QPointF(0, R));
  Path.quadTo(C, C + QPointF(-R, 0));
  Path.quadTo(C, C + QPointF(0, -R));
  P.setPen(Qt::NoPen);
  P.setBrush(Color);
  P.drawPath(Path);
}

}  // namespace

TArtPicture DrawStartPicture() {
  QImage Image = NewImage(kStartPictureSize, kStartPictureSize);
  {
    TPainter P(&Image);
    // three rows of blocks, bottom row first so upper blocks cover what
    // lies behind them
    const double Y0 = kStartPictureSize - 4 - kSide;
    Cube(P, {8, Y0}, QColor(0xE5483A), QStringLiteral("a"), -4);
    Cube(P, {8 + kSide, Y0}, QColor(0xF2B526), QStringLiteral("+"), 0);
    Cube(P, {8 + 2 * kSide, Y0}, QColor(0x3A7FDB), QStringLiteral("b"), 5);
    Cube(P, {8 + kSide / 2, Y0 - kSide}, QColor(0x3DAE55), QStringLiteral("="), 0);
    Cube(P, {8 + 1.5 * kSide, Y0 - kSide}, QColor(0x9A5BD0), QStringLiteral("x"), -6);
    Cube(P, {8 + kSide, Y0 - 2 * kSide}, QColor(0xF07F2A), QStringLiteral("y²"), 3);
    Sparkle(P, {34, 44}, 10, QColor(0xFFF3A0));
    Sparkle(P, {168, 30}, 7, QColor(0xFFFFFF));
    Sparkle(P, {22, 80}, 5, QColor(0xBFE4FF));
  }
  TArtPicture Picture;
  Picture.Frames.push_back(std::move(Image));
  Picture.Transparent = true;
  Picture.Matte = kStartMatte;
  return Picture;
}
