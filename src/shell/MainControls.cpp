#include "shell/MainControls.h"

#include <QPainter>

#include "platform/Convert.h"

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
