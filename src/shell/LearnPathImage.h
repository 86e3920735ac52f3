#pragma once
// The learning-path buttons of a page: a picture that goes to a page when
// clicked (a posted go-to request with history). Tab reaches it, Space or
// Enter press it, and a dotted frame shows the keyboard focus.
#include <QImage>
#include <QWidget>

class TMMX;

class TLearnPathImage : public QWidget {
  Q_OBJECT
 public:
  // Sized to Picture, hand cursor, Hint as tool tip.
  // Course is the course object that shows the page; it outlives its pages.
  TLearnPathImage(TMMX& Course, const QImage& Picture, int Target, const QString& Hint, QWidget* Parent);

  int Target() const { return FTarget; }
  const QImage& Picture() const { return FPicture; }
  // What a completed mouse click does.
  void Click();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  TMMX& FCourse;
  QImage FPicture;
  int FTarget;
  bool FPressed = false;
  bool FShowFocus = false;
};
