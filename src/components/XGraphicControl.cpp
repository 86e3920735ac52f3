#include "components/XGraphicControl.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include "platform/Canvas.h"

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
