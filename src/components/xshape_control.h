#pragma once
// TXGraphicControl: the windowless base of the extended shapes. Every member
// can draw itself at any offset onto any canvas: painting draws at (0, 0) of
// the control's own surface, PaintAt at the control's own place on a canvas
// of the parent's size (used when a whole page is drawn into one picture).
#include "platform/Controls.h"
#include "platform/Events.h"

class TCanvas;

// Mouse button or release: button (0 left, 1 right, 2 middle), shift state
// bits (1 Shift, 2 Alt, 4 Ctrl, 8 left, 16 right, 32 middle button held), x, y.
using TXMouseEvent = TEvent<int, int, int, int>;
// Moving: shift state, x, y.
using TXMouseMoveEvent = TEvent<int, int, int>;
int XMouseButton(const QMouseEvent& Event);
int XShiftState(const QMouseEvent& Event);

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
  // Whether a press at P (control coordinates) belongs to the control; a
  // refused press goes on to the parent.
  virtual bool HitTest(QPoint P) const;
};
