#pragma once
// TPCVGlass: a shape with a rounded glass look: opaque near its edges, see-
// through in the middle band (the transparency changes quadratically), a
// white outline and a small glint. TPCVGlassButton lights up under the
// mouse and clicks on its accelerator; it has no pressed look. Tab reaches
// it, Space or Enter press it, and a dotted frame shows the keyboard focus.
#include "scene/Accelerator.h"
#include "scene/PCShape.h"

class TPCVGlass : public TPCShape {
  Q_OBJECT
  Q_PROPERTY(int Radius READ Radius WRITE SetRadius)

 public:
  explicit TPCVGlass(QWidget* Parent = nullptr);

  int Radius() const { return FRadius; }
  void SetRadius(int Value);

  void Render() override;

 private:
  int FRadius = 25;
};

class TPCVGlassButton : public TPCVGlass {
  Q_OBJECT

 public:
  explicit TPCVGlassButton(QWidget* Parent = nullptr);

  // A character typed for the dialog: raises OnClick and returns true when
  // it is the caption's accelerator and the button is enabled.
  bool DialogChar(QChar Key);

  // What the mouse does when it enters and leaves.
  void MouseEnter();
  void MouseLeave();

 protected:
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  bool event(QEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void CaptionChanged() override;
  void paintEvent(QPaintEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  TAccelerator FAccelerator;
  bool FShowFocus = false;  // focused by the keyboard: the focus frame shows
};
