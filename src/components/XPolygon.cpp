#include "components/XPolygon.h"

#include <QAccessible>
#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <QPolygon>
#include <stdexcept>

#include "platform/Canvas.h"
#include "platform/ControlAccessible.h"
#include "platform/Graphics.h"

namespace {
QPolygon ToQPolygon(const std::vector<TPoint>& Points) {
  QPolygon Out;
  Out.reserve(static_cast<int>(Points.size()));
  for (const TPoint& P : Points) Out << QPoint(P.X, P.Y);
  return Out;
}
}  // namespace

TXPolygon::TXPolygon(QWidget* Parent)
    : TXGraphicControl(Parent),
      FPoints(DefaultXPolyPoints()),
      FBrush(std::make_unique<TBrush>()),
      FPen(std::make_unique<TPen>()) {
  setMouseTracking(true);
  resize(40, 40);
  connect(FBrush.get(), &TBrush::Changed, this, [this] {
    update();
    if (OnClick && !IsLoading()) {
      QAccessible::State Changed;
      Changed.checked = true;
      QAccessibleStateChangeEvent Event(this, Changed);
      TellScreenReaders(Event);
    }
  });
  // The pen's width changes the area the control covers.
  connect(FPen.get(), &TPen::Changed, this, [this] { Rebuild(); });
  Rebuild();
}

TXPolygon::~TXPolygon() = default;

QStringList TXPolygon::Points() const {
  QStringList Out;
  for (const std::string& Line : XPolyPointsToLines(FPoints)) Out << QString::fromStdString(Line);
  return Out;
}

void TXPolygon::SetPoints(const QStringList& Lines) {
  std::vector<std::string> Text;
  Text.reserve(static_cast<size_t>(Lines.size()));
  for (const QString& Line : Lines) Text.push_back(Line.toStdString());
  XPolyPointsFromLines(Text, FPoints);
  Rebuild();
}

void TXPolygon::SetPolyPoints(std::vector<TXPolyPoint> Points) {
  if (Points.size() > static_cast<size_t>(MaxXPolyPoints)) Points.resize(MaxXPolyPoints);
  FPoints = std::move(Points);
  Rebuild();
}

void TXPolygon::SetKind(TXPolygonKind Value) {
  if (static_cast<int>(Value) >= XPolygonKindCount) return;
  FKind = Value;
  Rebuild();
}

void TXPolygon::SetPen(TPen* Value) {
  if (Value && Value != FPen.get()) FPen->Assign(*Value);
}

void TXPolygon::SetBrush(TBrush* Value) {
  if (Value && Value != FBrush.get()) FBrush->Assign(*Value);
}

void TXPolygon::SetEnhancedColor(TColor Value) {
  FEnhancedColor = Value;
  update();
}

void TXPolygon::SetStretchRatio(bool Value) {
  FStretchRatio = Value;
  Rebuild();
}

bool TXPolygon::ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) {
  if (Name != QLatin1String("FPoints")) return false;
  std::vector<TXPolyPoint> Read;
  if (!DecodeFPoints(reinterpret_cast<const unsigned char*>(Bytes.constData()),
                     static_cast<size_t>(Bytes.size()), Read))
    throw std::runtime_error("FPoints: the point data is damaged (" + std::to_string(Bytes.size()) +
                             " bytes)");
  SetPolyPoints(std::move(Read));
  return true;
}

void TXPolygon::WriteBinaryProperties(TBinaryProperties& Out) const {
  const std::vector<unsigned char> Data = EncodeFPoints(FPoints);
  Out.append({QStringLiteral("FPoints"),
              QByteArray(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()))});
}

void TXPolygon::DrawFigure(TCanvas& C, const std::vector<TPoint>& Pixels) const {
  switch (FKind) {
    case xpLine: C.Polyline(Pixels); break;
    case xpBezier: C.PolyBezier(Pixels); break;
    case xpPolygon: C.Polygon(Pixels); break;
  }
}

void TXPolygon::DrawAt(int X, int Y, TCanvas& C) {
  if (!Visible()) return;
  // A hidden control gets its resize event only when shown; drawing it
  // refreshes the outline for the current size.
  if (FBuiltSize != size()) Rebuild();
  const std::vector<TPoint> Pixels = XPolyPixelPoints(FPoints, width(), height(), FStretchRatio, X, Y);
  C.SetBrush(*FBrush);
  if (FHover) C.Brush().SetColor(HoverColor(FBrush->Color(), FEnhancedColor));
  C.SetPen(*FPen);
  DrawFigure(C, Pixels);
}

// The outline region decides what the control answers to. Qt lets the mouse
// through wherever a widget's mask is empty, so the mask is the outline region
// together with the pixels the pen draws outside it (those are painted but
// refuse presses, which then go to the parent).
void TXPolygon::Rebuild() {
  // While the design is read, points, pen and size arrive one by one: the
  // outline is built once, when everything is there.
  if (IsLoading()) {
    FBuiltSize = QSize();
    return;
  }
  FBuiltSize = size();
  FPixelPoints = XPolyPixelPoints(FPoints, width(), height(), FStretchRatio);
  FRegion = FPixelPoints.size() >= 3 ? QRegion(ToQPolygon(FPixelPoints), Qt::OddEvenFill) : QRegion();

  QRegion Covered = FRegion;
  // Without points the pen draws nothing beyond the (empty) outline.
  if (width() > 0 && height() > 0 && !FPixelPoints.empty()) {
    QImage Footprint(width(), height(), QImage::Format_ARGB32_Premultiplied);
    Footprint.fill(Qt::transparent);
    {
      TCanvas C(&Footprint);
      C.SetPen(*FPen);
      C.Pen().SetMode(pmCopy);
      C.Pen().SetColor(clBlack);
      C.Brush().SetColor(clBlack);
      C.Brush().SetStyle(bsSolid);
      DrawFigure(C, FPixelPoints);
    }
    Covered += QRegion(QBitmap::fromImage(Footprint.createAlphaMask()));
  }
  // An empty mask would mean "no mask" and make the whole rectangle take
  // the mouse; a region outside the control takes nothing instead.
  setMask(Covered.isEmpty() ? QRegion(-2, -2, 1, 1) : Covered);
  update();
}

void TXPolygon::Loaded() {
  TXGraphicControl::Loaded();
  FDesignColor = FBrush->Color();
  Rebuild();
}

bool TXPolygon::HitTest(QPoint P) const { return FRegion.contains(P); }

void TXPolygon::SetHover(bool Value) {
  if (FHover == Value) return;
  FHover = Value;
  update();
}

void TXPolygon::mouseMoveEvent(QMouseEvent* Event) {
  SetHover(FRegion.contains(Event->position().toPoint()));
  TXGraphicControl::mouseMoveEvent(Event);
}

void TXPolygon::leaveEvent(QEvent* Event) {
  SetHover(false);
  TXGraphicControl::leaveEvent(Event);
}

void TXPolygon::resizeEvent(QResizeEvent* Event) {
  TXGraphicControl::resizeEvent(Event);
  // A control shown for the first time gets a resize event for the size its
  // outline was already built for.
  if (FBuiltSize != size()) Rebuild();
}
