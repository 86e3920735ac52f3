#include "shell/StatusPanels.h"

#include <QPainter>

#include "common/Colors.h"
#include "platform/Convert.h"

TStatusPanels::TStatusPanels(QWidget* Parent) : QWidget(Parent) { setFixedHeight(18); }

void TStatusPanels::AddPanel(const TStatusPanel& Panel) {
  FPanels.push_back(Panel);
  update();
}

QString TStatusPanels::PanelText(int Index) const {
  if (Index < 0 || Index >= PanelCount()) return {};
  return FPanels[static_cast<size_t>(Index)].Text;
}

void TStatusPanels::SetPanelText(int Index, const QString& Text) {
  if (Index < 0 || Index >= PanelCount()) return;
  FPanels[static_cast<size_t>(Index)].Text = Text;
  update();
}

QSize TStatusPanels::sizeHint() const {
  int W = 0;
  for (const TStatusPanel& P : FPanels) W += P.Width + 2;
  return {W, height()};
}

void TStatusPanels::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(clBtnFace));
  const QColor Shadow = TColorToQColor(clBtnShadow);
  const QColor Light = TColorToQColor(clBtnHighlight);
  P.setPen(TColorToQColor(clBtnText));
  int X = 0;
  for (size_t I = 0; I < FPanels.size(); ++I) {
    const TStatusPanel& Panel = FPanels[I];
    const bool Last = I + 1 == FPanels.size();
    const int Right = Last ? width() - 1 : X + Panel.Width - 1;
    const QRect Box(X, 2, Right - X + 1, height() - 2);
    if (Panel.Bevel) {
      P.setPen(Shadow);
      P.drawLine(Box.left(), Box.top(), Box.right(), Box.top());
      P.drawLine(Box.left(), Box.top(), Box.left(), Box.bottom());
      P.setPen(Light);
      P.drawLine(Box.left(), Box.bottom(), Box.right(), Box.bottom());
      P.drawLine(Box.right(), Box.top(), Box.right(), Box.bottom());
    }
    P.setPen(TColorToQColor(clBtnText));
    P.drawText(Box.adjusted(3, 0, -3, 0), static_cast<int>(Panel.Alignment | Qt::AlignVCenter), Panel.Text);
    X = Right + 3;
  }
}
