#include "scene/MMBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>

#include "platform/Dialogs.h"

// --- grid ----------------------------------------------------------------------

TMMGrid::TMMGrid(TMMBox* Parent) : QObject(Parent), FParent(Parent) {}

void TMMGrid::Changed() {
  if (FParent) FParent->Invalidate();
}

void TMMGrid::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TMMGrid::SetVisible(bool Value) {
  FVisible = Value;
  Changed();
}

void TMMGrid::SetXOffset(int Value) {
  FSpacing.XOffset = Value;
  Changed();
}

void TMMGrid::SetYOffset(int Value) {
  FSpacing.YOffset = Value;
  Changed();
}

void TMMGrid::SetXSize(int Value) {
  FSpacing.XSize = Value;
  Changed();
}

void TMMGrid::SetYSize(int Value) {
  FSpacing.YSize = Value;
  Changed();
}

void TMMGrid::Assign(const TMMGrid& Source) {
  FColor = Source.FColor;
  FVisible = Source.FVisible;
  FSpacing = Source.FSpacing;
  Changed();
}

// --- box -----------------------------------------------------------------------

TMMBox::TMMBox(QWidget* Parent)
    : TControl(Parent),
      FGrid(new TMMGrid(this)),
      FPoints(new TMMPointCollection(this)),
      FObjects(new TMMObjects(this)) {
  connect(FPoints, &TCollection::Changed, this, &TMMBox::CollectionChanged);
  connect(FObjects, &TCollection::Changed, this, &TMMBox::CollectionChanged);
  setMouseTracking(true);  // the hotspot cursor follows the mouse without a button
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  FBitmap = std::make_unique<TBitmap>(width(), height());
}

TMMBox::~TMMBox() {
  // The collections go while the box is whole; they must not call it back.
  FPoints->disconnect(this);
  FObjects->disconnect(this);
  delete FObjects;
  delete FPoints;
}

void TMMBox::CollectionChanged() { Invalidate(); }

void TMMBox::SetGrid(TMMGrid* Value) {
  if (Value && Value != FGrid) FGrid->Assign(*Value);
}

void TMMBox::SetCtl3D(bool Value) {
  FCtl3D = Value;
  Invalidate();
}

void TMMBox::SetTransparent(bool Value) {
  FTransparent = Value;
  // Only an opaque buffered box covers everything below it.
  setAttribute(Qt::WA_OpaquePaintEvent, FDoubleBuffered && !FTransparent);
  Invalidate();
}

void TMMBox::SetDoubleBuffered(bool Value) {
  FDoubleBuffered = Value;
  setAttribute(Qt::WA_OpaquePaintEvent, FDoubleBuffered && !FTransparent);
  Invalidate();
}

void TMMBox::SetDesigning(bool Value) {
  FDesigning = Value;
  Invalidate();
}

void TMMBox::Invalidate() {
  FDirty = true;
  update();
}

void TMMBox::Redraw() {
  FDirty = true;
  repaint();
}

void TMMBox::AddFrom(const TMMBox& Source) {
  if (&Source == this) return;
  for (int I = 0; I < Source.FPoints->Count(); ++I) FPoints->Add()->Assign(*Source.FPoints->Items(I));
  for (int I = 0; I < Source.FObjects->Count(); ++I) FObjects->Add()->Assign(*Source.FObjects->Items(I));
}

// --- painting --------------------------------------------------------------------

void TMMBox::resizeEvent(QResizeEvent* Event) {
  // The buffer always has the box's size; a resized scene is painted afresh.
  if (FBitmap->Width() != width() || FBitmap->Height() != height()) {
    FBitmap->SetSize(width(), height());
    FDirty = true;
  }
  TControl::resizeEvent(Event);
}

void TMMBox::paintEvent(QPaintEvent*) {
  const int W = width();
  const int H = height();
  if (W <= 0 || H <= 0) return;
  TCanvas Screen(this);
  if (!FDoubleBuffered) {
    Screen.SetFont(*Font());
    Screen.Pen().SetStyle(psSolid);
    Screen.Pen().SetColor(clBlack);
    PaintScene(Screen);
    OnCanvasPaint(this, &Screen);
    PaintFrame(Screen);
    return;
  }
  if (FBitmap->Width() != W || FBitmap->Height() != H) {
    FBitmap->SetSize(W, H);
    FDirty = true;
  }
  TCanvas& Buffer = FBitmap->Canvas();
  if (FDirty) {
    const TColor Back = FTransparent ? clWhite : Color();
    Buffer.Brush().SetStyle(bsSolid);
    Buffer.Pen().SetColor(Back);
    Buffer.Brush().SetColor(Back);
    Buffer.Rectangle(0, 0, W, H);
    Buffer.Pen().SetStyle(psSolid);
    Buffer.Pen().SetColor(clBlack);
    Buffer.SetFont(*Font());
    PaintScene(Buffer);
  }
  OnCanvasPaint(this, &Buffer);
  PaintFrame(Buffer);
  Buffer.EndPaint();
  // AND lets white parts of the scene show what lies below.
  const TRect All = {0, 0, W, H};
  Screen.DrawImage(All, FBitmap->Image(), All, FTransparent ? SRCAND : SRCCOPY);
  FDirty = false;
}

void TMMBox::PaintScene(TCanvas& Canvas) {
  if (FGrid->Visible()) PaintGrid(Canvas);
  const TMMPoints& P = Points();
  for (int I = 0; I < FObjects->Count(); ++I) {
    TMMObject* O = FObjects->Items(I);
    const TSShape* S = O->SShape();
    if (S && (S->Visible() || FDesigning)) O->Paint(Canvas, P);
  }
  if (FDesigning) PaintMarkers(Canvas);
}

void TMMBox::PaintGrid(TCanvas& Canvas) {
  Canvas.Pen().SetStyle(psSolid);
  Canvas.Pen().SetWidth(0);
  Canvas.Pen().SetColor(FGrid->Color());
  for (const TPoint& G : GridPoints(width(), height(), FGrid->Spacing()))
    for (const TLineSegment& S : GridCross(G)) {
      Canvas.MoveTo(S.From.X, S.From.Y);
      Canvas.LineTo(S.To.X, S.To.Y);
    }
}

void TMMBox::PaintMarkers(TCanvas& Canvas) {
  Canvas.SetPen(TPen());
  Canvas.SetFont(*Font());
  const TMMPoints& Points = this->Points();
  for (int I = 0; I < Points.Count(); ++I) {
    const TPoint P = Points[I].AbsolutePosition();
    for (const TLineSegment& S : PointMarker(P)) {
      Canvas.MoveTo(S.From.X, S.From.Y);
      Canvas.LineTo(S.To.X, S.To.Y);
    }
    Canvas.SetBkMode(bkTransparent);
    Canvas.TextOut(P.X, P.Y, QString::number(Points[I].ID()));
  }
}

void TMMBox::PaintFrame(TCanvas& Canvas) {
  if (!FCtl3D) return;
  const TSunkenFrame F = SunkenFrame(width(), height());
  Canvas.Pen().SetStyle(psSolid);
  Canvas.Pen().SetColor(clWhite);
  Canvas.Pen().SetMode(pmCopy);
  Canvas.Pen().SetWidth(1);
  Canvas.Polyline({F.Light.begin(), F.Light.end()});
  Canvas.Pen().SetColor(clBlack);
  Canvas.Polyline({F.Dark.begin(), F.Dark.end()});
}

// --- mouse -------------------------------------------------------------------------

void TMMBox::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  // The first (bottom-most) sensible shape that is hit wins.
  QPointer<TMMObject> Hit;
  for (int I = 0; I < FObjects->Count() && !Hit; ++I) {
    TMMObject* O = FObjects->Items(I);
    TSShape* S = O->SShape();
    if (S && S->Visible() && S->Sensible() && S->HitTest(X, Y, Points())) Hit = O;
  }
  if (Hit) {
    const TNotifyEvent Click = Hit->OnClick;  // survives a handler that deletes the object
    Click(Hit.data());
    // The handler may have changed or removed the object.
    if (Hit)
      if (const TSShape* S = Hit->SShape(); S && S->Movable()) FDragged = Hit;
  }
  if (Button == Qt::MiddleButton) ShowMessage(QStringLiteral("Aha"));
  OnMouseDown(this, MouseButtonOf(Button), ShiftStateOf(Shift, Button), X, Y);
}

void TMMBox::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (FDragged) {
    TPoint Target = ClampToMargin({X, Y}, width(), height());
    if (FSnap) Target = SnapToGrid(Target, FGrid->Spacing());
    if (TSShape* S = FDragged->SShape()) S->Drag(Points(), Target.X, Target.Y);
  }
  if (Buttons == Qt::NoButton && Shift == Qt::NoModifier) {
    SetCursor(crDefault);
    // Only plain hotspots show the hand, not check boxes built on them.
    for (int I = 0; I < FObjects->Count(); ++I) {
      TSShape* S = FObjects->Items(I)->SShape();
      if (S && S->metaObject() == &TSHotspot::staticMetaObject && S->Sensible() && S->Visible() &&
          S->HitTest(X, Y, Points())) {
        SetCursor(crHandPoint);
        break;
      }
    }
  }
  OnMouseMove(this, ShiftStateOf(Shift, Buttons), X, Y);
}

void TMMBox::MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  // The page hears one more move at the release point, then the drag ends,
  // then the release.
  OnMouseMove(this, ShiftStateOf(Shift, Qt::NoButton), X, Y);
  FDragged = nullptr;
  OnMouseUp(this, MouseButtonOf(Button), ShiftStateOf(Shift, Qt::NoButton), X, Y);
}

void TMMBox::mousePressEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  MouseDown(Event->button(), Event->modifiers(), P.x(), P.y());
  TControl::mousePressEvent(Event);
}

void TMMBox::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  MouseMove(Event->buttons(), Event->modifiers(), P.x(), P.y());
  TControl::mouseMoveEvent(Event);
}

void TMMBox::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  MouseUp(Event->button(), Event->modifiers(), P.x(), P.y());
  TControl::mouseReleaseEvent(Event);
}
