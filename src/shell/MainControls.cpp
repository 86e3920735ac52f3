#include "shell/MainControls.h"

#include <QPainter>

#include "platform/Convert.h"

namespace {

// One ring of a bevel, Inset pixels inside the widget.
void DrawBevel(QPainter& P, const QRect& Outer, int Inset, TPanelBevel Bevel) {
  if (Bevel == pbNone) return;
  const QRect R = Outer.adjusted(Inset, Inset, -Inset, -Inset);
  const QColor Light = TColorToQColor(clBtnHighlight);
  const QColor Shadow = TColorToQColor(clBtnShadow);
  const QColor& TopLeft = Bevel == pbRaised ? Light : Shadow;
  const QColor& BottomRight = Bevel == pbRaised ? Shadow : Light;
  P.setPen(TopLeft);
  P.drawLine(R.left(), R.top(), R.right(), R.top());
  P.drawLine(R.left(), R.top(), R.left(), R.bottom());
  P.setPen(BottomRight);
  P.drawLine(R.left(), R.bottom(), R.right(), R.bottom());
  P.drawLine(R.right(), R.top(), R.right(), R.bottom());
}

}  // namespace

TBevelPanel::TBevelPanel(TPanelBevel Outer, TPanelBevel Inner, TColor Color, QWidget* Parent)
    : QWidget(Parent), FOuter(Outer), FInner(Inner), FColor(Color) {}

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(FColor));
  DrawBevel(P, rect(), 0, FOuter);
  DrawBevel(P, rect(), FOuter == pbNone ? 0 : 1, FInner);
}

TGradientBar::TGradientBar(TColor Color1, TColor Color2, int Band, QWidget* Parent)
    : QWidget(Parent), FColor1(Color1), FColor2(Color2), FBand(Band > 0 ? Band : 1) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TGradientBar::paintEvent(QPaintEvent*) {
  QPainter P(this);
  const QColor A = TColorToQColor(FColor1);
  const QColor B = TColorToQColor(FColor2);
  const int W = width();
  for (int X = 0; X < W; X += FBand) {
    const double F = W > 1 ? static_cast<double>(X) / (W - 1) : 0;
    const QColor C(qRound(A.red() + (B.red() - A.red()) * F), qRound(A.green() + (B.green() - A.green()) * F),
                   qRound(A.blue() + (B.blue() - A.blue()) * F));
    P.fillRect(X, 0, FBand, height(), C);
  }
}
