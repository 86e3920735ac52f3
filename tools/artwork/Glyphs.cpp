// The tool bar glyphs (24 x 24, transparent around the drawing) and the two
// learning-path buttons of the pages. Bright colours with a dark outline, so
// they read well on the grey-lilac tool bar and on the light pages.
#include <QLinearGradient>
#include <QRadialGradient>

#include "Pieces.h"
#include "Sketch.h"

using namespace art;

namespace {

// The tool bar runs from silver to a light lilac; edges are blended over
// the colour in between.
constexpr QRgb kToolBarMatte = 0xFFCCC8D2u;
// The pages behind the learning-path buttons are light.
constexpr QRgb kPageMatte = 0xFFF4F4F0u;

const QColor kOutline(0x2E3A4A);

QBrush Shaded(QColor Base, double Top, double Bottom) {
  QLinearGradient G(0, Top, 0, Bottom);
  G.setColorAt(0, Mix(Base, Qt::white, 0.45));
  G.setColorAt(1, Base);
  return G;
}

QPen Outline(double Width = 1.0) { return QPen(kOutline, Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPainterPath Polygon(std::initializer_list<QPointF> Points) {
  QPainterPath Path;
  bool First = true;
  for (QPointF P : Points) {
    if (First)
      Path.moveTo(P);
    else
      Path.lineTo(P);
    First = false;
  }
  Path.closeSubpath();
  return Path;
}

// A blue round button with a white arrow: history back and forward.
void HistoryArrow(QPainter& P, bool Forward) {
  P.setPen(Outline());
  P.setBrush(Shaded(QColor(0x2F7FD0), 2, 22));
  P.drawEllipse(QPointF(12, 12), 10, 10);
  P.save();
  if (!Forward) {
    P.translate(24, 0);
    P.scale(-1, 1);
  }
  P.setPen(QPen(QColor(0x1D4F86), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Qt::white);
  P.drawPath(Polygon({{6, 10}, {12, 10}, {12, 6.5}, {18, 12}, {12, 17.5}, {12, 14}, {6, 14}}));
  P.restore();
}

// Green triangles: the chapter's first, previous, next and last page, and
// up to the overview. Direction: the tip points right; Bar adds a stop bar.
void ChapterArrow(QPainter& P, double Angle, bool Bar, bool Double) {
  P.save();
  P.translate(12, 12);
  P.rotate(Angle);
  P.translate(-12, -12);
  P.setPen(Outline());
  P.setBrush(Shaded(QColor(0x2FA24A), 4, 20));
  if (Double) {
    P.drawPath(Polygon({{3, 4.5}, {12, 12}, {3, 19.5}}));
    P.drawPath(Polygon({{10, 4.5}, {19, 12}, {10, 19.5}}));
  } else {
    P.drawPath(Polygon({{6.5, 3.5}, {18, 12}, {6.5, 20.5}}));
  }
  if (Bar) {
    P.setBrush(Shaded(QColor(0x2FA24A), 4, 20));
    P.drawRoundedRect(QRectF(18.5, 4.5, 3, 15), 1, 1);
  }
  P.restore();
}

void Home(QPainter& P) {
  P.setPen(Outline());
  P.setBrush(QColor(0xB0483A));
  P.drawRect(QRectF(15.5, 2.5, 3, 6));
  P.setBrush(QColor(0xFFF1CF));
  P.drawRect(QRectF(5.5, 10.5, 13, 11));
  P.setBrush(QColor(0x8E5A32));
  P.drawRect(QRectF(10.5, 15.5, 4, 6));
  P.setBrush(QColor(0x9BD2F5));
  P.drawRect(QRectF(15.5, 13.5, 2, 2));
  P.drawRect(QRectF(6.5, 13.5, 2, 2));
  P.setBrush(Shaded(QColor(0xD9412E), 2, 12));
  P.drawPath(Polygon({{1.5, 11.5}, {12, 2.0}, {22.5, 11.5}}));
}

// A folded map with a red pin: where am I?
void WhereAmI(QPainter& P) {
  P.setPen(Outline());
  const QColor Panels[3] = {QColor(0xF8EBB0), QColor(0xD9EFC0), QColor(0xF8EBB0)};
  const double X[4] = {1.5, 8.5, 15.5, 22.5};
  for (int I = 0; I < 3; ++I) {
    const double Up = I % 2 == 0 ? 0 : 2;
    P.setBrush(Panels[I]);
    P.drawPath(Polygon({{X[I], 7.5 + (I % 2 == 0 ? 0 : 2) - Up}, {X[I + 1], 7.5 + (I % 2 == 0 ? 2 : 0)},
                        {X[I + 1], 21.5 + (I % 2 == 0 ? 0 : -2) + 0}, {X[I], 21.5 - (I % 2 == 0 ? 2 : 0)}}));
  }
  // a dotted path across the map
  P.setPen(QPen(QColor(0x5B87C9), 1.2, Qt::DotLine, Qt::RoundCap));
  P.setBrush(Qt::NoBrush);
  QPainterPath Road;
  Road.moveTo(3.5, 18);
  Road.cubicTo(8, 13, 11, 20, 15.5, 13.5);
  P.drawPath(Road);
  // the pin
  P.setPen(Outline());
  QRadialGradient G(QPointF(14.5, 3.5), 6);
  G.setColorAt(0, QColor(0xFF8A7A));
  G.setColorAt(1, QColor(0xD42A1E));
  P.setBrush(G);
  QPainterPath Pin;
  Pin.moveTo(16.5, 15.5);
  Pin.cubicTo(14.5, 11.5, 11.5, 9.5, 11.5, 6.0);
  Pin.arcTo(QRectF(11.5, 1.0, 10, 10), 180, -180);
  Pin.cubicTo(21.5, 9.5, 18.5, 11.5, 16.5, 15.5);
  P.drawPath(Pin);
  P.setPen(Qt::NoPen);
  P.setBrush(Qt::white);
  P.drawEllipse(QPointF(16.5, 6), 1.7, 1.7);
}

// A book with coloured register tabs: the keyword index.
void Index(QPainter& P) {
  P.setPen(Outline());
  const QColor Tabs[3] = {QColor(0xE8453C), QColor(0xF5C230), QColor(0x3DB35A)};
  for (int I = 0; I < 3; ++I) {
    P.setBrush(Tabs[I]);
    P.drawRoundedRect(QRectF(16.5, 4.5 + I * 5.5, 5, 4), 1, 1);
  }
  P.setBrush(QColor(0xFFFFFF));
  P.drawRect(QRectF(5.5, 3.5, 13, 18));
  P.setBrush(Shaded(QColor(0x3461B8), 2, 22));
  P.drawRoundedRect(QRectF(2.5, 1.5, 14, 19), 1.5, 1.5);
  P.setPen(QPen(QColor(0xFFFFFF), 1));
  P.drawLine(QPointF(6, 6.5), QPointF(13, 6.5));
  P.drawLine(QPointF(6, 9.5), QPointF(11, 9.5));
  FillText(P, {9.5, 14.5}, QStringLiteral("A"), SansFont(7, true), QColor(0xFFE27A));
}

void Calculator(QPainter& P) {
  P.setPen(Outline());
  P.setBrush(Shaded(QColor(0x5E6E86), 1, 23));
  P.drawRoundedRect(QRectF(4.5, 1.5, 15, 21), 2, 2);
  P.setBrush(QColor(0xC8F0B8));
  P.drawRect(QRectF(6.5, 3.5, 11, 5));
  FillText(P, {14.5, 6.0}, QStringLiteral("12"), SansFont(5, true), QColor(0x1E4A1E));
  P.setPen(Qt::NoPen);
  for (int Row = 0; Row < 3; ++Row)
    for (int Col = 0; Col < 3; ++Col) {
      P.setBrush(Col == 2 ? QColor(0xF59B3C) : QColor(0xF2F2F2));
      P.drawRect(QRectF(6.5 + Col * 4, 10.5 + Row * 4, 3, 3));
    }
}

void Up(QPainter& P) {
  // An arrow up to a bar: back to the overview of the chapter.
  P.setPen(Outline());
  P.setBrush(Shaded(QColor(0x2FA24A), 3, 21));
  P.drawPath(Polygon({{12, 6.5}, {20.5, 15}, {15.5, 15}, {15.5, 21.5}, {8.5, 21.5}, {8.5, 15}, {3.5, 15}}));
  P.drawRoundedRect(QRectF(3.5, 2.5, 17, 3), 1, 1);
}

}  // namespace

TArtPicture DrawToolGlyph(TToolGlyph Glyph) {
  QImage Image = NewImage(kToolGlyphSize, kToolGlyphSize);
  {
    TPainter P(&Image);
    switch (Glyph) {
      case TToolGlyph::Home: Home(P); break;
      case TToolGlyph::Back: HistoryArrow(P, false); break;
      case TToolGlyph::Forward: HistoryArrow(P, true); break;
      case TToolGlyph::WhereAmI: WhereAmI(P); break;
      case TToolGlyph::Index: Index(P); break;
      case TToolGlyph::Calculator: Calculator(P); break;
      case TToolGlyph::Up: Up(P); break;
      case TToolGlyph::First: ChapterArrow(P, 180, true, false); break;
      case TToolGlyph::Previous: ChapterArrow(P, 180, false, false); break;
      case TToolGlyph::Next: ChapterArrow(P, 0, false, false); break;
      case TToolGlyph::Last: ChapterArrow(P, 0, true, false); break;
    }
  }
  TArtPicture Picture;
  Picture.Frames.push_back(std::move(Image));
  Picture.Transparent = true;
  Picture.Matte = kToolBarMatte;
  return Picture;
}

TArtPicture DrawPathArrow(bool Forward) {
  QImage Image = NewImage(kPathArrowSize, kPathArrowSize);
  {
    TPainter P(&Image);
    const QPointF C(17, 16.5);
    // a soft shadow below the button
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0, 0, 0, 40));
    P.drawEllipse(C + QPointF(0.8, 1.5), 15.5, 15.5);
    QRadialGradient G(C + QPointF(-4, -6), 20);
    G.setColorAt(0, QColor(0xFFD27A));
    G.setColorAt(1, QColor(0xF08A1C));
    P.setPen(QPen(QColor(0xB65A08), 1.2));
    P.setBrush(G);
    P.drawEllipse(C, 15, 15);
    P.save();
    if (!Forward) {
      P.translate(2 * C.x(), 0);
      P.scale(-1, 1);
    }
    P.setPen(QPen(QColor(0xB65A08), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::white);
    P.drawPath(Polygon({{C.x() - 9, C.y() - 3.5}, {C.x() + 0.5, C.y() - 3.5}, {C.x() + 0.5, C.y() - 9},
                        {C.x() + 10, C.y()}, {C.x() + 0.5, C.y() + 9}, {C.x() + 0.5, C.y() + 3.5},
                        {C.x() - 9, C.y() + 3.5}}));
    P.restore();
  }
  TArtPicture Picture;
  Picture.Frames.push_back(std::move(Image));
  Picture.Transparent = true;
  Picture.Matte = kPageMatte;
  return Picture;
}
