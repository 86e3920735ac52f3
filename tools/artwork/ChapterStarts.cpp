// The pictures behind the first page of a chapter: a soft sky over a gentle
// hill and one friendly picture of the chapter's idea. The upper middle
// stays quiet for the chapter's title.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "Motifs.h"
#include "Pieces.h"
#include "Sketch.h"

using namespace art;

namespace {

constexpr double W = kPageWidth, H = kPageHeight;

void Sky(QPainter& P, QColor Top, QColor Bottom, QColor Hill, QColor FarHill) {
  QLinearGradient G(0, 0, 0, H);
  G.setColorAt(0, Top);
  G.setColorAt(1, Bottom);
  P.fillRect(QRectF(0, 0, W, H), G);
  P.setPen(Qt::NoPen);
  P.setBrush(FarHill);
  QPainterPath Far;
  Far.moveTo(0, H * 0.80);
  Far.cubicTo(W * 0.25, H * 0.70, W * 0.45, H * 0.86, W * 0.7, H * 0.76);
  Far.cubicTo(W * 0.85, H * 0.70, W * 0.95, H * 0.74, W, H * 0.78);
  Far.lineTo(W, H);
  Far.lineTo(0, H);
  P.drawPath(Far);
  P.setBrush(Hill);
  QPainterPath Near;
  Near.moveTo(0, H * 0.90);
  Near.cubicTo(W * 0.3, H * 0.82, W * 0.6, H * 0.96, W, H * 0.86);
  Near.lineTo(W, H);
  Near.lineTo(0, H);
  P.drawPath(Near);
}

void Cloud(QPainter& P, QPointF C, double S, QColor Color) {
  P.setPen(Qt::NoPen);
  P.setBrush(Color);
  P.drawEllipse(C, S, S * 0.55);
  P.drawEllipse(C + QPointF(-S * 0.7, S * 0.15), S * 0.6, S * 0.4);
  P.drawEllipse(C + QPointF(S * 0.75, S * 0.12), S * 0.65, S * 0.42);
}

// A white card with a soft shadow.
void Card(QPainter& P, const QRectF& R, QColor Fill = QColor(0xFFFFFF)) {
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(60, 60, 80, 40));
  P.drawRoundedRect(R.translated(4, 5), 14, 14);
  RoundBox(P, R, 14, Fill, QColor(0xC8C8D8), 1.5);
}

// Letter tiles in a row, one per sign (spaces leave a gap), centred on Centre.
void Tiles(QPainter& P, QPointF Centre, const QString& Text, double Size, const std::vector<QColor>& Colors) {
  double Width = 0;
  for (QChar C : Text) Width += C == ' ' ? Size * 0.25 : Size * 1.08;
  double X = Centre.x() - Width / 2;
  int I = 0;
  for (QChar C : Text) {
    if (C == ' ') {
      X += Size * 0.25;
      continue;
    }
    const QColor Fill = Colors[static_cast<std::size_t>(I++) % Colors.size()];
    const QRectF R(X, Centre.y() - Size / 2, Size, Size);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(60, 60, 80, 45));
    P.drawRoundedRect(R.translated(2, 3), 7, 7);
    QLinearGradient G(R.topLeft(), R.bottomLeft());
    G.setColorAt(0, Mix(Fill, Qt::white, 0.35));
    G.setColorAt(1, Fill);
    P.setPen(QPen(Fill.darker(135), 1.5));
    P.setBrush(G);
    P.drawRoundedRect(R, 7, 7);
    const QString Sign(C);
    if (C == QChar(0x00B7)) {  // the multiplication dot, round and big enough to see
      P.setPen(Qt::NoPen);
      P.setBrush(Fill.darker(240));
      P.drawEllipse(R.center(), Size * 0.08, Size * 0.08);
    } else {
      const QFont Font = C.isLetter() ? SerifFont(Size * 0.62, true) : SansFont(Size * 0.6, C.isDigit() || C == '+');
      FillText(P, R.center(), Sign, Font, Fill.darker(240));
    }
    X += Size * 1.08;
  }
}

const std::vector<QColor> kTileColors = {QColor(0xFFD6A0), QColor(0xB8DCFF), QColor(0xC8EDB4), QColor(0xFFC4C4),
                                         QColor(0xE4CCFF), QColor(0xFFF0A0)};

// Chapter 1: the distributive law as areas: a rectangle a high and b + c wide.
void Rules(QPainter& P) {
  Sky(P, QColor(0xFFF6E2), QColor(0xFFE9CC), QColor(0xCBE6A8), QColor(0xE2F0C4));
  Cloud(P, {90, 70}, 34, QColor(255, 255, 255, 200));
  Cloud(P, {640, 95}, 28, QColor(255, 255, 255, 200));
  const QRectF Area(250, 150, 330, 170);
  const double B = 190;
  Card(P, Area.adjusted(-70, -50, 40, 30));
  P.setPen(QPen(QColor(0x4A5A78), 2));
  P.setBrush(QColor(0xB8DCFF));
  P.drawRect(QRectF(Area.left(), Area.top(), B, Area.height()));
  P.setBrush(QColor(0xC8EDB4));
  P.drawRect(QRectF(Area.left() + B, Area.top(), Area.width() - B, Area.height()));
  const QColor Ink(0x2C3E5C);
  FillText(P, {Area.left() + B / 2, Area.center().y()}, QStringLiteral("a · b"), SerifFont(34), Ink);
  FillText(P, {Area.left() + B + (Area.width() - B) / 2, Area.center().y()}, QStringLiteral("a · c"),
           SerifFont(34), Ink);
  FillText(P, {Area.left() + B / 2, Area.top() - 22}, QStringLiteral("b"), SerifFont(30), QColor(0x2F6FB8));
  FillText(P, {Area.left() + B + (Area.width() - B) / 2, Area.top() - 22}, QStringLiteral("c"), SerifFont(30),
           QColor(0x3A8A2E));
  FillText(P, {Area.left() - 28, Area.center().y()}, QStringLiteral("a"), SerifFont(30), QColor(0xC0502A));
  // brace over the whole width: b + c
  Tiles(P, {W / 2, 400}, QStringLiteral("a·(b+c) = a·b+a·c"), 36, kTileColors);
  FillText(P, {90, 250}, QStringLiteral("+"), SansFont(90, true), QColor(255, 190, 120, 150), -10);
  FillText(P, {665, 250}, QStringLiteral("−"), SansFont(80, true), QColor(140, 190, 240, 150), 6);
  FillText(P, {680, 180}, QStringLiteral("( )"), SansFont(60, true), QColor(190, 160, 230, 140), 8);
}

// Chapters 2 and 3: matchstick patterns growing by one square, and the term
// that counts their sticks.
void Terms(QPainter& P) {
  Sky(P, QColor(0xE6F3FF), QColor(0xF2FAEA), QColor(0xB6DE94), QColor(0xD4ECB8));
  Cloud(P, {110, 80}, 36, QColor(255, 255, 255, 220));
  Cloud(P, {620, 70}, 30, QColor(255, 255, 255, 220));
  Card(P, QRectF(40, 140, 656, 200));
  const QColor Stick(0xC98A3E), Head(0xD8402E), Ink(0x2C3E5C);
  double X = 70;
  for (int N = 1; N <= 4; ++N) {
    const double S = 40;
    P.save();
    P.translate(X + N * S / 2, 220);
    Matchsticks(P, S, N, Stick, Head);
    P.restore();
    FillText(P, {X + N * S / 2, 275}, QStringLiteral("n = %1").arg(N), SerifFont(20), Ink);
    FillText(P, {X + N * S / 2, 305}, QStringLiteral("%1 Hölzer").arg(3 * N + 1), SansFont(16), QColor(0x6A5A48));
    X += N * S + 42;
  }
  FillText(P, {650, 222}, QStringLiteral("…"), SansFont(40), Ink);
  Tiles(P, {W / 2, 400}, QStringLiteral("3·n+1"), 44, kTileColors);
}

// Chapter 4: two terms that look different lie on a balance, and it stays
// level: for every x they weigh the same.
void Equivalence(QPainter& P) {
  Sky(P, QColor(0xEEF0FF), QColor(0xF7F4FF), QColor(0xC9E4B0), QColor(0xDDEDCB));
  Cloud(P, {95, 150}, 30, QColor(255, 255, 255, 220));
  Cloud(P, {650, 140}, 26, QColor(255, 255, 255, 220));
  const double Size = 480;
  const QPointF Centre(W / 2, 282);
  P.save();
  P.translate(Centre);
  Balance(P, Size, {QColor(0xB9C2D6), QColor(0xE4E9F4), QColor(0x4A5A78)});
  P.restore();
  const double PanY = Centre.y() + Size * 0.2 - 28;
  Tiles(P, {Centre.x() - Size * 0.39, PanY}, QStringLiteral("2·(x+3)"), 29, kTileColors);
  Tiles(P, {Centre.x() + Size * 0.39, PanY}, QStringLiteral("2·x+6"), 29, kTileColors);
  // the check that it always holds, on a sign at the stand
  const QRectF Check(W / 2 - 80, 392, 160, 54);
  Card(P, Check);
  FillText(P, {Check.center().x(), Check.top() + 17}, QStringLiteral("x = 5:  16 = 16"), SansFont(16),
           QColor(0x2C3E5C));
  FillText(P, {Check.center().x(), Check.top() + 38}, QStringLiteral("x = 10:  26 = 26"), SansFont(16),
           QColor(0x2C3E5C));
}

// Chapter 8: (a + b)^2 as a big square of four parts, and its formula.
void Binomial(QPainter& P) {
  Sky(P, QColor(0xFFEFEA), QColor(0xFFF8E8), QColor(0xF4CFC0), QColor(0xF9E2D6));
  Cloud(P, {640, 80}, 32, QColor(255, 255, 255, 210));
  Card(P, QRectF(70, 120, 290, 290));
  P.save();
  P.translate(230, 280);
  BinomialSquare(P, 200, 0.62, {QColor(0xA9CFFF), QColor(0xFFE08A), QColor(0xFFA9A0), QColor(0x4A5A78),
                                QColor(0x2C3E5C)},
                 true);
  P.restore();
  Card(P, QRectF(400, 190, 300, 150));
  FillText(P, {550, 230}, QStringLiteral("(a + b)²"), SerifFont(36, true), QColor(0x2C3E5C));
  FillText(P, {550, 296}, QStringLiteral("= a² + 2ab + b²"), SerifFont(30), QColor(0x2C3E5C));
}

// Chapter 9: a factor tree as a real tree, its prime factors hanging as
// apples.
void Factors(QPainter& P) {
  Sky(P, QColor(0xE4F6F8), QColor(0xF4FBEC), QColor(0xA8D98A), QColor(0xCBEAB0));
  Cloud(P, {100, 70}, 32, QColor(255, 255, 255, 220));
  const QColor Bark(0x8A5A32), Ink(0x2C3E5C);
  P.save();
  P.translate(0, 18);  // keep the crown clear of the title
  // crown behind the branches
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(0x9ED67A));
  for (const auto& [X, Y, R] : {std::tuple{300.0, 210.0, 110.0}, {420.0, 200.0, 115.0}, {360.0, 150.0, 95.0},
                                {250.0, 270.0, 70.0}, {470.0, 265.0, 75.0}})
    P.drawEllipse(QPointF(X, Y), R, R * 0.82);
  P.setBrush(QColor(0xB7E396));
  P.drawEllipse(QPointF(340, 165), 70, 50);
  // trunk and branches
  P.setPen(QPen(Bark, 22, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(QPointF(360, 440), QPointF(360, 320));
  P.setPen(QPen(Bark, 12, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(QPointF(360, 320), QPointF(285, 240));
  P.drawLine(QPointF(360, 320), QPointF(440, 240));
  P.setPen(QPen(Bark, 7, Qt::SolidLine, Qt::RoundCap));
  for (const auto& [From, To] : {std::pair{QPointF(285, 240), QPointF(240, 175)}, {QPointF(285, 240), QPointF(318, 165)},
                                 {QPointF(440, 240), QPointF(400, 165)}, {QPointF(440, 240), QPointF(485, 175)}})
    P.drawLine(From, To);
  auto Sign = [&](QPointF At, const QString& Text, double R) {
    P.setPen(QPen(QColor(0x5A8A3A), 2));
    P.setBrush(QColor(0xF4FFE8));
    P.drawEllipse(At, R, R * 0.8);
    FillText(P, At, Text, SansFont(R * 0.9, true), Ink);
  };
  auto Apple = [&](QPointF At, const QString& Text) {
    QRadialGradient G(At + QPointF(-6, -7), 26);
    G.setColorAt(0, QColor(0xFF8A78));
    G.setColorAt(1, QColor(0xD8322A));
    P.setPen(QPen(QColor(0x9A1E18), 1.5));
    P.setBrush(G);
    P.drawEllipse(At, 19, 18);
    P.setPen(QPen(Bark, 2.5, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(At + QPointF(0, -17), At + QPointF(2, -24));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x4FA83A));
    P.drawEllipse(At + QPointF(8, -22), 6, 3);
    FillText(P, At + QPointF(0, 1), Text, SansFont(20, true), Qt::white);
  };
  Sign({360, 332}, QStringLiteral("60"), 30);
  Sign({285, 240}, QStringLiteral("6"), 24);
  Sign({440, 240}, QStringLiteral("10"), 24);
  Apple({240, 168}, QStringLiteral("2"));
  Apple({318, 158}, QStringLiteral("3"));
  Apple({400, 158}, QStringLiteral("2"));
  Apple({485, 168}, QStringLiteral("5"));
  P.restore();
  Card(P, QRectF(520, 330, 190, 66));
  FillText(P, {615, 363}, QStringLiteral("60 = 2 · 2 · 3 · 5"), SansFont(22), Ink);
}

// Chapter 10: the tasks. A sheet of solved tasks with their check marks, the
// pencil that solved them and a star for the work done.
void Tasks(QPainter& P) {
  Sky(P, QColor(0xEEF0FF), QColor(0xFFF7E6), QColor(0xC4E2A0), QColor(0xDDEEC4));
  Cloud(P, {95, 75}, 32, QColor(255, 255, 255, 220));
  Cloud(P, {650, 82}, 28, QColor(255, 255, 255, 220));
  const QColor Ink(0x2C3E5C), Rule(0xB8CBE6), Margin(0xF0A0A0), Tick(0x3A9A3A);
  // the sheet, slightly turned, with ruled lines and a red margin
  P.save();
  P.translate(330, 265);
  P.rotate(-3);
  const QRectF Sheet(-210, -140, 420, 270);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(60, 60, 80, 40));
  P.drawRoundedRect(Sheet.translated(5, 6), 8, 8);
  RoundBox(P, Sheet, 8, QColor(0xFFFEF8), QColor(0xC8C8D8), 1.5);
  P.setPen(QPen(Rule, 1.2));
  for (double Y = Sheet.top() + 48; Y < Sheet.bottom() - 10; Y += 36)
    P.drawLine(QPointF(Sheet.left() + 12, Y), QPointF(Sheet.right() - 12, Y));
  P.setPen(QPen(Margin, 1.5));
  P.drawLine(QPointF(Sheet.left() + 58, Sheet.top() + 8), QPointF(Sheet.left() + 58, Sheet.bottom() - 8));
  const QString Lines[] = {QStringLiteral("3x + 5x = 8x"), QStringLiteral("2·(a + 4) = 2a + 8"),
                           QStringLiteral("(x + 1)² = x² + 2x + 1"), QStringLiteral("6y − 9 = 3·(2y − 3)")};
  double Y = Sheet.top() + 30;
  int Number = 1;
  for (const QString& Line : Lines) {
    FillText(P, {Sheet.left() + 34, Y}, QStringLiteral("%1.").arg(Number++), SansFont(18, true), QColor(0x8A6A48));
    const QPainterPath Path = TextPath(Line, SerifFont(24));
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    P.drawPath(Path.translated(Sheet.left() + 72 - Path.boundingRect().left(), Y));
    P.save();
    P.translate(Sheet.right() - 34, Y);
    CheckMark(P, 26, Tick);
    P.restore();
    Y += 36;
  }
  P.restore();
  // the pencil lying beside the sheet
  P.save();
  P.translate(600, 330);
  P.rotate(-35);
  Pencil(P, 170, QColor(0xFFC94A), QColor(0xE8C9A0), QColor(0x6A5A48));
  P.restore();
  // a star for the finished sheet
  P.save();
  P.translate(615, 185);
  Star(P, 86, QColor(0xFFD84A), QColor(0xC8901E));
  P.restore();
}

// Chapter 5: a rectangle (a + b) high and (c + d) wide cut into four
// coloured parts, and the product of the two sums that it pictures, with
// arcs from each term of the first sum to each term of the second.
void Products(QPainter& P) {
  Sky(P, QColor(0xF0F4FF), QColor(0xFFF4E8), QColor(0xC9E4B0), QColor(0xE0EFCC));
  Cloud(P, {95, 78}, 32, QColor(255, 255, 255, 215));
  Cloud(P, {655, 72}, 28, QColor(255, 255, 255, 215));
  const QColor Ink(0x2C3E5C), Line(0x4A5A78);
  const QColor AColor(0xC0502A), BColor(0x2F6FB8), CColor(0x3A8A2E), DColor(0x8A4FB8);
  // the rectangle: a over b, c beside d; four different lengths
  const double A = 120, B = 70, C = 150, D = 85, X0 = 112, Y0 = 168;
  Card(P, QRectF(X0 - 58, Y0 - 62, C + D + 92, A + B + 96));
  P.setPen(QPen(Line, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  const struct {
    QRectF Rect;
    QColor Fill;
    const char* Label;
  } Parts[] = {{{X0, Y0, C, A}, QColor(0xA9CFFF), "ac"},
               {{X0 + C, Y0, D, A}, QColor(0xFFE08A), "ad"},
               {{X0, Y0 + A, C, B}, QColor(0xBFE8A8), "bc"},
               {{X0 + C, Y0 + A, D, B}, QColor(0xFFB8B0), "bd"}};
  for (const auto& Part : Parts) {
    P.setBrush(Part.Fill);
    P.drawRect(Part.Rect);
  }
  for (const auto& Part : Parts) FillText(P, Part.Rect.center(), QString::fromLatin1(Part.Label), SerifFont(30), Ink);
  const QFont Side = SerifFont(28);
  FillText(P, {X0 + C / 2, Y0 - 24}, QStringLiteral("c"), Side, CColor);
  FillText(P, {X0 + C + D / 2, Y0 - 24}, QStringLiteral("d"), Side, DColor);
  FillText(P, {X0 - 26, Y0 + A / 2}, QStringLiteral("a"), Side, AColor);
  FillText(P, {X0 - 26, Y0 + A + B / 2}, QStringLiteral("b"), Side, BColor);

  // the product of the sums with its four arcs, and the sum of the products
  const QRectF Right(410, 150, 300, 226);
  Card(P, Right);
  const QFont Big = SerifFont(34, true);
  const double Y = Right.top() + 112;
  const QPointF PA(459, Y), PB(519, Y), PC(597, Y), PD(657, Y);
  const QString Signs[] = {QStringLiteral("("), QStringLiteral("+"), QStringLiteral(")·("), QStringLiteral("+"),
                           QStringLiteral(")")};
  const double SignX[] = {438, 489, 558, 627, 680};
  for (int I = 0; I < 5; ++I) FillText(P, {SignX[I], Y}, Signs[I], SansFont(30), Ink);
  FillText(P, PA, QStringLiteral("a"), Big, AColor);
  FillText(P, PB, QStringLiteral("b"), Big, BColor);
  FillText(P, PC, QStringLiteral("c"), Big, CColor);
  FillText(P, PD, QStringLiteral("d"), Big, DColor);
  auto Arc = [&](QPointF From, QPointF To, double Rise, QColor Color) {
    const double Dir = Rise < 0 ? -1 : 1;
    const QPointF Start = From + QPointF(0, Dir * 20), End = To + QPointF(0, Dir * 20);
    QPainterPath Path(Start);
    Path.cubicTo(Start + QPointF(0, Rise), End + QPointF(0, Rise), End);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(Color, 2.5, Qt::SolidLine, Qt::RoundCap));
    P.drawPath(Path);
    // a small head pointing at the second factor's term
    const QPointF Tip = End;
    QPolygonF Head;
    Head << Tip << Tip + QPointF(-7, Dir * 10) << Tip + QPointF(5, Dir * 11);
    P.setPen(Qt::NoPen);
    P.setBrush(Color);
    P.drawPolygon(Head);
  };
  Arc(PA, PC, -44, AColor);
  Arc(PA, PD, -70, AColor);
  Arc(PB, PC, 44, BColor);
  Arc(PB, PD, 70, BColor);
  Tiles(P, {W / 2, 426}, QStringLiteral("ac+ad+bc+bd"), 36, kTileColors);
}

}  // namespace

TArtPicture DrawChapterStart(int Chapter) {
  QImage Image = NewImage(kPageWidth, kPageHeight, Qt::white);
  {
    TPainter P(&Image);
    switch (Chapter) {
      case 1: Rules(P); break;
      case 2: Terms(P); break;
      case 4: Equivalence(P); break;
      case 5: Products(P); break;
      case 8: Binomial(P); break;
      case 9: Factors(P); break;
      case 10: Tasks(P); break;
      default: break;
    }
  }
  TArtPicture Picture;
  Picture.Frames.push_back(std::move(Image));
  return Picture;
}
