#include "components/XGraphicControl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/Canvas.h"
#include "platform/KeyboardPress.h"

TXGraphicControl::TXGraphicControl(QWidget* Parent) : TControl(Parent) {
  // Windowless look: nothing behind the drawing is filled, the parent shows through.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

TXGraphicControl::~TXGraphicControl() = default;

void TXGraphicControl::PaintAt(TCanvas& Canvas) { DrawAt(x(), y(), Canvas); }

void TXGraphicControl::DblClick() { OnDblClick(this); }

void TXGraphicControl::paintEvent(QPaintEvent*) {
  {
    TCanvas Canvas(this);
    DrawAt(0, 0, Canvas);
  }
  if (FShowFocus && hasFocus()) {
    // Black dots on a white line: seen on a dark area as on a light one.
    QPainter P(this);
    P.setPen(QPen(Qt::white, 1));
    P.drawRect(rect().adjusted(1, 1, -2, -2));
    P.setPen(QPen(Qt::black, 1, Qt::DotLine));
    P.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void TXGraphicControl::showEvent(QShowEvent* Event) {
  TControl::showEvent(Event);
  // Handlers are bound once the page is built, before it shows.
  setFocusPolicy(OnClick ? Qt::TabFocus : Qt::NoFocus);
}

void TXGraphicControl::keyPressEvent(QKeyEvent* Event) {
  if (!FShowFocus) {
    FShowFocus = true;
    update();
  }
  if (IsPressKey(*Event) && OnClick && Enabled()) {
    Event->accept();
    Click();
    return;
  }
  TControl::keyPressEvent(Event);
}

void TXGraphicControl::focusInEvent(QFocusEvent* Event) {
  TControl::focusInEvent(Event);
  FShowFocus = IsKeyboardFocus(Event->reason());
  update();
}

void TXGraphicControl::focusOutEvent(QFocusEvent* Event) {
  TControl::focusOutEvent(Event);
  FShowFocus = false;
  update();
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
