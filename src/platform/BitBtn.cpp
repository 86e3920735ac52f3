#include "platform/BitBtn.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "platform/Forms.h"

namespace {

// The kinds' pictures: a green tick and a red cross, 16 x 16.
QIcon KindIcon(TBitBtnKind Kind) {
  if (Kind == bkCustom) return {};
  QPixmap Picture(16, 16);
  Picture.fill(Qt::transparent);
  QPainter P(&Picture);
  P.setRenderHint(QPainter::Antialiasing);
  if (Kind == bkOK) {
    P.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath Tick;
    Tick.moveTo(2.5, 8.5);
    Tick.lineTo(6.5, 12.5);
    Tick.lineTo(13.5, 3.5);
    P.drawPath(Tick);
  } else {
    P.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    P.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  }
  return QIcon(Picture);
}

}  // namespace

TBitBtn::TBitBtn(QWidget* Parent) : TControl(Parent), FButton(new QPushButton(this)) {
  // A focused button clicks on Enter; Enter elsewhere goes to the default.
  FButton->setAutoDefault(true);
  setFocusProxy(FButton);
  setFocusPolicy(Qt::StrongFocus);
  SetBounds(0, 0, 75, 25);
  FButton->setGeometry(rect());
  connect(FButton, &QPushButton::clicked, this, [this] { Click(); });
  FontChanged();
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind Value) {
  FKind = Value;
  FButton->setIcon(KindIcon(Value));
  switch (Value) {
    case bkOK:
      SetCaption(QStringLiteral("OK"));
      SetDefault(true);
      FModalResult = mrOk;
      break;
    case bkCancel:
      SetCaption(QStringLiteral("Abbrechen"));
      FCancel = true;
      FModalResult = mrCancel;
      break;
    case bkCustom: break;
  }
}

void TBitBtn::SetDefault(bool Value) {
  FDefault = Value;
  FButton->setDefault(Value);
}

void TBitBtn::Click() {
  if (FModalResult != mrNone)
    for (QWidget* W = parentWidget(); W; W = W->parentWidget())
      if (auto* Form = qobject_cast<TCustomForm*>(W)) {
        Form->SetModalResult(FModalResult);
        break;
      }
  TControl::Click();
}

void TBitBtn::SetFocus() { FButton->setFocus(Qt::OtherFocusReason); }

void TBitBtn::CaptionChanged() { FButton->setText(Caption()); }

void TBitBtn::FontChanged() { FButton->setFont(Font()->ToQFont()); }

void TBitBtn::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  FButton->setGeometry(rect());
}
