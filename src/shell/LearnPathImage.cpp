#include "shell/LearnPathImage.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/MMX.h"

TLearnPathImage::TLearnPathImage(TMMX& Course, const QImage& Picture, int Target, const QString& Hint,
                                 QWidget* Parent)
    : QWidget(Parent), FCourse(Course), FPicture(Picture), FTarget(Target) {
  resize(Picture.size());
  setCursor(Qt::PointingHandCursor);
  setToolTip(Hint);
}

void TLearnPathImage::Click() {
  FCourse.PostGotoPage(FTarget, true);
}

void TLearnPathImage::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.drawImage(0, 0, FPicture);
}

void TLearnPathImage::mousePressEvent(QMouseEvent* Event) {
  FPressed = Event->button() == Qt::LeftButton;
}

void TLearnPathImage::mouseReleaseEvent(QMouseEvent* Event) {
  const bool WasPressed = FPressed;
  FPressed = false;
  if (WasPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) Click();
}
