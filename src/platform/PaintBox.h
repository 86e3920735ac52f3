#pragma once
// TPaintBox: an area that its form draws itself. It paints nothing of its
// own (what lies below shows through) and raises OnPaint at every paint;
// during the handler Canvas() draws on the box in the box's font.
#include "platform/Controls.h"

class TCanvas;

class TPaintBox : public TControl {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* Parent = nullptr);
  ~TPaintBox() override;

  TNotifyEvent OnPaint;

  // The canvas of the paint in progress; null outside OnPaint.
  TCanvas* Canvas() const { return FCanvas; }

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  TCanvas* FCanvas = nullptr;
};
