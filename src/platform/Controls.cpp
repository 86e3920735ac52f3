#include "platform/Controls.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>
#include <vector>

#include "platform/ControlAccessible.h"

namespace {

Qt::CursorShape CursorShape(TCursor Cursor) {
  switch (Cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

TControl* ParentControl(const QWidget* W) { return qobject_cast<TControl*>(W->parentWidget()); }

}  // namespace

TControl::TControl(QWidget* Parent) : QWidget(Parent), FFont(new TFont(this)) {
  connect(FFont, &TFont::Changed, this, &TControl::OwnFontChanged);
  setGeometry(0, 0, 100, 30);
  AdoptParentLooks();
}

TControl::~TControl() = default;

bool TControl::IsStored(const QString& Property) const {
  if (Property == QLatin1String("Color")) return !FParentColor;
  if (Property == QLatin1String("Font")) return !FParentFont;
  return true;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (QRect(ALeft, ATop, AWidth, AHeight) == geometry()) return;
  setGeometry(ALeft, ATop, AWidth, AHeight);
  Realign();
  if (FAlign != alNone)
    if (TControl* P = ParentControl(this)) P->Realign();
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  if (TControl* P = ParentControl(this)) P->Realign();
}

void TControl::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  CaptionChanged();
  emit ValueChanged();
}

void TControl::SetColor(TColor Value) {
  FParentColor = false;
  if (FColor == Value) return;
  FColor = Value;
  ColorChanged();
  TellChildren();
}

void TControl::SetCursor(TCursor Value) {
  FCursor = Value;
  if (Value == crDefault)
    unsetCursor();
  else
    setCursor(CursorShape(Value));
}

void TControl::SetFont(TFont* Value) {
  if (Value) FFont->Assign(*Value);
}

void TControl::SetHint(const QString& Value) {
  FHint = Value;
  ApplyToolTip();
}

void TControl::SetShowHint(bool Value) {
  FShowHint = Value;
  ApplyToolTip();
}

void TControl::ApplyToolTip() { setToolTip(FShowHint ? FHint : QString()); }

void TControl::SetParentColor(bool Value) {
  FParentColor = Value;
  if (Value) AdoptParentLooks();
}

void TControl::SetParentFont(bool Value) {
  FParentFont = Value;
  if (Value) AdoptParentLooks();
}

void TControl::SetVisible(bool Value) {
  FVisible = Value;
  if (!isWindow()) QWidget::setVisible(Value);
  if (FAlign != alNone)
    if (TControl* P = ParentControl(this)) P->Realign();
}

void TControl::AdoptParentLooks() {
  TControl* P = ParentControl(this);
  if (!P) return;
  FAdopting = true;
  if (FParentFont) FFont->Assign(*P->Font());
  if (FParentColor && FColor != P->Color()) {
    FColor = P->Color();
    ColorChanged();
    TellChildren();
  }
  FAdopting = false;
}

void TControl::OwnFontChanged() {
  if (!FAdopting) FParentFont = false;
  FontChanged();
  TellChildren();
}

void TControl::TellChildren() {
  for (QObject* Child : children())
    if (auto* C = qobject_cast<TControl*>(Child)) C->AdoptParentLooks();
}

void TControl::changeEvent(QEvent* Event) {
  if (Event->type() == QEvent::ParentChange) AdoptParentLooks();
  QWidget::changeEvent(Event);
}

QString TControl::FieldName() const {
  const QString Beside = TextBeside(this);
  return Beside.isEmpty() ? NumberedName(this, QStringLiteral("Eingabefeld")) : Beside;
}

void TControl::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  QWidget* Field = focusProxy();
  if (!Field || Field->parentWidget() != this) return;
  // A name the program gave the field itself stays.
  if (!Field->accessibleName().isEmpty() && Field->accessibleName() != FFieldName) return;
  FFieldName = FieldName();
  if (!FFieldName.isEmpty()) Field->setAccessibleName(FFieldName);
}

void TControl::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  Realign();
}

void TControl::Realign() {
  if (FAligning) return;
  FAligning = true;
  QRect Free = rect();
  auto Take = [&](TAlign Kind, auto Before) {
    std::vector<TControl*> List;
    for (QObject* Child : children()) {
      auto* C = qobject_cast<TControl*>(Child);
      if (C && C->FAlign == Kind && C->FVisible) List.push_back(C);
    }
    std::stable_sort(List.begin(), List.end(), Before);
    for (TControl* C : List) {
      QRect G;
      switch (Kind) {
        case alTop:
          G = QRect(Free.left(), Free.top(), Free.width(), C->height());
          Free.setTop(Free.top() + C->height());
          break;
        case alBottom:
          G = QRect(Free.left(), Free.bottom() + 1 - C->height(), Free.width(), C->height());
          Free.setBottom(Free.bottom() - C->height());
          break;
        case alLeft:
          G = QRect(Free.left(), Free.top(), C->width(), Free.height());
          Free.setLeft(Free.left() + C->width());
          break;
        case alRight:
          G = QRect(Free.right() + 1 - C->width(), Free.top(), C->width(), Free.height());
          Free.setRight(Free.right() - C->width());
          break;
        default:
          G = Free;
          break;
      }
      G.setWidth(std::max(0, G.width()));
      G.setHeight(std::max(0, G.height()));
      if (C->geometry() != G) {
        C->setGeometry(G);
        C->Realign();
      }
    }
  };
  Take(alTop, [](TControl* A, TControl* B) { return A->y() < B->y(); });
  Take(alBottom, [](TControl* A, TControl* B) { return A->y() + A->height() > B->y() + B->height(); });
  Take(alLeft, [](TControl* A, TControl* B) { return A->x() < B->x(); });
  Take(alRight, [](TControl* A, TControl* B) { return A->x() + A->width() > B->x() + B->width(); });
  Take(alClient, [](TControl*, TControl*) { return false; });
  FAligning = false;
}

void TControl::Click() { OnClick(this); }

void TControl::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton) FPressed = true;
  QWidget::mousePressEvent(Event);
}

void TControl::mouseReleaseEvent(QMouseEvent* Event) {
  bool WasPressed = FPressed && Event->button() == Qt::LeftButton;
  FPressed = false;
  QWidget::mouseReleaseEvent(Event);
  if (WasPressed && rect().contains(Event->position().toPoint())) Click();
}

void ShowFontInField(QWidget* Field, const TFont& Font) {
  Field->setFont(Font.ToQFont());
  QPalette P = Field->palette();
  P.setColor(QPalette::Text, TColorToQColor(Font.Color()));
  Field->setPalette(P);
}

void ShowColorInField(QWidget* Field, TColor Color) {
  QPalette P = Field->palette();
  P.setColor(QPalette::Base, TColorToQColor(Color));
  Field->setPalette(P);
}
