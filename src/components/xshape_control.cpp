#include "components/xshape_control.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include "platform/Canvas.h"

int XMouseButton(const QMouseEvent& Event) {
  switch (Event.button()) {
    case Qt::RightButton: return 1;
    case Qt::MiddleButton: return 2;
    default: return 0;
  }
}

int XShiftState(const QMouseEvent& Event) {
  const Qt::KeyboardModifiers M = Event.modifiers();
  const Qt::MouseButtons B = Event.buttons();
  int S = 0;
  if (M & Qt::ShiftModifier) S |= 1;
  if (M & Qt::AltModifier) S |= 2;
  if (M & Qt::ControlModifier) S |= 4;
  if (B & Qt::LeftButton) S |= 8;
  if (B & Qt::RightButton) S |= 16;
  if (B & Qt::MiddleButton) S |= 32;
  return S;
}

TXGraphicControl::TXGraphicControl(QWidget* Parent) : TControl(Parent) {
  // Windowless look: nothing behind the drawing is filled, the parent shows through.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

TXGraphicControl::~TXGraphicControl() = default;

void TXGraphicControl::PaintAt(TCanvas& Canvas) { DrawAt(x(), y(), Canvas); }

void TXGraphicControl::DblClick() { OnDblClick(this); }

void TXGraphicControl::paintEvent(QPaintEvent*) {
  TCanvas Canvas(this);
  DrawAt(0, 0, Canvas);
}

bool TXGraphicControl::HitTest(QPoint) const { return true; }

void TXGraphicControl::mousePressEvent(QMouseEvent* Event) {
  if (!HitTest(Event->position().toPoint())) {
    Event->ignore();
    return;
  }
  TControl::mousePressEvent(Event);
  Event->accept();
}

void TXGraphicControl::mouseDoubleClickEvent(QMouseEvent* Event) {
  if (!HitTest(Event->position().toPoint())) {
    Event->ignore();
    return;
  }
  // Not passed on as a press: the release after a double click is no click.
  if (Event->button() == Qt::LeftButton) DblClick();
  Event->accept();
}
