#include "platform/PaintBox.h"

#include "platform/Canvas.h"

TPaintBox::TPaintBox(QWidget* Parent) : TControl(Parent) { SetBounds(0, 0, 105, 105); }

TPaintBox::~TPaintBox() = default;

void TPaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  TCanvas Canvas(this);
  Canvas.SetFont(*Font());
  Canvas.Brush().SetColor(Color());
  FCanvas = &Canvas;
  struct TReset {
    TCanvas*& Slot;
    ~TReset() { Slot = nullptr; }
  } Reset{FCanvas};
  OnPaint(this);
}
