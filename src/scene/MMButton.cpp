#include "scene/MMButton.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QThread>

#include "platform/Bitmap.h"
#include "platform/ControlAccessible.h"
#include "platform/KeyboardPress.h"

namespace {

constexpr TColor FrameWhite = 16777215;
constexpr TColor FrameGrey = 8421504;
constexpr TColor FaceColor = 14737632;
constexpr int FlashMilliseconds = 50;

}  // namespace

TMMButton::TMMButton(QWidget* Parent)
    : TControl(Parent), FPen(new TPen(this)), FBrush(new TBrush(this)), FGlyph(new TPicture(this)) {
  FBrush->SetColor(FaceColor);
  Font()->SetName(QStringLiteral("Tahoma"));
  Font()->SetSize(11);
  SetParentFont(true);
  SetBounds(Left(), Top(), 100, 30);
  setMouseTracking(true);  // moves without a button held raise OnMouseMove too
  // Reached with Tab (a click leaves the focus where it is); Space or Enter
  // then press it.
  setFocusPolicy(Qt::TabFocus);
  connect(FPen, &TPen::Changed, this, [this] { update(); });
  connect(FBrush, &TBrush::Changed, this, [this] { update(); });
  connect(FGlyph, &TPicture::Changed, this, [this] { update(); });
}

TMMButton::~TMMButton() = default;

void TMMButton::SetPen(TPen* Value) {
  if (Value) FPen->Assign(*Value);
}

void TMMButton::SetGlyph(TPicture* Value) {
  if (Value)
    FGlyph->Assign(*Value);
  else
    FGlyph->Clear();
}

void TMMButton::SetBrush(TBrush* Value) {
  if (Value) FBrush->Assign(*Value);
}

void TMMButton::SetState(int Value) {
  const bool WasDown = Down();
  FState = Value;
  if (!IsLoading() && Down()) FToggles = true;
  if (FToggles && WasDown != Down()) {
    QAccessible::State Changed;
    Changed.checked = true;
    QAccessibleStateChangeEvent Event(this, Changed);
    TellScreenReaders(Event);
  }
  update();
}

void TMMButton::SetKind(TMMButtonKind Value) {
  FKind = Value;
  if (const char* Text = MMButtonKindCaption(Value)) {
    SetCaption(QString::fromUtf8(Text));
    SetBounds(Left(), Top(), MMButtonKindWidth, MMButtonKindHeight);
  }
  update();
}

void TMMButton::SetCtl3D(bool Value) {
  FCtl3D = Value;
  update();
}

void TMMButton::SetTransparent(bool Value) {
  FTransparent = Value;
  update();
}

void TMMButton::CaptionChanged() {
  UpdateAccelerator();
  update();
}

void TMMButton::UpdateAccelerator() { FAccelerator.Update(*this, Caption()); }

// ------------------------------------------------------------------ mouse

void TMMButton::ShowNow() {
  // Painted at once, not when the event loop comes round.
  if (isVisible()) repaint();
}

void TMMButton::MouseEnter() {
  if (!Enabled()) return;
  FHot = true;
  ShowNow();
  if (Cursor() == crDefault) SetCursor(crHandPoint);
}

void TMMButton::MouseLeave() {
  if (Enabled()) {
    FHot = false;
    ShowNow();
  }
  SetCursor(crDefault);
}

void TMMButton::mousePressEvent(QMouseEvent* Event) {
  TControl::mousePressEvent(Event);
  const QPoint P = Event->position().toPoint();
  OnMouseDown(this, MouseButtonOf(*Event), ShiftStateOf(*Event), P.x(), P.y());
}

void TMMButton::mouseMoveEvent(QMouseEvent* Event) {
  TControl::mouseMoveEvent(Event);
  const QPoint P = Event->position().toPoint();
  OnMouseMove(this, ShiftStateOf(*Event), P.x(), P.y());
}

void TMMButton::mouseReleaseEvent(QMouseEvent* Event) {
  // The base raises the click first; its handler may free the button.
  QPointer<TMMButton> Self(this);
  const QPoint P = Event->position().toPoint();
  TControl::mouseReleaseEvent(Event);
  if (Self) OnMouseUp(this, MouseButtonOf(*Event), ShiftStateOf(*Event), P.x(), P.y());
}

void TMMButton::enterEvent(QEnterEvent* Event) {
  TControl::enterEvent(Event);
  MouseEnter();
}

void TMMButton::leaveEvent(QEvent* Event) {
  TControl::leaveEvent(Event);
  MouseLeave();
}

void TMMButton::Click() {
  // Whatever runs while the flash waits may free the button (a page being
  // replaced); then there is nothing left to click.
  QPointer<TMMButton> Self(this);
  MouseEnter();
  QElapsedTimer Timer;
  Timer.start();
  while (Timer.elapsed() <= FlashMilliseconds) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    if (!Self) return;
    QThread::msleep(2);
  }
  MouseLeave();
  OnClick(this);
}

bool TMMButton::DialogChar(QChar Key) {
  if (!IsAccel(Key, Caption()) || !Enabled()) return false;
  Click();
  return true;
}

bool TMMButton::event(QEvent* Event) {
  if (FAccelerator.Matches(*Event) && DialogChar(AcceleratorChar(Caption()))) return true;
  return TControl::event(Event);
}

void TMMButton::changeEvent(QEvent* Event) {
  TControl::changeEvent(Event);
  if (Event->type() == QEvent::EnabledChange) {
    if (!Enabled()) FHot = false;
    UpdateAccelerator();
    update();
  }
}

// --------------------------------------------------------------- painting

void TMMButton::paintEvent(QPaintEvent*) {
  {
    TCanvas Canvas(this);
    DrawState(Canvas, ShownState());
  }
  if (FShowFocus && hasFocus()) {
    // A dotted frame inside the edge shows where Space and Enter act.
    QPainter P(this);
    P.setPen(QPen(Qt::black, 1, Qt::DotLine));
    P.setBrush(Qt::NoBrush);
    P.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void TMMButton::keyPressEvent(QKeyEvent* Event) {
  if (!FShowFocus) {
    // The keyboard is in use: the frame shows where it acts.
    FShowFocus = true;
    update();
  }
  if (IsPressKey(*Event) && Enabled()) {
    Event->accept();
    Click();
    return;
  }
  TControl::keyPressEvent(Event);
}

void TMMButton::focusInEvent(QFocusEvent* Event) {
  TControl::focusInEvent(Event);
  // The frame appears once the keyboard is in use, not when a window
  // merely opens with the button first in line.
  FShowFocus = IsKeyboardFocus(Event->reason());
  update();
}

void TMMButton::focusOutEvent(QFocusEvent* Event) {
  TControl::focusOutEvent(Event);
  FShowFocus = false;
  update();
}

void TMMButton::PrepareCanvas(TCanvas& Canvas) const {
  Canvas.SetPen(*FPen);
  Canvas.SetBrush(*FBrush);
  Canvas.Font().SetSpec(Font()->FontSpec());
}

void TMMButton::DrawFace(TCanvas& Canvas, int AState, int SourceX, int SourceY) {
  const int W = Width();
  const int H = Height();
  TBitmap Face(W, H);
  Face.Canvas().SetBrush(*FBrush);
  Face.Canvas().Pen().SetStyle(psClear);
  Face.Canvas().Rectangle(0, 0, W + 1, H + 1);
  TCopyMode Rop = SRCCOPY;
  if (FTransparent) Rop = (AState == 1 || AState == 3) ? MERGEPAINT : SRCAND;
  BitBlt(Canvas, 2, 2, W - 2, H - 2, Face.Canvas(), SourceX, SourceY, Rop);
}

void TMMButton::DrawState(TCanvas& Canvas, int AState) {
  const int W = Width();
  const int H = Height();
  PrepareCanvas(Canvas);
  DrawFace(Canvas, AState, 2, 2);
  TRect Frame = Rect(0, 0, W, H);
  switch (AState) {
    case 1:
      if (FCtl3D) Frame3D(Canvas, Frame, FrameWhite, FrameGrey, 2);
      break;
    case 2:
      if (FCtl3D) Frame3D(Canvas, Frame, FrameGrey, FrameWhite, 3);
      break;
    case 3:
      if (FCtl3D) Frame3D(Canvas, Frame, FrameGrey, FrameWhite, 2);
      break;
    default:
      Canvas.Brush().SetStyle(bsClear);
      Canvas.Pen().SetColor(FrameGrey);
      Canvas.Pen().SetWidth(2);
      Canvas.Rectangle(1, 1, W, H);
      Canvas.Pen().SetWidth(1);
      Canvas.Pen().SetColor(FrameWhite);
      if (FCtl3D) Canvas.Polyline({{1, H - 1}, {1, 1}, {W - 1, 1}, {W - 1, H - 1}, {1, H - 1}});
      break;
  }
  DrawContent(Canvas);
}

void TMMButton::DrawContent(TCanvas& Canvas) {
  TGraphic* Graphic = FGlyph->Graphic();
  const bool HasGlyph = Graphic && !Graphic->Empty();
  const int GlyphW = HasGlyph ? Graphic->Width() : 0;
  const int GlyphH = HasGlyph ? Graphic->Height() : 0;
  const QString Text = Caption();
  const TSize TextSize = Text.isEmpty() ? TSize{} : Canvas.TextExtent(Text);
  const TButtonContentLayout L = LayoutButtonContent(Width(), Height(), GlyphW, GlyphH, TextSize.cx, TextSize.cy);
  if (HasGlyph) {
    if (dynamic_cast<TBitmap*>(Graphic)) Graphic->SetTransparent(true);
    Canvas.Draw(L.GlyphPos.X, L.GlyphPos.Y, *Graphic);
  }
  if (!Text.isEmpty()) {
    Canvas.SetBkMode(bkTransparent);
    if (!Enabled()) Canvas.Font().SetColor(FrameGrey);
    TRect R = L.TextRect;
    Canvas.DrawText(Text, R, DT_SINGLELINE | DT_LEFT | DT_TOP);
  }
}
