#include "Sketch.h"

namespace art {

QImage NewImage(int Width, int Height, QColor Fill) {
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Fill);
  return Image;
}

TPainter::TPainter(QImage* Image) : QPainter(Image) {
  setRenderHint(QPainter::Antialiasing, true);
  setRenderHint(QPainter::SmoothPixmapTransform, true);
}

namespace {
QFont MakeFont(const char* Family, double PixelSize, bool Bold, bool Italic) {
  QFont F(QString::fromLatin1(Family));
  F.setPixelSize(qMax(1, qRound(PixelSize)));
  F.setBold(Bold);
  F.setItalic(Italic);
  F.setHintingPreference(QFont::PreferNoHinting);
  F.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::NoSubpixelAntialias));
  return F;
}
}  // namespace

QFont SansFont(double PixelSize, bool Bold, bool Italic) { return MakeFont("DejaVu Sans", PixelSize, Bold, Italic); }
QFont SerifFont(double PixelSize, bool Bold, bool Italic) {
  return MakeFont("DejaVu Serif", PixelSize, Bold, Italic);
}

QPainterPath TextPath(const QString& Text, const QFont& Font) {
  QPainterPath Path;
  Path.addText(0, 0, Font, Text);
  const QRectF Box = Path.boundingRect();
  return Path.translated(-Box.center());
}

void FillText(QPainter& P, QPointF Centre, const QString& Text, const QFont& Font, QColor Color, double Angle) {
  P.save();
  P.translate(Centre);
  P.rotate(Angle);
  P.setPen(Qt::NoPen);
  P.setBrush(Color);
  P.drawPath(TextPath(Text, Font));
  P.restore();
}

void RoundBox(QPainter& P, const QRectF& R, double Radius, QColor Fill, QColor Outline, double Width) {
  P.save();
  if (Outline.alpha() == 0)
    P.setPen(Qt::NoPen);
  else
    P.setPen(QPen(Outline, Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Fill);
  P.drawRoundedRect(R, Radius, Radius);
  P.restore();
}

QColor Mix(QColor A, QColor B, double T) {
  auto L = [T](int X, int Y) { return qBound(0, qRound(X + (Y - X) * T), 255); };
  return QColor(L(A.red(), B.red()), L(A.green(), B.green()), L(A.blue(), B.blue()), L(A.alpha(), B.alpha()));
}

void DrawWrapped(QPainter& P, QSize Tile, const std::function<void(QPainter&)>& Draw) {
  for (int Dy = -1; Dy <= 1; ++Dy)
    for (int Dx = -1; Dx <= 1; ++Dx) {
      P.save();
      P.translate(Dx * Tile.width(), Dy * Tile.height());
      Draw(P);
      P.restore();
    }
}

double TRandom::Uniform(double Lo, double Hi) {
  // 32 random bits scaled by hand: the standard distributions differ
  // between library implementations.
  return Lo + (Hi - Lo) * (static_cast<double>(FEngine()) / 4294967296.0);
}

int TRandom::Below(int N) { return N <= 0 ? 0 : static_cast<int>(FEngine() % static_cast<std::uint32_t>(N)); }

}  // namespace art
