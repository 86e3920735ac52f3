#include "scene/PCShape.h"

#include <QEvent>
#include <QPainter>

#include "scene/PCBitmapRows.h"
#include "scene/PCPanel.h"

TPCShape::TPCShape(QWidget* Parent) : TControl(Parent), FPen(new TPen(this)) {
  SetColor(clWindow);
  SetBounds(Left(), Top(), 30, 30);
  FLastBounds = geometry();
  connect(FPen, &TPen::Changed, this, [this] { Invalidate(); });
}

TPCShape::~TPCShape() = default;

void TPCShape::SetTransparentOX(double Value) {
  FFactors.OX = Value;
  Invalidate();
}

void TPCShape::SetTransparentSX(double Value) {
  FFactors.SX = Value;
  Invalidate();
}

void TPCShape::SetTransparentOY(double Value) {
  FFactors.OY = Value;
  Invalidate();
}

void TPCShape::SetTransparentSY(double Value) {
  FFactors.SY = Value;
  Invalidate();
}

void TPCShape::SetPen(TPen* Value) {
  if (Value) FPen->Assign(*Value);  // the pen's change notice invalidates
}

void TPCShape::SetEnhanced(bool Value) {
  FEnhanced = Value;
  Invalidate();
}

void TPCShape::SetEnhancedColor(TColor Value) {
  FEnhancedColor = Value;
  Invalidate();
}

void TPCShape::SetShapeForm(TPCShapeForm Value) {
  FShapeForm = Value;
  Invalidate();
}

TPCPanel* TPCShape::Panel() const { return qobject_cast<TPCPanel*>(parentWidget()); }

// ------------------------------------------------------------- rendering

std::unique_ptr<TBitmap> TPCShape::BackgroundPart() const { return Panel()->BackgroundPart(this, geometry()); }

void TPCShape::DrawCaption(TCanvas& Canvas) const {
  if (Caption().isEmpty()) return;
  Canvas.Font().SetSpec(Font()->FontSpec());
  if (!Enabled())
    Canvas.Font().SetColor(8421504);
  else if (FEnhanced)
    Canvas.Font().SetColor(FEnhancedColor);
  Canvas.SetBkMode(bkTransparent);
  TRect R = Rect(2, 2, Width() - 2, Height() - 2);
  Canvas.DrawText(Caption(), R, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TPCShape::Render() {
  // Off a panel there is no background to blend with: painting falls back
  // to a plain rectangle.
  if (FLoadingState || !Panel()) return;
  const int W = Width();
  const int H = Height();
  FShapeBuffer.SetPixelFormat(pf32bit);
  FShapeBuffer.SetSize(W, H);
  if (W <= 0 || H <= 0) return;

  std::unique_ptr<TBitmap> G = BackgroundPart();
  if (!FEnhanced) DrawCaption(G->Canvas());
  TBitmap S(W, H);
  S.SetPixelFormat(pf32bit);
  TCanvas& C = S.Canvas();
  if (FShapeForm == sfEllipse) C.Draw(0, 0, *G);  // the corners show the background
  C.Brush().SetColor(Color());
  C.SetPen(*FPen);
  if (FShapeForm == sfEllipse)
    C.Ellipse(0, 0, W, H);
  else
    C.Rectangle(0, 0, W, H);

  // f is the weight of the background: 1 shows it alone, 0 the shape.
  const long double E = FEnhanced ? 0.1L : 0.0L;
  const TBlendFactors F{FFactors.OX - E, FFactors.SX, FFactors.OY - E, FFactors.SY};
  BlendRows(PixelRowsOf(*G), PixelRowsOf(S), 0, 0, F, TBlendCurve::Linear);
  if (FEnhanced) DrawCaption(C);
  FShapeBuffer.SetImage(S.Image());
}

const TBitmap& TPCShape::ShapeBuffer() const {
  Update();
  return FShapeBuffer;
}

void TPCShape::Update() const {
  if (!FStale) return;
  // The buffer is a cache of the shape's look: filling it changes nothing
  // anyone can see from outside.
  auto* Self = const_cast<TPCShape*>(this);
  Self->FStale = false;
  Self->Render();
}

void TPCShape::RenderLater() {
  FStale = true;
  update();
}

void TPCShape::DrawTo(TCanvas& Canvas, int X, int Y) const {
  const TBitmap& Buffer = ShapeBuffer();
  if (Buffer.Empty()) return;
  Canvas.DrawImage(Rect(X, Y, X + Buffer.Width(), Y + Buffer.Height()), Buffer.Image(),
                   Rect(0, 0, Buffer.Width(), Buffer.Height()), SRCCOPY);
}

void TPCShape::Invalidate() {
  update();
  if (FLoadingState) return;
  FStale = true;
  if (TPCPanel* P = Panel()) P->RepaintShapesAbove(this, geometry());
}

void TPCShape::Loaded() {
  TControl::Loaded();
  FLoadingState = false;
  FLastBounds = geometry();
  RenderLater();
}

// ------------------------------------------------------------ the widget

void TPCShape::paintEvent(QPaintEvent*) {
  if (FLoadingState) {
    // A shape made in code has never been rendered: do it now.
    FLoadingState = false;
    FLastBounds = geometry();
    FStale = true;
  }
  if (Panel()) {
    if (FShapeBuffer.Width() != Width() || FShapeBuffer.Height() != Height()) FStale = true;
    QPainter(this).drawImage(0, 0, ShapeBuffer().Image());
  } else {
    TCanvas C(this);
    C.Brush().SetColor(Color());
    C.Rectangle(0, 0, Width(), Height());
  }
}

void TPCShape::BoundsChanged() {
  const QRect Bounds = geometry();
  if (FLoadingState || Bounds == FLastBounds) {
    FLastBounds = Bounds;
    return;
  }
  FStale = true;
  if (TPCPanel* P = Panel()) {
    if (Bounds.intersects(FLastBounds)) {
      P->RepaintShapesAbove(this, Bounds.united(FLastBounds));
    } else {
      P->RepaintShapesAbove(this, FLastBounds);
      P->RepaintShapesAbove(this, Bounds);
    }
  }
  FLastBounds = Bounds;
}

void TPCShape::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  BoundsChanged();  // a hidden shape gets its move and resize events only when shown
}

void TPCShape::moveEvent(QMoveEvent* Event) {
  TControl::moveEvent(Event);
  BoundsChanged();
}

void TPCShape::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  BoundsChanged();
}

void TPCShape::changeEvent(QEvent* Event) {
  TControl::changeEvent(Event);
  if (Event->type() == QEvent::EnabledChange) Invalidate();
}

bool TPCShape::event(QEvent* Event) {
  const bool Result = TControl::event(Event);
  // Shown or hidden on its own (not with its parent): the shapes above it
  // blend over a different background now.
  if ((Event->type() == QEvent::ShowToParent || Event->type() == QEvent::HideToParent) && !FLoadingState)
    if (TPCPanel* P = Panel()) P->RepaintShapesAbove(this, geometry());
  return Result;
}
