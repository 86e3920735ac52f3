#include "platform/ScrollBox.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

TScrollBox::TScrollBox(QWidget* Parent)
    : TControl(Parent), FHorz(new QScrollBar(Qt::Horizontal, this)), FVert(new QScrollBar(Qt::Vertical, this)) {
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
  for (QScrollBar* Bar : {FHorz, FVert}) {
    Bar->hide();
    Bar->setSingleStep(8);
    connect(Bar, &QScrollBar::valueChanged, this, &TScrollBox::ScrollBarMoved);
  }
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::Loaded() {
  TControl::Loaded();
  UpdateScrollRange();
}

void TScrollBox::UpdateScrollRange() {
  if (FUpdating) return;
  FUpdating = true;
  // The children's extent in unscrolled coordinates.
  int Right = 0;
  int Bottom = 0;
  for (QObject* Child : children()) {
    auto* Control = qobject_cast<QWidget*>(Child);
    if (!Control || Control == FHorz || Control == FVert || Control->isHidden()) continue;
    const QRect Bounds = Control->geometry().translated(FOffset);
    Right = std::max(Right, Bounds.right() + 1);
    Bottom = std::max(Bottom, Bounds.bottom() + 1);
  }
  const int BarW = FVert->sizeHint().width();
  const int BarH = FHorz->sizeHint().height();
  bool NeedH = Right > width();
  bool NeedV = Bottom > height();
  if (NeedH && !NeedV) NeedV = Bottom > height() - BarH;
  if (NeedV && !NeedH) NeedH = Right > width() - BarW;
  const int ViewW = std::max(0, width() - (NeedV ? BarW : 0));
  const int ViewH = std::max(0, height() - (NeedH ? BarH : 0));
  FHorz->setVisible(NeedH);
  FVert->setVisible(NeedV);
  FHorz->setGeometry(0, height() - BarH, ViewW, BarH);
  FVert->setGeometry(width() - BarW, 0, BarW, ViewH);
  FHorz->setRange(0, NeedH ? Right - ViewW : 0);
  FVert->setRange(0, NeedV ? Bottom - ViewH : 0);
  FHorz->setPageStep(std::max(1, ViewW));
  FVert->setPageStep(std::max(1, ViewH));
  FHorz->raise();
  FVert->raise();
  FUpdating = false;
  ScrollBarMoved();
}

void TScrollBox::ScrollTo(int X, int Y) {
  FHorz->setValue(X);
  FVert->setValue(Y);
}

void TScrollBox::ScrollBarMoved() {
  const QPoint Wanted(FHorz->isHidden() ? 0 : FHorz->value(), FVert->isHidden() ? 0 : FVert->value());
  const QPoint Delta = FOffset - Wanted;
  if (Delta.isNull()) return;
  FOffset = Wanted;
  for (QObject* Child : children()) {
    auto* Control = qobject_cast<QWidget*>(Child);
    if (!Control || Control == FHorz || Control == FVert) continue;
    Control->move(Control->pos() + Delta);
  }
}

void TScrollBox::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.fillRect(rect(), TColorToQColor(Color()));
}

void TScrollBox::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  UpdateScrollRange();
}

void TScrollBox::showEvent(QShowEvent* Event) {
  TControl::showEvent(Event);
  UpdateScrollRange();
}

void TScrollBox::wheelEvent(QWheelEvent* Event) {
  QScrollBar* Bar = (Event->modifiers() & Qt::ShiftModifier) ? FHorz : FVert;
  const int Steps = Event->angleDelta().y() / 120 * 3;
  if (!Bar->isHidden() && Steps != 0) {
    Bar->setValue(Bar->value() - Steps * Bar->singleStep());
    Event->accept();
    return;
  }
  TControl::wheelEvent(Event);
}
