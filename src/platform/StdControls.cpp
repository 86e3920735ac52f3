#include "platform/StdControls.h"

#include <QPainter>

#include "platform/Fonts.h"

namespace {

void DrawBevel(QPainter& P, QRect& R, TBevelCut Cut, int Width) {
  if (Cut == bvNone) return;
  QColor TopLeft = TColorToQColor(clBtnHighlight);
  QColor BottomRight = TColorToQColor(clBtnShadow);
  if (Cut == bvLowered) std::swap(TopLeft, BottomRight);
  for (int I = 0; I < Width; ++I) {
    if (Cut != bvSpace) {
      P.setPen(TopLeft);
      P.drawLine(R.left(), R.top(), R.right(), R.top());
      P.drawLine(R.left(), R.top(), R.left(), R.bottom());
      P.setPen(BottomRight);
      P.drawLine(R.right(), R.top(), R.right(), R.bottom());
      P.drawLine(R.left(), R.bottom(), R.right(), R.bottom());
    }
    R.adjust(1, 1, -1, -1);
  }
}

int HorizontalFlag(TAlignment A) {
  switch (A) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

}  // namespace

TPanel::TPanel(QWidget* Parent) : TControl(Parent) {
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  update();
}

void TPanel::SetBevelInner(TBevelCut Value) {
  FBevelInner = Value;
  update();
}

void TPanel::SetBevelOuter(TBevelCut Value) {
  FBevelOuter = Value;
  update();
}

void TPanel::SetBevelWidth(int Value) {
  FBevelWidth = std::max(1, Value);
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(Color()));
  QRect R = rect();
  DrawBevel(P, R, FBevelOuter, FBevelWidth);
  DrawBevel(P, R, FBevelInner, FBevelWidth);
  if (!Caption().isEmpty()) {
    P.setFont(Font()->ToQFont());
    P.setPen(TColorToQColor(Font()->Color()));
    P.drawText(R, HorizontalFlag(FAlignment) | Qt::AlignVCenter | Qt::TextShowMnemonic, Caption());
  }
}

TLabel::TLabel(QWidget* Parent) : TControl(Parent) { SetBounds(0, 0, 65, 13); }

void TLabel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  update();
}

void TLabel::SetAutoSize(bool Value) {
  FAutoSize = Value;
  AdjustBounds();
}

void TLabel::SetLayout(TTextLayout Value) {
  FLayout = Value;
  update();
}

void TLabel::SetTransparent(bool Value) {
  FTransparent = Value;
  update();
}

void TLabel::SetWordWrap(bool Value) {
  FWordWrap = Value;
  AdjustBounds();
  update();
}

void TLabel::CaptionChanged() {
  AdjustBounds();
  update();
}

void TLabel::FontChanged() {
  AdjustBounds();
  update();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || Caption().isEmpty()) return;
  QFontMetrics M = MetricsFor(Font()->ToQFont());
  int Flags = Qt::TextShowMnemonic | (FWordWrap ? Qt::TextWordWrap : 0);
  QRect Bounds = FWordWrap ? M.boundingRect(QRect(0, 0, Width(), 100000), Flags, Caption())
                           : M.boundingRect(QRect(0, 0, 100000, 100000), Flags, Caption());
  int NewWidth = FWordWrap ? Width() : Bounds.width();
  int NewLeft = Left();
  if (!FWordWrap && FAlignment == taRightJustify) NewLeft = Left() + Width() - NewWidth;
  SetBounds(NewLeft, Top(), NewWidth, Bounds.height());
}

int TLabel::TextFlags() const {
  const int Vertical = FLayout == tlCenter ? Qt::AlignVCenter : FLayout == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
  return HorizontalFlag(FAlignment) | Vertical | Qt::TextShowMnemonic | (FWordWrap ? Qt::TextWordWrap : 0);
}

void TLabel::paintEvent(QPaintEvent*) {
  QPainter P(this);
  if (!FTransparent) P.fillRect(rect(), TColorToQColor(Color()));
  P.setFont(Font()->ToQFont());
  P.setPen(TColorToQColor(isEnabled() ? Font()->Color() : clGrayText));
  P.drawText(rect(), TextFlags(), Caption());
}
