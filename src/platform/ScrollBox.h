#pragma once
// TScrollBox: an area in its colour whose child controls may reach beyond
// it; scroll bars appear when they do, and scrolling moves the children.
// The mouse wheel scrolls vertically (with Shift horizontally).
#include <QPoint>

#include "platform/Controls.h"

class QScrollBar;

class TScrollBox : public TControl {
  Q_OBJECT
 public:
  explicit TScrollBox(QWidget* Parent = nullptr);
  ~TScrollBox() override;

  void Loaded() override;
  // Fits the scroll bars to the children's extent again.
  void UpdateScrollRange();
  // How far the contents are scrolled (the children moved by its negative).
  QPoint ScrollPosition() const { return FOffset; }
  void ScrollTo(int X, int Y);
  QScrollBar* HorzScrollBar() const { return FHorz; }
  QScrollBar* VertScrollBar() const { return FVert; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;

 private:
  void ScrollBarMoved();

  QScrollBar* FHorz;  // child
  QScrollBar* FVert;  // child
  QPoint FOffset;
  bool FUpdating = false;
};
