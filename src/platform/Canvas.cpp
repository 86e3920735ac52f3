#include "platform/Canvas.h"

#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <tuple>
#include <utility>

#include "platform/Convert.h"
#include "platform/Fonts.h"
#include "platform/Picture.h"
#include "platform/Raster.h"

namespace {

// Dash patterns of thin pens in pixels: on, off, on, off ...
constexpr int DashLengths[] = {18, 6};
constexpr int DotLengths[] = {3, 3};
constexpr int DashDotLengths[] = {9, 6, 3, 6};
constexpr int DashDotDotLengths[] = {9, 3, 3, 3, 3, 3};

bool IsDashed(TPenStyle Style) {
  return Style == psDash || Style == psDot || Style == psDashDot || Style == psDashDotDot;
}

template <std::size_t N>
bool InPattern(const int (&Lengths)[N], long long Index) {
  int Period = 0;
  for (int L : Lengths) Period += L;
  long long Pos = Index % Period;
  for (std::size_t I = 0; I < N; ++I) {
    if (Pos < Lengths[I]) return I % 2 == 0;
    Pos -= Lengths[I];
  }
  return true;
}

bool PatternOn(TPenStyle Style, long long Index) {
  switch (Style) {
    case psDash: return InPattern(DashLengths, Index);
    case psDot: return InPattern(DotLengths, Index);
    case psDashDot: return InPattern(DashDotLengths, Index);
    case psDashDotDot: return InPattern(DashDotDotLengths, Index);
    default: return true;
  }
}

QList<qreal> QtDashPattern(TPenStyle Style) {
  switch (Style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    default: return {9, 3, 3, 3, 3, 3};
  }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle Style) {
  switch (Style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

TRect Normalized(int X1, int Y1, int X2, int Y2) {
  return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

// Spans become as few rectangles as possible: equal column ranges on
// consecutive rows merge. Spans never overlap, so the order of filling does
// not matter even for inverting modes. One call fills them all.
void FillSpans(QPainter& P, std::vector<TSpan> Spans, const QBrush& Brush) {
  if (Spans.empty()) return;
  std::sort(Spans.begin(), Spans.end(), [](const TSpan& A, const TSpan& B) {
    if (A.X1 != B.X1) return A.X1 < B.X1;
    if (A.X2 != B.X2) return A.X2 < B.X2;
    return A.Y < B.Y;
  });
  QList<QRect> Rects;
  Rects.reserve(static_cast<qsizetype>(Spans.size()));
  std::size_t I = 0;
  while (I < Spans.size()) {
    std::size_t J = I + 1;
    while (J < Spans.size() && Spans[J].X1 == Spans[I].X1 && Spans[J].X2 == Spans[I].X2 &&
           Spans[J].Y == Spans[J - 1].Y + 1)
      ++J;
    const TSpan& S = Spans[I];
    Rects.append(QRect(S.X1, S.Y, S.X2 - S.X1, Spans[J - 1].Y - S.Y + 1));
    I = J;
  }
  P.setPen(Qt::NoPen);
  P.setBrush(Brush);
  P.drawRects(Rects.constData(), static_cast<int>(Rects.size()));
}

// Collects the pixels of thin lines: runs along a row or a column become one
// fill, single pixels are drawn together as points of their colour.
class RunPlotter {
 public:
  explicit RunPlotter(QPainter& P) : FPainter(P) {}
  ~RunPlotter() { Finish(); }
  RunPlotter(const RunPlotter&) = delete;
  RunPlotter& operator=(const RunPlotter&) = delete;

  void Plot(int X, int Y, const QColor& Color) {
    if (FActive && Color == FColor) {
      const bool Row = FRun.height() == 1 && Y == FRun.top() && (X == FRun.left() - 1 || X == FRun.right() + 1);
      const bool Column = FRun.width() == 1 && X == FRun.left() && (Y == FRun.top() - 1 || Y == FRun.bottom() + 1);
      if (Row || Column) {
        FRun = FRun.united(QRect(X, Y, 1, 1));
        return;
      }
    }
    Flush();
    FRun = QRect(X, Y, 1, 1);
    FColor = Color;
    FActive = true;
  }

  void Finish() {
    Flush();
    for (auto& [Color, Points] : FPoints) {
      if (Points.isEmpty()) continue;
      FPainter.setPen(QPen(Color, 1));
      FPainter.drawPoints(Points);
      Points.clear();
    }
  }

 private:
  void Flush() {
    if (!FActive) return;
    FActive = false;
    if (FRun.width() > 1 || FRun.height() > 1) {
      FPainter.fillRect(FRun, FColor);
      return;
    }
    for (auto& [Color, Points] : FPoints)
      if (Color == FColor) {
        Points << FRun.topLeft();
        return;
      }
    FPoints.push_back({FColor, QPolygon{FRun.topLeft()}});
  }

  QPainter& FPainter;
  QRect FRun;
  QColor FColor;
  bool FActive = false;
  std::vector<std::pair<QColor, QPolygon>> FPoints;
};

struct PrefixedText {
  QString Text;
  int Underline = -1;
};

// "&x" marks x as the accelerator (the first one counts), "&&" is a plain "&".
PrefixedText StripPrefix(const QString& S) {
  PrefixedText R;
  for (qsizetype I = 0; I < S.size(); ++I) {
    if (S[I] != QLatin1Char('&')) {
      R.Text += S[I];
    } else if (I + 1 < S.size() && S[I + 1] == QLatin1Char('&')) {
      R.Text += QLatin1Char('&');
      ++I;
    } else if (I + 1 < S.size() && R.Underline < 0) {
      R.Underline = static_cast<int>(R.Text.size());
    }
  }
  return R;
}

}  // namespace

// ---------------------------------------------------------------- TCanvasCore

TFontSpec TCanvasCore::GetFont() const { return FCanvas.Font().FontSpec(); }
void TCanvasCore::SetFont(const TFontSpec& Font) { FCanvas.Font().SetSpec(Font); }
TSize TCanvasCore::TextExtent(const std::string& Text) { return FCanvas.TextExtent(QString::fromStdString(Text)); }
TInkSpan TCanvasCore::TextInk(const std::string& Text) { return FCanvas.TextInk(QString::fromStdString(Text)); }

void TCanvasCore::TextOut(int X, int Y, const std::string& Text) {
  FCanvas.SetBkMode(bkTransparent);
  FCanvas.TextOut(X, Y, QString::fromStdString(Text));
}

TColor TCanvasCore::PenColor() const { return FCanvas.Pen().Color(); }
void TCanvasCore::SetPenColor(TColor Color) { FCanvas.Pen().SetColor(Color); }
void TCanvasCore::MoveTo(int X, int Y) { FCanvas.MoveTo(X, Y); }
void TCanvasCore::LineTo(int X, int Y) { FCanvas.LineTo(X, Y); }
void TCanvasCore::Polyline(const std::vector<TPoint>& Points) { FCanvas.Polyline(Points); }

// ------------------------------------------------------------ set-up, state

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()), FFont(std::make_unique<TFont>()) {
  QObject::connect(FBrush.get(), &TBrush::Changed, FBrush.get(),
                   [this] { FBkMode = FBrush->Style() == bsSolid ? bkOpaque : bkTransparent; });
  QObject::connect(FFont.get(), &TFont::Changed, FFont.get(), [this] {
    FMetrics.reset();
    FQtFont.reset();
  });
}

TCanvas::TCanvas(QPaintDevice* Device) : TCanvas() { FDevice = Device; }

TCanvas::TCanvas(QPainter* Painter) : TCanvas() {
  if (Painter && Painter->isActive()) {
    FPainter = Painter;
    FDevice = Painter->device();
    FBorrowed = true;
  }
}

TCanvas::~TCanvas() { EndPaint(); }

void TCanvas::SetDevice(QPaintDevice* Device) {
  EndPaint();
  FPainter = nullptr;
  FBorrowed = false;
  FDevice = Device;
}

QImage* TCanvas::Image() const {
  if (FDevice && FDevice->devType() == QInternal::Image) return static_cast<QImage*>(FDevice);
  return nullptr;
}

void TCanvas::EndPaint() {
  if (!FOwnPainter) return;
  FOwnPainter->end();
  FOwnPainter.reset();
  FPainter = nullptr;
}

QPainter* TCanvas::Painter() { return Begin(); }

QPainter* TCanvas::Begin() {
  if (!FPainter) {
    if (!FDevice || FDevice->width() <= 0 || FDevice->height() <= 0) return nullptr;
    auto P = std::make_unique<QPainter>();
    if (!P->begin(FDevice)) return nullptr;
    FOwnPainter = std::move(P);
    FPainter = FOwnPainter.get();
    if (FClip) FPainter->setClipRect(ToQRect(*FClip));
  }
  FPainter->setRenderHint(QPainter::Antialiasing, false);
  FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  FPainter->setRenderHint(QPainter::TextAntialiasing, true);
  return FPainter;
}

TRect TCanvas::ClipRect() const {
  QPaintDevice* D = FPainter ? FPainter->device() : FDevice;
  if (!D) return {};
  QRect R(0, 0, D->width(), D->height());
  if (FPainter && !FPainter->transform().isIdentity()) {
    bool Invertible = false;
    const QTransform Inverse = FPainter->transform().inverted(&Invertible);
    if (Invertible) R = Inverse.mapRect(R).adjusted(-1, -1, 1, 1);
  }
  if (FClip) R &= ToQRect(*FClip);
  if (R.isEmpty()) return {};
  return FromQRect(R);
}

void TCanvas::SetClipRect(const TRect& R) {
  FClip = R;
  if (FPainter) FPainter->setClipRect(ToQRect(R));
}

void TCanvas::ClearClipRect() {
  FClip.reset();
  if (FPainter) FPainter->setClipping(false);
}

const QFont& TCanvas::QtFont() const {
  if (!FQtFont) FQtFont = FFont->ToQFont();
  return *FQtFont;
}

const QFontMetrics& TCanvas::Metrics() const {
  if (!FMetrics) FMetrics.emplace(MetricsFor(QtFont()));
  return *FMetrics;
}

// The pen mode decides how pen and brush of figures and lines combine with
// the pixels below. Returns false when nothing is to be drawn.
bool TCanvas::SetupPenMode(QPainter& P) const {
  QPainter::CompositionMode Mode = QPainter::CompositionMode_SourceOver;
  switch (FPen->Mode()) {
    case pmNop: return false;
    case pmBlack:
    case pmWhite:
    case pmCopy: break;
    case pmNot: Mode = QPainter::RasterOp_NotDestination; break;
    case pmNotCopy: Mode = QPainter::RasterOp_NotSource; break;
    case pmMergePenNot: Mode = QPainter::RasterOp_SourceOrNotDestination; break;
    case pmMaskPenNot: Mode = QPainter::RasterOp_SourceAndNotDestination; break;
    case pmMergeNotPen: Mode = QPainter::RasterOp_NotSourceOrDestination; break;
    case pmMaskNotPen: Mode = QPainter::RasterOp_NotSourceAndDestination; break;
    case pmMerge: Mode = QPainter::RasterOp_SourceOrDestination; break;
    case pmNotMerge: Mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case pmMask: Mode = QPainter::RasterOp_SourceAndDestination; break;
    case pmNotMask: Mode = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case pmXor: Mode = QPainter::RasterOp_SourceXorDestination; break;
    case pmNotXor: Mode = QPainter::RasterOp_NotSourceXorDestination; break;
  }
  P.setCompositionMode(Mode);
  return true;
}

QColor TCanvas::PenModeColor(TColor Color) const {
  if (FPen->Mode() == pmBlack) return QColor(Qt::black);
  if (FPen->Mode() == pmWhite) return QColor(Qt::white);
  return QColor::fromRgb(TColorToQRgb(Color) | 0xFF000000u);
}

QBrush TCanvas::FillBrush(bool WithPenMode) const {
  const QColor C = WithPenMode ? PenModeColor(FBrush->Color()) : QColor::fromRgb(TColorToQRgb(FBrush->Color()));
  return QBrush(C, QtBrushStyle(FBrush->Style()));
}

// ---------------------------------------------------------------- lines

void TCanvas::MoveTo(int X, int Y) { FPenPos = {X, Y}; }

void TCanvas::LineTo(int X, int Y) {
  StrokeSegments({FPenPos, {X, Y}}, false);
  FPenPos = {X, Y};
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) { StrokeSegments(Points, false); }

void TCanvas::PolyBezier(const std::vector<TPoint>& Points) {
  if (Points.size() < 4) return;
  StrokeSegments(FlattenBezier(Points), false);
}

void TCanvas::StrokeSegments(const std::vector<TPoint>& Points, bool Closed) {
  if (Points.size() < 2 || FPen->Style() == psClear) return;
  QPainter* P = Begin();
  if (!P || !SetupPenMode(*P)) return;
  const QColor Color = PenModeColor(FPen->Color());
  if (FPen->Width() > 1) {
    // Wide pens are solid with round ends, centred on the path.
    P->setPen(QPen(Color, FPen->Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P->setBrush(Qt::NoBrush);
    QPolygon Poly;
    for (const TPoint& Pt : Points) Poly << ToQPoint(Pt);
    if (Closed)
      P->drawPolygon(Poly);
    else
      P->drawPolyline(Poly);
    P->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return;
  }
  const TPenStyle Style = FPen->Style();
  const bool Dashed = IsDashed(Style);
  const bool FillGaps = Dashed && FBkMode == bkOpaque;
  const QColor Gap = PenModeColor(FBrush->Color());
  const TRect Clip = ClipRect();
  {
    RunPlotter Plot(*P);
    long long Phase = 0;
    const std::size_t N = Points.size();
    const std::size_t Segments = Closed ? N : N - 1;
    for (std::size_t I = 0; I < Segments; ++I) {
      const TPoint A = Points[I];
      const TPoint B = Points[(I + 1) % N];
      for (const TLinePixel& Px : LinePixels(A, B, Clip)) {
        if (!Dashed || PatternOn(Style, Phase + Px.Index))
          Plot.Plot(Px.X, Px.Y, Color);
        else if (FillGaps)
          Plot.Plot(Px.X, Px.Y, Gap);
      }
      Phase += std::max(std::llabs(static_cast<long long>(B.X) - A.X), std::llabs(static_cast<long long>(B.Y) - A.Y));
    }
  }
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  if (R.Width() < 1 || R.Height() < 1 || FPen->Style() == psClear) return;
  QPainter* P = Begin();
  if (!P || !SetupPenMode(*P)) return;
  const double Cx = (static_cast<double>(R.Left) + R.Right) / 2;
  const double Cy = (static_cast<double>(R.Top) + R.Bottom) / 2;
  const double Start = std::atan2(-(Y3 - Cy), X3 - Cx) * 180 / std::numbers::pi;
  const double End = std::atan2(-(Y4 - Cy), X4 - Cx) * 180 / std::numbers::pi;
  double Span = End - Start;
  while (Span <= 0) Span += 360;
  P->setPen(QPen(PenModeColor(FPen->Color()), std::max(1, FPen->Width())));
  P->setBrush(Qt::NoBrush);
  P->drawArc(QRect(R.Left, R.Top, R.Width() - 1, R.Height() - 1), static_cast<int>(std::lround(Start * 16)),
             static_cast<int>(std::lround(Span * 16)));
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---------------------------------------------------------------- figures

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) { DrawShape(Normalized(X1, Y1, X2, Y2), 0, 0, false); }

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  const TRect R = Normalized(X1, Y1, X2, Y2);
  DrawShape(R, R.Width(), R.Height(), true);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  DrawShape(Normalized(X1, Y1, X2, Y2), std::abs(X3), std::abs(Y3), false);
}

void TCanvas::DrawShape(const TRect& R, int CornerW, int CornerH, bool Elliptic) {
  if (R.Width() < 1 || R.Height() < 1) return;
  QPainter* P = Begin();
  if (!P || !SetupPenMode(*P)) return;
  const TRect Clip = ClipRect();
  const bool BrushOn = FBrush->Style() != bsClear;
  const QBrush Fill = FillBrush(true);
  const TPenStyle Style = FPen->Style();
  if (Style == psClear) {
    // Without a pen only the interior is filled: one pixel less at the right
    // and bottom, where the outline would have been.
    const TRect Inner{R.Left, R.Top, R.Right - 1, R.Bottom - 1};
    if (BrushOn)
      FillSpans(*P, RoundRectSpans(Inner, Elliptic ? Inner.Width() : CornerW, Elliptic ? Inner.Height() : CornerH, Clip),
                Fill);
  } else if (IsDashed(Style) && FPen->Width() <= 1) {
    const TShapeSpans Spans = RoundRectShape(R, CornerW, CornerH, 1, Clip);
    if (BrushOn) FillSpans(*P, Spans.Interior, Fill);
    if (!Elliptic && CornerW == 0 && CornerH == 0) {
      P->setCompositionMode(QPainter::CompositionMode_SourceOver);
      StrokeSegments({{R.Left, R.Top}, {R.Right - 1, R.Top}, {R.Right - 1, R.Bottom - 1}, {R.Left, R.Bottom - 1}}, true);
      return;
    }
    QPen Pen(PenModeColor(FPen->Color()), 0);
    Pen.setDashPattern(QtDashPattern(Style));
    P->setPen(Pen);
    P->setBrush(Qt::NoBrush);
    P->setBackgroundMode(FBkMode == bkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    P->setBackground(PenModeColor(FBrush->Color()));
    const QRect Frame(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    if (Elliptic)
      P->drawEllipse(Frame);
    else
      P->drawRoundedRect(Frame, CornerW / 2.0, CornerH / 2.0);
    P->setBackgroundMode(Qt::TransparentMode);
  } else {
    const TShapeSpans Spans = RoundRectShape(R, CornerW, CornerH, std::max(1, FPen->Width()), Clip);
    if (BrushOn) FillSpans(*P, Spans.Interior, Fill);
    FillSpans(*P, Spans.Outline, QBrush(PenModeColor(FPen->Color())));
  }
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  if (Points.size() < 2) return;
  if (FBrush->Style() != bsClear) {
    QPainter* P = Begin();
    if (!P || !SetupPenMode(*P)) return;
    QPolygon Poly;
    for (const TPoint& Pt : Points) Poly << ToQPoint(Pt);
    P->setPen(Qt::NoPen);
    P->setBrush(FillBrush(true));
    P->drawPolygon(Poly, Qt::OddEvenFill);
    P->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  StrokeSegments(Points, true);
}

void TCanvas::FillRect(const TRect& R) {
  if (FBrush->Style() == bsClear || R.Width() <= 0 || R.Height() <= 0) return;
  QPainter* P = Begin();
  if (!P) return;
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
  P->fillRect(ToQRect(R), FillBrush(false));
}

void TCanvas::FrameRect(const TRect& R) {
  if (FBrush->Style() == bsClear || R.Width() <= 0 || R.Height() <= 0) return;
  QPainter* P = Begin();
  if (!P) return;
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QBrush B = FillBrush(false);
  P->fillRect(QRect(R.Left, R.Top, R.Width(), 1), B);
  if (R.Height() > 1) P->fillRect(QRect(R.Left, R.Bottom - 1, R.Width(), 1), B);
  if (R.Height() > 2) {
    P->fillRect(QRect(R.Left, R.Top + 1, 1, R.Height() - 2), B);
    if (R.Width() > 1) P->fillRect(QRect(R.Right - 1, R.Top + 1, 1, R.Height() - 2), B);
  }
}

void TCanvas::DrawFocusRect(const TRect& R) {
  if (R.Width() <= 0 || R.Height() <= 0) return;
  QPainter* P = Begin();
  if (!P) return;
  const TRect Clip = ClipRect();
  P->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  auto Dot = [&](int X, int Y) {
    if ((X + Y) % 2 == 0 && Clip.Contains({X, Y})) P->fillRect(QRect(X, Y, 1, 1), Qt::white);
  };
  const int X1 = std::max(R.Left, Clip.Left - 1), X2 = std::min(R.Right, Clip.Right + 1);
  const int Y1 = std::max(R.Top + 1, Clip.Top - 1), Y2 = std::min(R.Bottom - 1, Clip.Bottom + 1);
  for (int X = X1; X < X2; ++X) {
    Dot(X, R.Top);
    if (R.Height() > 1) Dot(X, R.Bottom - 1);
  }
  for (int Y = Y1; Y < Y2; ++Y) {
    Dot(R.Left, Y);
    if (R.Width() > 1) Dot(R.Right - 1, Y);
  }
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

TColor TCanvas::Pixel(int X, int Y) const {
  const QImage* I = Image();
  if (!I || !I->valid(X, Y)) return clNone;
  return QRgbToTColor(I->pixel(X, Y));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
  QPainter* P = Begin();
  if (!P) return;
  P->setCompositionMode(QPainter::CompositionMode_SourceOver);
  P->fillRect(QRect(X, Y, 1, 1), QColor::fromRgb(TColorToQRgb(Color)));
}

// ---------------------------------------------------------------- text

TSize TCanvas::TextExtent(const QString& Text) const {
  const QFontMetrics& M = Metrics();
  return {M.horizontalAdvance(Text), M.height()};
}

TInkSpan TCanvas::TextInk(const QString& Text) const {
  const QRect Ink = Metrics().tightBoundingRect(Text);
  if (Ink.isEmpty()) return {0, 0};
  return {Ink.left(), Ink.left() + Ink.width()};
}

void TCanvas::DrawTextLine(QPainter& P, int X, int Y, const QString& Line, int Underline) {
  const QFontMetrics& M = Metrics();
  const QColor Color = QColor::fromRgb(TColorToQRgb(FFont->Color()));
  P.setCompositionMode(QPainter::CompositionMode_SourceOver);
  P.setFont(QtFont());
  P.setPen(Color);
  P.drawText(QPoint(X, Y + M.ascent()), Line);
  if (Underline >= 0 && Underline < Line.size()) {
    const int X0 = X + M.horizontalAdvance(Line.left(Underline));
    const int W = M.horizontalAdvance(Line.mid(Underline, 1));
    P.fillRect(QRect(X0, Y + M.ascent() + M.underlinePos(), W, std::max(1, M.lineWidth())), Color);
  }
}

void TCanvas::TextOut(int X, int Y, const QString& Text) {
  const TSize Ext = TextExtent(Text);
  if (QPainter* P = Begin()) {
    if (FBkMode == bkOpaque) {
      P->setCompositionMode(QPainter::CompositionMode_SourceOver);
      P->fillRect(QRect(X, Y, Ext.cx, Ext.cy), QColor::fromRgb(TColorToQRgb(FBrush->Color())));
    }
    DrawTextLine(*P, X, Y, Text, -1);
  }
  FPenPos = {X + Ext.cx, Y};
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const QString& Text) {
  QPainter* P = Begin();
  if (!P) return;
  P->save();
  P->setClipRect(ToQRect(R), Qt::IntersectClip);
  if (FBkMode == bkOpaque) {
    P->setCompositionMode(QPainter::CompositionMode_SourceOver);
    P->fillRect(ToQRect(R), QColor::fromRgb(TColorToQRgb(FBrush->Color())));
  }
  DrawTextLine(*P, X, Y, Text, -1);
  P->restore();
}

int TCanvas::DrawText(const QString& Text, TRect& R, unsigned Format) {
  const QFontMetrics& M = Metrics();
  const int LineHeight = M.height();
  const bool Prefix = !(Format & DT_NOPREFIX);
  std::vector<PrefixedText> Lines;
  auto Take = [&](const QString& S) { return Prefix ? StripPrefix(S) : PrefixedText{S, -1}; };

  if (Format & DT_SINGLELINE) {
    Lines.push_back(Take(Text));
  } else {
    QString Norm = Text;
    Norm.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Norm.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& Paragraph : Norm.split(QLatin1Char('\n'))) {
      const PrefixedText Whole = Take(Paragraph);
      if (!(Format & DT_WORDBREAK)) {
        Lines.push_back(Whole);
        continue;
      }
      // Greedy wrapping at spaces; a word wider than the rectangle stays whole.
      const QString& S = Whole.Text;
      const int N = static_cast<int>(S.size());
      int Start = 0;
      do {
        int Fit = -1;
        int Pos = Start;
        while (true) {
          const int Space = static_cast<int>(S.indexOf(QLatin1Char(' '), Pos));
          const int WordEnd = Space < 0 ? N : Space;
          if (Fit < 0 || M.horizontalAdvance(S.mid(Start, WordEnd - Start)) <= R.Width())
            Fit = WordEnd;
          else
            break;
          if (WordEnd >= N) break;
          Pos = WordEnd + 1;
        }
        PrefixedText Line{S.mid(Start, Fit - Start), -1};
        if (Whole.Underline >= Start && Whole.Underline < Fit) Line.Underline = Whole.Underline - Start;
        Lines.push_back(Line);
        Start = Fit;
        while (Start < N && S[Start] == QLatin1Char(' ')) ++Start;
      } while (Start < N);
    }
  }

  const int Height = static_cast<int>(Lines.size()) * LineHeight;
  if (Format & DT_CALCRECT) {
    int Width = 0;
    for (const auto& L : Lines) Width = std::max(Width, M.horizontalAdvance(L.Text));
    R.Right = R.Left + Width;
    R.Bottom = R.Top + Height;
    return Height;
  }
  QPainter* P = Begin();
  if (!P) return Height;
  int Y = R.Top;
  if (Format & DT_SINGLELINE) {
    if (Format & DT_VCENTER)
      Y = R.Top + (R.Height() - LineHeight) / 2;
    else if (Format & DT_BOTTOM)
      Y = R.Bottom - LineHeight;
  }
  P->save();
  if (!(Format & DT_NOCLIP)) P->setClipRect(ToQRect(R), Qt::IntersectClip);
  for (const auto& L : Lines) {
    const int W = M.horizontalAdvance(L.Text);
    int X = R.Left;
    if (Format & DT_CENTER)
      X = R.Left + (R.Width() - W) / 2;
    else if (Format & DT_RIGHT)
      X = R.Right - W;
    if (FBkMode == bkOpaque) {
      P->setCompositionMode(QPainter::CompositionMode_SourceOver);
      P->fillRect(QRect(X, Y, W, LineHeight), QColor::fromRgb(TColorToQRgb(FBrush->Color())));
    }
    DrawTextLine(*P, X, Y, L.Text, L.Underline);
    Y += LineHeight;
  }
  P->restore();
  return Height;
}

// ---------------------------------------------------------------- pictures

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic) {
  Graphic.Draw(*this, {X, Y, X + Graphic.Width(), Y + Graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic& Graphic) { Graphic.Draw(*this, R); }

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
  const TRect S = Normalized(SourceRect.Left, SourceRect.Top, SourceRect.Right, SourceRect.Bottom);
  if (const QImage* Pixels = Source.Image()) {
    DrawImage(Dest, *Pixels, S, FCopyMode);
    return;
  }
  const QImage Pixels = Source.GrabImage(S);
  DrawImage(Dest, Pixels, {0, 0, Pixels.width(), Pixels.height()}, FCopyMode);
}

QImage TCanvas::GrabImage(const TRect& R) {
  const QRect Q = ToQRect(R);
  if (Q.isEmpty()) return {};
  QImage Result;
  if (const QImage* I = Image())
    Result = I->copy(Q);
  else if (FDevice && FDevice->devType() == QInternal::Pixmap)
    Result = static_cast<QPixmap*>(FDevice)->copy(Q).toImage();
  else if (FDevice && FDevice->devType() == QInternal::Widget)
    Result = static_cast<QWidget*>(FDevice)->grab(Q).toImage();
  if (Result.isNull()) {
    Result = QImage(Q.size(), QImage::Format_RGB32);
    Result.fill(Qt::black);
    return Result;
  }
  return Result.convertToFormat(QImage::Format_RGB32);
}

void TCanvas::DrawImage(const TRect& Dest, const QImage& Image, const TRect& SourceRect, TCopyMode Rop,
                        std::optional<TColor> TransparentColor) {
  long long L = Dest.Left, R = Dest.Right, T = Dest.Top, B = Dest.Bottom;
  const bool MirrorX = R < L;
  const bool MirrorY = B < T;
  if (MirrorX) std::tie(L, R) = std::pair(R + 1, L + 1);
  if (MirrorY) std::tie(T, B) = std::pair(B + 1, T + 1);
  const long long DW = R - L, DH = B - T;
  const TRect S = Normalized(SourceRect.Left, SourceRect.Top, SourceRect.Right, SourceRect.Bottom);
  if (DW <= 0 || DH <= 0 || S.Width() <= 0 || S.Height() <= 0 || Image.isNull()) return;
  QPainter* P = Begin();
  if (!P) return;
  const TRect Clip = ClipRect();
  const long long VL = std::max<long long>(L, Clip.Left), VR = std::min<long long>(R, Clip.Right);
  const long long VT = std::max<long long>(T, Clip.Top), VB = std::min<long long>(B, Clip.Bottom);
  if (VL >= VR || VT >= VB) return;

  const bool KeepAlpha = TransparentColor.has_value() || (Rop == SRCCOPY && Image.hasAlphaChannel());
  const QImage::Format Format = KeepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
  // The picture may be the very image being painted on: then it is read
  // from a copy.
  const QImage* Device = this->Image();
  const bool Whole = S.Left == 0 && S.Top == 0 && S.Right == Image.width() && S.Bottom == Image.height();
  const bool Aliased = Device && Device->constBits() == Image.constBits();
  QImage Src = (Whole && !Aliased) ? Image.convertToFormat(Format) : Image.copy(ToQRect(S)).convertToFormat(Format);
  if (TransparentColor) {
    const QRgb Key = TColorToQRgb(*TransparentColor) & 0x00FFFFFFu;
    const int W = Src.width(), H = Src.height();
    for (int Y = 0; Y < H; ++Y) {
      auto* Row = reinterpret_cast<QRgb*>(Src.scanLine(Y));
      for (int X = 0; X < W; ++X)
        if ((Row[X] & 0x00FFFFFFu) == Key) Row[X] = 0;
    }
  }

  // Nearest pixel of every visible destination pixel (pixel centres).
  const int VW = static_cast<int>(VR - VL), VH = static_cast<int>(VB - VT);
  const long long SW = Src.width(), SH = Src.height();
  QImage Out;
  if (!MirrorX && !MirrorY && DW == SW && DH == SH && VW == SW && VH == SH) {
    Out = Src;
  } else {
    std::vector<int> XMap(static_cast<std::size_t>(VW));
    for (int X = 0; X < VW; ++X) {
      long long D = VL + X - L;
      if (MirrorX) D = DW - 1 - D;
      XMap[static_cast<std::size_t>(X)] = static_cast<int>((2 * D + 1) * SW / (2 * DW));
    }
    Out = QImage(VW, VH, Src.format());
    for (int Y = 0; Y < VH; ++Y) {
      long long D = VT + Y - T;
      if (MirrorY) D = DH - 1 - D;
      const int SY = static_cast<int>((2 * D + 1) * SH / (2 * DH));
      const auto* SrcRow = reinterpret_cast<const QRgb*>(Src.constScanLine(SY));
      auto* OutRow = reinterpret_cast<QRgb*>(Out.scanLine(Y));
      for (int X = 0; X < VW; ++X) OutRow[X] = SrcRow[XMap[static_cast<std::size_t>(X)]];
    }
  }
  const QRect Target(static_cast<int>(VL), static_cast<int>(VT), VW, VH);
  if (TransparentColor) {
    P->setCompositionMode(QPainter::CompositionMode_SourceOver);
    P->drawImage(Target.topLeft(), Out);
    return;
  }
  BlendOnto(*P, Target, std::move(Out), Rop);
}

// Combines Source (same size as Target) with the pixels under Target.
// Operations that Qt's raster modes express directly use them, after the
// pattern has been worked into the source where the operation needs it;
// any other operation is done row by row on the read-back destination.
void TCanvas::BlendOnto(QPainter& P, const QRect& Target, QImage Source, TCopyMode Rop) {
  const QRgb Pattern = TColorToQRgb(FBrush->Color()) | 0xFF000000u;
  auto ImageMode = [&](QPainter::CompositionMode Mode) {
    P.setCompositionMode(Mode);
    P.drawImage(Target.topLeft(), Source);
  };
  auto FillMode = [&](QPainter::CompositionMode Mode, QRgb Color) {
    P.setCompositionMode(Mode);
    P.fillRect(Target, QColor::fromRgb(Color));
  };
  auto MapSource = [&](auto F) {
    const int W = Source.width(), H = Source.height();
    for (int Y = 0; Y < H; ++Y) {
      auto* Row = reinterpret_cast<QRgb*>(Source.scanLine(Y));
      for (int X = 0; X < W; ++X) Row[X] = F(Row[X]) | 0xFF000000u;
    }
  };
  switch (Rop) {
    case SRCCOPY:
      ImageMode(Source.hasAlphaChannel() ? QPainter::CompositionMode_SourceOver : QPainter::CompositionMode_Source);
      break;
    case SRCAND: ImageMode(QPainter::RasterOp_SourceAndDestination); break;
    case SRCPAINT: ImageMode(QPainter::RasterOp_SourceOrDestination); break;
    case SRCINVERT: ImageMode(QPainter::RasterOp_SourceXorDestination); break;
    case SRCERASE: ImageMode(QPainter::RasterOp_SourceAndNotDestination); break;
    case NOTSRCCOPY: ImageMode(QPainter::RasterOp_NotSource); break;
    case NOTSRCERASE: ImageMode(QPainter::RasterOp_NotSourceAndNotDestination); break;
    case MERGEPAINT: ImageMode(QPainter::RasterOp_NotSourceOrDestination); break;
    case MERGECOPY:
      MapSource([&](QRgb S) { return S & Pattern; });
      ImageMode(QPainter::CompositionMode_Source);
      break;
    case PATPAINT:
      MapSource([&](QRgb S) { return Pattern | ~S; });
      ImageMode(QPainter::RasterOp_SourceOrDestination);
      break;
    case PATCOPY: FillMode(QPainter::CompositionMode_Source, Pattern); break;
    case PATINVERT: FillMode(QPainter::RasterOp_SourceXorDestination, Pattern); break;
    case DSTINVERT: FillMode(QPainter::RasterOp_NotDestination, 0xFFFFFFFFu); break;
    case BLACKNESS: FillMode(QPainter::CompositionMode_Source, 0xFF000000u); break;
    case WHITENESS: FillMode(QPainter::CompositionMode_Source, 0xFFFFFFFFu); break;
    default: {
      const QImage* Device = Image();
      if (!Device || FBorrowed) {
        ImageMode(QPainter::CompositionMode_Source);
        break;
      }
      QImage Dest = Device->copy(Target).convertToFormat(QImage::Format_RGB32);
      for (int Y = 0; Y < Dest.height(); ++Y)
        Rop3Row(Rop, reinterpret_cast<const std::uint32_t*>(Source.constScanLine(Y)),
                reinterpret_cast<std::uint32_t*>(Dest.scanLine(Y)), Pattern, Dest.width());
      P.setCompositionMode(QPainter::CompositionMode_Source);
      P.drawImage(Target.topLeft(), Dest);
      break;
    }
  }
  P.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---------------------------------------------------------------- helpers

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  Canvas.Pen().SetWidth(1);
  --Rect.Bottom;
  --Rect.Right;
  while (Width > 0) {
    --Width;
    Canvas.Pen().SetColor(TopColor);
    Canvas.Polyline({{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}});
    Canvas.Pen().SetColor(BottomColor);
    Canvas.Polyline({{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}});
    ++Rect.Left;
    ++Rect.Top;
    --Rect.Right;
    --Rect.Bottom;
  }
  ++Rect.Bottom;
  ++Rect.Right;
}

void BitBlt(TCanvas& Dest, int X, int Y, int Width, int Height, TCanvas& Source, int XSrc, int YSrc, TCopyMode Rop) {
  StretchBlt(Dest, X, Y, Width, Height, Source, XSrc, YSrc, Width, Height, Rop);
}

void StretchBlt(TCanvas& Dest, int X, int Y, int Width, int Height, TCanvas& Source, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, TCopyMode Rop) {
  if (SrcWidth <= 0 || SrcHeight <= 0) return;
  if (const QImage* Pixels = Source.Image()) {
    Dest.DrawImage({X, Y, X + Width, Y + Height}, *Pixels, {XSrc, YSrc, XSrc + SrcWidth, YSrc + SrcHeight}, Rop);
    return;
  }
  const QImage Pixels = Source.GrabImage({XSrc, YSrc, XSrc + SrcWidth, YSrc + SrcHeight});
  Dest.DrawImage({X, Y, X + Width, Y + Height}, Pixels, {0, 0, SrcWidth, SrcHeight}, Rop);
}
