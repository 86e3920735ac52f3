#include "shell/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <vector>

#include "common/Colors.h"
#include "components/GIFBitmap.h"
#include "components/GIFWriter.h"

namespace {

const QColor Ink(40, 60, 110);
const QColor ArrowFill(52, 132, 196);
const QColor ArrowDark(28, 84, 140);

QPainterPath Triangle(QPointF A, QPointF B, QPointF C) {
  QPainterPath Path;
  Path.moveTo(A);
  Path.lineTo(B);
  Path.lineTo(C);
  Path.closeSubpath();
  return Path;
}

void FillOutlined(QPainter& P, const QPainterPath& Path, const QColor& Fill, const QColor& Line) {
  P.setPen(QPen(Line, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Fill);
  P.drawPath(Path);
}

void DrawHome(QPainter& P) {
  QPainterPath Body;
  Body.addRect(QRectF(5.5, 11.5, 13, 9));
  FillOutlined(P, Body, QColor(246, 232, 200), Ink);
  FillOutlined(P, Triangle({2.5, 12.5}, {12, 3.5}, {21.5, 12.5}), QColor(200, 60, 50), QColor(120, 30, 25));
  QPainterPath Door;
  Door.addRect(QRectF(10, 14.5, 4, 6));
  FillOutlined(P, Door, QColor(140, 90, 50), Ink);
}

// A curved history arrow; Forward mirrors it.
void DrawHistory(QPainter& P, bool Forward) {
  P.save();
  if (Forward) {
    P.translate(24, 0);
    P.scale(-1, 1);
  }
  P.setPen(QPen(ArrowDark, 3.2, Qt::SolidLine, Qt::RoundCap));
  P.setBrush(Qt::NoBrush);
  QPainterPath Arc;
  Arc.moveTo(8, 9);
  Arc.cubicTo(16, 9, 21, 12, 20, 19);
  P.drawPath(Arc);
  P.setPen(QPen(ArrowDark, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(ArrowFill);
  P.drawPath(Triangle({2, 9}, {9.5, 3}, {9.5, 15}));
  P.restore();
}

void DrawTree(QPainter& P) {
  P.setPen(QPen(Ink, 1.2));
  P.drawLine(QPointF(12, 8), QPointF(12, 12));
  P.drawLine(QPointF(5.5, 12), QPointF(18.5, 12));
  P.drawLine(QPointF(5.5, 12), QPointF(5.5, 15));
  P.drawLine(QPointF(18.5, 12), QPointF(18.5, 15));
  P.setBrush(QColor(250, 220, 120));
  P.drawRect(QRectF(8.5, 2.5, 7, 5.5));
  P.setBrush(QColor(190, 220, 250));
  P.drawRect(QRectF(2.5, 15.5, 6, 5));
  P.setBrush(QColor(230, 80, 60));
  P.drawRect(QRectF(15.5, 15.5, 6, 5));
}

void DrawIndex(QPainter& P) {
  QPainterPath Book;
  Book.addRoundedRect(QRectF(4.5, 2.5, 15, 19), 1.5, 1.5);
  FillOutlined(P, Book, QColor(120, 160, 70), QColor(60, 90, 30));
  P.fillRect(QRectF(7, 5, 10, 14), QColor(252, 250, 240));
  QFont F(QStringLiteral("DejaVu Sans"));
  F.setPixelSize(7);
  F.setBold(true);
  P.setFont(F);
  P.setPen(Ink);
  P.drawText(QRectF(7, 5, 10, 7), Qt::AlignCenter, QStringLiteral("A"));
  P.drawText(QRectF(7, 12, 10, 7), Qt::AlignCenter, QStringLiteral("Z"));
}

void DrawCalculator(QPainter& P) {
  QPainterPath Body;
  Body.addRoundedRect(QRectF(4.5, 1.5, 15, 21), 2, 2);
  FillOutlined(P, Body, QColor(90, 96, 110), QColor(40, 44, 52));
  P.fillRect(QRectF(6.5, 3.5, 11, 4.5), QColor(190, 230, 190));
  for (int Row = 0; Row < 4; ++Row)
    for (int Column = 0; Column < 3; ++Column) {
      const QColor Key = Column == 2 && Row == 3 ? QColor(240, 150, 60) : QColor(235, 235, 235);
      P.fillRect(QRectF(6.5 + Column * 4, 9.5 + Row * 3.2, 3, 2.3), Key);
    }
}

void DrawSuper(QPainter& P) {
  P.setPen(QPen(ArrowDark, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(ArrowFill);
  P.drawPath(Triangle({12, 5}, {4, 14}, {20, 14}));
  P.fillRect(QRectF(9.5, 13.5, 5, 7), ArrowFill);
  P.setPen(QPen(ArrowDark, 2.2, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(QPointF(4, 2.5), QPointF(20, 2.5));
}

// Chapter steps: a triangle pointing left or right, with a bar for the
// first and last page.
void DrawStep(QPainter& P, bool Right, bool Bar) {
  P.save();
  if (Right) {
    P.translate(24, 0);
    P.scale(-1, 1);
  }
  const double Tip = Bar ? 7 : 5;
  P.setPen(QPen(ArrowDark, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(ArrowFill);
  P.drawPath(Triangle({Tip, 12}, {Tip + 12, 4}, {Tip + 12, 20}));
  if (Bar) {
    P.setPen(Qt::NoPen);
    P.setBrush(ArrowDark);
    P.drawRect(QRectF(3, 4, 3, 16));
  }
  P.restore();
}

}  // namespace

QImage ToolGlyphImage(TToolGlyph Glyph, int Size) {
  QImage Image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  QPainter P(&Image);
  P.setRenderHint(QPainter::Antialiasing);
  P.scale(Size / 24.0, Size / 24.0);
  switch (Glyph) {
    case tgHome: DrawHome(P); break;
    case tgBack: DrawHistory(P, false); break;
    case tgForward: DrawHistory(P, true); break;
    case tgWoBinIch: DrawTree(P); break;
    case tgStichwort: DrawIndex(P); break;
    case tgTaschenrechner: DrawCalculator(P); break;
    case tgSuper: DrawSuper(P); break;
    case tgFirst: DrawStep(P, false, true); break;
    case tgPrev: DrawStep(P, false, false); break;
    case tgNext: DrawStep(P, true, false); break;
    case tgLast: DrawStep(P, true, true); break;
  }
  return Image;
}

QIcon ToolGlyph(TToolGlyph Glyph) {
  QIcon Icon;
  Icon.addPixmap(QPixmap::fromImage(ToolGlyphImage(Glyph, 24)));
  Icon.addPixmap(QPixmap::fromImage(ToolGlyphImage(Glyph, 48)));
  return Icon;
}

QImage ChapterTilePicture(int Number) {
  // Squared paper in one soft colour per chapter picture.
  static constexpr std::array<QRgb, 7> Paper{0xfbf8f0, 0xf7f3ea, 0xeef6ee, 0xeef3fb,
                                             0xfbf1ea, 0xf3eefb, 0xf0f7f7};
  constexpr int Size = 64;
  QImage Image(Size, Size, QImage::Format_RGB32);
  if (Number < 1 || Number > 7) {
    Image.fill(Qt::white);
    return Image;
  }
  const QColor Base(Paper[static_cast<size_t>(Number - 1)]);
  Image.fill(Base);
  QPainter P(&Image);
  const QColor Fine = Base.darker(106);
  const QColor Strong = Base.darker(113);
  for (int I = 0; I < Size; I += 8) {
    P.setPen(I % 32 == 0 ? Strong : Fine);
    P.drawLine(I, 0, I, Size - 1);
    P.drawLine(0, I, Size - 1, I);
  }
  return Image;
}

QImage LearnPathPicture(bool Forward) {
  constexpr int Size = 34;
  QImage Image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  QPainter P(&Image);
  P.setRenderHint(QPainter::Antialiasing);
  if (!Forward) {
    P.translate(Size, 0);
    P.scale(-1, 1);
  }
  P.setPen(QPen(QColor(150, 80, 10), 1.5));
  P.setBrush(QColor(240, 170, 40));
  P.drawEllipse(QRectF(1.5, 1.5, 31, 31));
  QPainterPath Arrow;
  Arrow.moveTo(9, 13);
  Arrow.lineTo(17, 13);
  Arrow.lineTo(17, 8);
  Arrow.lineTo(26, 17);
  Arrow.lineTo(17, 26);
  Arrow.lineTo(17, 21);
  Arrow.lineTo(9, 21);
  Arrow.closeSubpath();
  P.setPen(QPen(QColor(120, 60, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.setBrush(Qt::white);
  P.drawPath(Arrow);
  return Image;
}

QByteArray PictureAsGIF(const QImage& Picture) {
  if (Picture.isNull()) return {};
  // The transparent colour keeps its own entry; it is not found in the
  // course's pictures.
  constexpr QRgb Key = 0xFF00FF;
  QImage Opaque(Picture.size(), QImage::Format_RGB32);
  const QImage Source = Picture.convertToFormat(QImage::Format_ARGB32);
  bool HasTransparent = false;
  for (int Y = 0; Y < Source.height(); ++Y) {
    const auto* In = reinterpret_cast<const QRgb*>(Source.constScanLine(Y));
    auto* Out = reinterpret_cast<QRgb*>(Opaque.scanLine(Y));
    for (int X = 0; X < Source.width(); ++X) {
      const bool Covered = qAlpha(In[X]) >= 128;
      HasTransparent |= !Covered;
      Out[X] = Covered ? (In[X] | 0xFF000000u) : (Key | 0xFF000000u);
    }
  }
  // Qt keeps the exact colours when there are at most 256, and reduces them
  // otherwise; the key is one of the colours of its reduction.
  const QImage Reduced = Opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                             .convertToFormat(QImage::Format_RGB32);
  std::vector<std::uint8_t> Data;
  const TColor KeyColor = 0xFF00FF;  // the same in either byte order
  if (!EncodeBitmapAsGIF(PixelsFromImage(Reduced), false, KeyColor, HasTransparent, Data)) return {};
  return QByteArray(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
}
