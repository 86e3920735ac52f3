#pragma once
// TXGraphicControl: the windowless base of the extended shapes. Every member
// can draw itself at any offset onto any canvas: painting draws at (0, 0) of
// the control's own surface, PaintAt at the control's own place on a canvas
// of the parent's size (used when a whole page is drawn into one picture).
// A figure with a click handler is reached with Tab and clicked with Space
// or Enter; a dotted frame shows the keyboard focus.
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/MouseEvent.h"

class TCanvas;

class TXGraphicControl : public TControl {
  Q_OBJECT

 public:
  explicit TXGraphicControl(QWidget* Parent = nullptr);
  ~TXGraphicControl() override;

  // Draws the control with its top-left corner at (X, Y) of Canvas. Nothing
  // is drawn while the control is not Visible.
  virtual void DrawAt(int X, int Y, TCanvas& Canvas) = 0;
  // Draws the control at its own place (Left, Top) of a parent-sized canvas.
  void PaintAt(TCanvas& Canvas);

  TNotifyEvent OnDblClick;
  virtual void DblClick();

  // Whether a click at P (control coordinates) lands on the figure.
  Q_INVOKABLE bool AcceptsPoint(QPoint P) const { return HitTest(P); }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  // Whether a press at P (control coordinates) belongs to the control; a
  // refused press goes on to the parent.
  virtual bool HitTest(QPoint P) const;

 private:
  bool FShowFocus = false;  // focused by the keyboard: the focus frame shows
};
