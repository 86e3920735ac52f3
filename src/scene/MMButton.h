#pragma once
// TMMButton: the course's own push button. A flat face in the brush colour,
// combined with what lies below it while Transparent, with a glyph and a
// caption; raised while the mouse is over it, sunken while Down, a short
// flash when clicked, and preset kinds with standard German captions.
//
// Face states: 0 normal, 1 under the mouse, 2 down, 3 down and under the
// mouse. State holds 0 or 2; the mouse adds 1 while it is over an enabled
// button.
#include <QPointer>

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/MouseEvent.h"
#include "platform/Picture.h"
#include "scene/Accelerator.h"
#include "scene/MMButtonKinds.h"

class TMMButton : public TControl {
  Q_OBJECT
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(TPicture* Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(int State READ State WRITE SetState)
  Q_PROPERTY(bool Down READ Down WRITE SetDown STORED false)
  Q_PROPERTY(TMMButtonKind Kind READ Kind WRITE SetKind)
  Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

 public:
  explicit TMMButton(QWidget* Parent = nullptr);
  ~TMMButton() override;

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  TPicture* Glyph() const { return FGlyph; }
  void SetGlyph(TPicture* Value);
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  int State() const { return FState; }
  void SetState(int Value);
  bool Down() const { return FState > 1; }
  void SetDown(bool Value) { SetState(Value ? 2 : 0); }
  // Whether the page has pressed the button down since it was loaded: it
  // then works as a switch, and a screen reader tells its state.
  bool Toggles() const { return FToggles; }
  // The button Enter answers in its window (the window sees to that); a
  // screen reader names it as the default.
  bool IsDefault() const { return FDefault; }
  void SetIsDefault(bool Value) { FDefault = Value; }
  TMMButtonKind Kind() const { return FKind; }
  // A preset kind sets its caption and the size 160 x 30; mmFree keeps both.
  void SetKind(TMMButtonKind Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // The state the face shows now: State, plus 1 while the mouse is over an
  // enabled button.
  int ShownState() const { return FState + (FHot ? 1 : 0); }

  // The flash: the raised face at once, a little more than 50 ms in which
  // pending events (but not the pupil's input) are handled, the plain face
  // again, then OnClick. Clicks from the mouse and from the accelerator.
  void Click() override;

  // A character typed for the dialog (Alt plus a letter): clicks and
  // returns true when it is the caption's accelerator and the button is
  // enabled.
  bool DialogChar(QChar Key);

  // What the mouse does when it enters and leaves; public so that tests and
  // the flash can use them.
  void MouseEnter();
  void MouseLeave();

 protected:
  // Paints the whole button in state AState on Canvas (the widget's canvas
  // during a paint). Subclasses draw other faces.
  virtual void DrawState(TCanvas& Canvas, int AState);
  // The face rectangle combined with what lies below (steps shared with
  // subclasses): a plain face of the brush colour, copied, AND-ed or
  // merge-painted from (SourceX, SourceY) onto the same place.
  void DrawFace(TCanvas& Canvas, int AState, int SourceX, int SourceY);
  // Copies pen, brush and font of the button into Canvas.
  void PrepareCanvas(TCanvas& Canvas) const;

  void paintEvent(QPaintEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  bool event(QEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void CaptionChanged() override;

 private:
  void DrawContent(TCanvas& Canvas);
  void UpdateAccelerator();
  void ShowNow();

  TPen* FPen;          // owned (child object)
  TBrush* FBrush;      // owned
  TPicture* FGlyph;    // owned
  int FState = 0;
  TMMButtonKind FKind = mmFree;
  bool FCtl3D = true;
  bool FTransparent = true;
  bool FHot = false;
  bool FShowFocus = false;  // focused by the keyboard: the focus frame shows
  bool FToggles = false;
  bool FDefault = false;
  TAccelerator FAccelerator;
};
