#include "components/Beam.h"

#include <QMouseEvent>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

TBeam::TBeam(QWidget* Parent)
    : TXGraphicControl(Parent),
      FArrowPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FTickPen(std::make_unique<TPen>()),
      FMarkPen(std::make_unique<TPen>()) {
  resize(100, 20);
  FBrush->SetColor(clRed);
  connect(FBrush.get(), &TBrush::Changed, this, [this] { update(); });
  for (TPen* Pen : {FArrowPen.get(), FTickPen.get(), FMarkPen.get()})
    connect(Pen, &TPen::Changed, this, [this] { update(); });
}

TBeam::~TBeam() = default;

void TBeam::SetArrowPen(TPen* Value) {
  if (Value && Value != FArrowPen.get()) FArrowPen->Assign(*Value);
}

void TBeam::SetBrush(TBrush* Value) {
  if (Value && Value != FBrush.get()) FBrush->Assign(*Value);
}

void TBeam::SetTickPen(TPen* Value) {
  if (Value && Value != FTickPen.get()) FTickPen->Assign(*Value);
}

void TBeam::SetMarkPen(TPen* Value) {
  if (Value && Value != FMarkPen.get()) FMarkPen->Assign(*Value);
}

TBeamParams TBeam::Params() const {
  TBeamParams P = FParams;
  P.Width = width();
  P.Height = height();
  return P;
}

double TBeam::ValueAt(int X) const { return BeamValueAt(Params(), X); }

void TBeam::DrawAt(int X, int Y, TCanvas& C) {
  if (!Visible()) return;
  const TBeamLayout L = LayoutBeam(Params());
  auto Line = [&C, X, Y](const TBeamLine& Line) {
    C.MoveTo(X + Line.From.X, Y + Line.From.Y);
    C.LineTo(X + Line.To.X, Y + Line.To.Y);
  };
  C.SetBrush(*FBrush);
  C.SetPen(*FArrowPen);
  C.SetFont(*Font());
  Line(L.Axis);
  Line(L.HeadUpper);
  Line(L.HeadLower);
  if (!L.Ticks.empty()) {
    C.SetPen(*FTickPen);
    for (const TBeamLine& T : L.Ticks) Line(T);
  }
  if (!L.Marks.empty()) {
    C.SetPen(*FMarkPen);
    C.SetBkMode(bkTransparent);
    for (const TBeamLine& M : L.Marks) Line(M);
    for (const TBeamLabel& Label : L.Labels) {
      const QString Text = QString::fromStdString(Label.Text);
      // Top-centre alignment: the label's cell is centred on the mark.
      C.TextOut(X + Label.TopCentre.X - C.TextWidth(Text) / 2, Y + Label.TopCentre.Y, Text);
    }
  }
  if (L.HasPointer) {
    std::vector<TPoint> Tri = L.Pointer;
    for (TPoint& P : Tri) P = {P.X + X, P.Y + Y};
    C.SetBrush(*FBrush);
    C.Polygon(Tri);
  }
}

void TBeam::mousePressEvent(QMouseEvent* Event) {
  TXGraphicControl::mousePressEvent(Event);
  const QPoint P = Event->position().toPoint();
  OnMouseDown(this, MouseButtonOf(*Event), ShiftStateOf(*Event), P.x(), P.y());
}

void TBeam::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  OnMouseMove(this, ShiftStateOf(*Event), P.x(), P.y());
  Event->accept();
}

void TBeam::mouseReleaseEvent(QMouseEvent* Event) {
  TXGraphicControl::mouseReleaseEvent(Event);  // the click comes before the release
  const QPoint P = Event->position().toPoint();
  OnMouseUp(this, MouseButtonOf(*Event), ShiftStateOf(*Event), P.x(), P.y());
}
