#include "shell/LearnPathImage.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/KeyboardPress.h"
#include "shell/MMX.h"

TLearnPathImage::TLearnPathImage(TMMX& Course, const QImage& Picture, int Target, const QString& Hint,
                                 QWidget* Parent)
    : QWidget(Parent), FCourse(Course), FPicture(Picture), FTarget(Target) {
  resize(Picture.size());
  setCursor(Qt::PointingHandCursor);
  setToolTip(Hint);
  setFocusPolicy(Qt::TabFocus);
}

void TLearnPathImage::Click() {
  FCourse.PostGotoPage(FTarget, true);
}

void TLearnPathImage::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.drawImage(0, 0, FPicture);
  if (FShowFocus && hasFocus()) {
    P.setPen(QPen(Qt::black, 1, Qt::DotLine));
    P.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void TLearnPathImage::keyPressEvent(QKeyEvent* Event) {
  FShowFocus = true;
  update();
  if (IsPressKey(*Event)) {
    Event->accept();
    Click();
    return;
  }
  QWidget::keyPressEvent(Event);
}

void TLearnPathImage::focusInEvent(QFocusEvent* Event) {
  QWidget::focusInEvent(Event);
  FShowFocus = IsKeyboardFocus(Event->reason());
  update();
}

void TLearnPathImage::focusOutEvent(QFocusEvent* Event) {
  QWidget::focusOutEvent(Event);
  FShowFocus = false;
  update();
}

void TLearnPathImage::mousePressEvent(QMouseEvent* Event) {
  FPressed = Event->button() == Qt::LeftButton;
}

void TLearnPathImage::mouseReleaseEvent(QMouseEvent* Event) {
  const bool WasPressed = FPressed;
  FPressed = false;
  if (WasPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) Click();
}
