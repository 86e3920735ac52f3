#include "scene/PCVGlass.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/KeyboardPress.h"
#include "scene/PCBitmapRows.h"
#include "scene/PCPanel.h"

TPCVGlass::TPCVGlass(QWidget* Parent) : TPCShape(Parent) {
  SetTransparentOX(0.8);
  SetTransparentOY(2.0);
  SetTransparentSX(0.0);
  SetTransparentSY(7.0);
  SetColor(14737632);
  Font()->SetName(QStringLiteral("Tahoma"));
  Font()->SetSize(12);
  Font()->SetStyle(fsBold);
  Font()->SetColor(clWhite);
}

void TPCVGlass::SetRadius(int Value) {
  FRadius = Value;
  Invalidate();
}

void TPCVGlass::Render() {
  if (LoadingState() || !Panel()) return;
  const int W = Width();
  const int H = Height();
  TBitmap& Target = Buffer();
  Target.SetPixelFormat(pf32bit);
  Target.SetSize(W, H);
  if (W <= 0 || H <= 0) return;

  std::unique_ptr<TBitmap> G = BackgroundPart();
  TBitmap S(W, H);
  S.SetPixelFormat(pf32bit);
  DrawCaption(G->Canvas());

  // The glass on a copy of the background: a white outline, and the body
  // one pixel lower (outlined in white too while enhanced).
  TCanvas& C = S.Canvas();
  C.Draw(0, 0, *G);
  C.Pen().SetStyle(psSolid);
  C.Pen().SetColor(clWhite);
  C.Brush().SetStyle(bsClear);
  C.RoundRect(0, 0, W, H - 1, FRadius, FRadius);
  C.Brush().SetColor(Color());
  if (!Enhanced()) C.Pen().SetStyle(psClear);
  C.RoundRect(0, 1, W, H, FRadius, FRadius);

  // f is the opacity of the glass: full near the top and bottom edges.
  const long double E = Enhanced() ? 0.1L : 0.0L;
  const TBlendFactors& F = Factors();
  BlendRows(PixelRowsOf(S), PixelRowsOf(*G), 0, 0, {F.OX + E, F.SX, F.OY + E, F.SY}, TBlendCurve::Quadratic);

  TCanvas& GC = G->Canvas();
  GC.Pen().SetStyle(psSolid);
  GC.Pen().SetColor(clWhite);
  GC.Pen().SetWidth(1);
  GC.Brush().SetColor(clWhite);
  GC.Ellipse(FRadius / 4, FRadius / 4, FRadius / 3, FRadius / 3);  // the glint
  if (Enhanced()) DrawCaption(GC);  // crisp, above the glass
  Target.SetImage(G->Image());
}

// ----------------------------------------------------------------- button

TPCVGlassButton::TPCVGlassButton(QWidget* Parent) : TPCVGlass(Parent) { setFocusPolicy(Qt::TabFocus); }

void TPCVGlassButton::paintEvent(QPaintEvent* Event) {
  TPCVGlass::paintEvent(Event);
  if (!FShowFocus || !hasFocus()) return;
  QPainter P(this);
  P.setPen(QPen(Qt::black, 1, Qt::DotLine));
  P.setBrush(Qt::NoBrush);
  const int Inset = std::min({4, Width() / 4, Height() / 4});
  const qreal Round = std::max(0, Radius() / 2 - Inset);
  P.drawRoundedRect(QRectF(rect().adjusted(Inset, Inset, -Inset - 1, -Inset - 1)), Round, Round);
}

void TPCVGlassButton::keyPressEvent(QKeyEvent* Event) {
  if (!FShowFocus) {
    FShowFocus = true;
    update();
  }
  if (IsPressKey(*Event) && Enabled()) {
    Event->accept();
    Click();
    return;
  }
  TPCVGlass::keyPressEvent(Event);
}

void TPCVGlassButton::focusInEvent(QFocusEvent* Event) {
  TPCVGlass::focusInEvent(Event);
  FShowFocus = IsKeyboardFocus(Event->reason());
  update();
}

void TPCVGlassButton::focusOutEvent(QFocusEvent* Event) {
  TPCVGlass::focusOutEvent(Event);
  FShowFocus = false;
  update();
}

void TPCVGlassButton::MouseEnter() {
  if (Enabled()) SetEnhanced(true);
}

void TPCVGlassButton::MouseLeave() { SetEnhanced(false); }

void TPCVGlassButton::enterEvent(QEnterEvent* Event) {
  TPCVGlass::enterEvent(Event);
  MouseEnter();
}

void TPCVGlassButton::leaveEvent(QEvent* Event) {
  TPCVGlass::leaveEvent(Event);
  MouseLeave();
}

void TPCVGlassButton::CaptionChanged() {
  FAccelerator.Update(*this, Caption());
  TPCVGlass::CaptionChanged();
}

bool TPCVGlassButton::DialogChar(QChar Key) {
  if (!IsAccel(Key, Caption()) || !Enabled()) return false;
  Click();
  return true;
}

bool TPCVGlassButton::event(QEvent* Event) {
  if (FAccelerator.Matches(*Event) && DialogChar(AcceleratorChar(Caption()))) return true;
  return TPCVGlass::event(Event);
}

void TPCVGlassButton::changeEvent(QEvent* Event) {
  if (Event->type() == QEvent::EnabledChange) {
    FAccelerator.Update(*this, Caption());
    // A disabled button is never lit.
    if (!Enabled() && Enhanced()) SetEnhanced(false);
  }
  TPCVGlass::changeEvent(Event);
}
