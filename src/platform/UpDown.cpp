#include "platform/UpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>
#include <algorithm>

#include "platform/Edit.h"

namespace {

// Digits only, and no number above the field's largest value; an empty
// field may be typed into.
class TNumberValidator : public QValidator {
 public:
  TNumberValidator(int Max, QObject* Parent) : QValidator(Parent), FMax(Max) {}
  State validate(QString& Input, int&) const override {
    if (Input.isEmpty()) return Intermediate;
    if (Input.size() > 10) return Invalid;
    for (const QChar C : Input)
      if (C < QLatin1Char('0') || C > QLatin1Char('9')) return Invalid;
    return Input.toLongLong() <= FMax ? Acceptable : Invalid;
  }

 private:
  int FMax;
};

constexpr int ButtonWidth = 16;

}  // namespace

TUpDown::TUpDown(QWidget* Parent) : TControl(Parent), FUp(new QToolButton(this)), FDown(new QToolButton(this)) {
  for (QToolButton* B : {FUp, FDown}) {
    B->setAutoRepeat(true);
    B->setFocusPolicy(Qt::NoFocus);
  }
  FUp->setArrowType(Qt::UpArrow);
  FDown->setArrowType(Qt::DownArrow);
  FUp->setAccessibleName(QStringLiteral("größer"));
  FDown->setAccessibleName(QStringLiteral("kleiner"));
  connect(FUp, &QToolButton::clicked, this, [this] { StepUp(); });
  connect(FDown, &QToolButton::clicked, this, [this] { StepDown(); });
  SetBounds(0, 0, ButtonWidth, 21);
}

TUpDown::~TUpDown() {
  if (FAssociate) FAssociate->LineEdit()->removeEventFilter(this);
}

void TUpDown::SetAssociate(TEdit* Value) {
  if (Value == FAssociate) return;
  if (FAssociate) {
    FAssociate->LineEdit()->removeEventFilter(this);
    FAssociate->LineEdit()->setValidator(nullptr);
    disconnect(FAssociate->LineEdit(), nullptr, this, nullptr);
  }
  FAssociate = Value;
  if (!FAssociate) return;
  FAssociate->LineEdit()->installEventFilter(this);
  connect(FAssociate->LineEdit(), &QLineEdit::textEdited, this, [this] { TextEdited(); });
  UpdateValidator();
  if (!IsLoading()) AttachToAssociate();
}

void TUpDown::SetMin(int Value) {
  FMin = std::max(0, Value);
  FMax = std::max(FMax, FMin);
  UpdateValidator();
  SetPosition(FPosition);
}

void TUpDown::SetMax(int Value) {
  FMax = std::max(FMin, Value);
  UpdateValidator();
  SetPosition(FPosition);
}

void TUpDown::SetPosition(int Value) {
  const int Clamped = std::clamp(Value, FMin, FMax);
  const bool Changed = Clamped != FPosition;
  FPosition = Clamped;
  ShowPosition();
  if (Changed && !IsLoading()) OnChange(this);
}

void TUpDown::StepUp() {
  if (!isEnabled()) return;
  SetPosition(static_cast<int>(std::min<long long>(static_cast<long long>(FPosition) + FIncrement, FMax)));
}

void TUpDown::StepDown() {
  if (!isEnabled()) return;
  SetPosition(static_cast<int>(std::max<long long>(static_cast<long long>(FPosition) - FIncrement, FMin)));
}

void TUpDown::Loaded() {
  TControl::Loaded();
  AttachToAssociate();
  ShowPosition();
}

void TUpDown::AttachToAssociate() {
  if (!FAssociate) return;
  // The arrows sit at the field's right edge, as tall as the field.
  if (parentWidget() == FAssociate->parentWidget())
    SetBounds(FAssociate->Left() + FAssociate->Width(), FAssociate->Top(), Width(), FAssociate->Height());
  ShowPosition();
}

void TUpDown::ShowPosition() {
  if (!FAssociate || FShowing) return;
  FShowing = true;
  const QString Text = QString::number(FPosition);
  if (FAssociate->Text() != Text) FAssociate->SetText(Text);
  FShowing = false;
}

void TUpDown::TextEdited() {
  if (!FAssociate) return;
  const QString Text = FAssociate->Text();
  bool Ok = false;
  const int Value = Text.toInt(&Ok);
  // An emptied field counts as the smallest value until the pupil types on.
  const int NewPosition = Ok ? std::clamp(Value, FMin, FMax) : FMin;
  if (NewPosition == FPosition) return;
  FPosition = NewPosition;
  OnChange(this);
}

void TUpDown::UpdateValidator() {
  if (!FAssociate) return;
  FAssociate->LineEdit()->setValidator(new TNumberValidator(FMax, FAssociate->LineEdit()));
  // What a screen reader says after the field's name and number.
  FAssociate->LineEdit()->setAccessibleDescription(
      QStringLiteral("ganze Zahl von %1 bis %2, mit den Pfeiltasten größer und kleiner").arg(FMin).arg(FMax));
}

bool TUpDown::eventFilter(QObject* Watched, QEvent* Event) {
  if (FAssociate && Watched == FAssociate->LineEdit()) {
    if (LeaveWordKeysToWindow(Event)) return true;
    if (Event->type() == QEvent::KeyPress) {
      const int Key = static_cast<QKeyEvent*>(Event)->key();
      if (Key == Qt::Key_Up) {
        StepUp();
        return true;
      }
      if (Key == Qt::Key_Down) {
        StepDown();
        return true;
      }
    } else if (Event->type() == QEvent::FocusOut) {
      // Leaving the field shows the number it stands for ("" -> "0").
      ShowPosition();
    }
  }
  return QWidget::eventFilter(Watched, Event);
}

void TUpDown::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  const int Half = height() / 2;
  FUp->setGeometry(0, 0, width(), Half);
  FDown->setGeometry(0, Half, width(), height() - Half);
}
