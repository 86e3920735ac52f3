#include "platform/MaskEdit.h"

#include <algorithm>

#include <QEvent>
#include <QLineEdit>

#include "platform/Edit.h"

QString QtInputMask(const QString& EditMask) {
  const QStringList Parts = EditMask.split(QLatin1Char(';'));
  const QString Mask = Parts.value(0);
  const QString Blank = Parts.value(2).isEmpty() ? QStringLiteral("_") : Parts.value(2).left(1);
  QString Result;
  for (qsizetype I = 0; I < Mask.size(); ++I) {
    const QChar C = Mask[I];
    switch (C.unicode()) {
      // Required and optional are the other way round in Qt's notation.
      case '0': Result += QLatin1Char('9'); break;
      case '9': Result += QLatin1Char('0'); break;
      case 'L': case 'l': case 'A': case 'a': Result += C; break;
      case 'C': Result += QLatin1Char('X'); break;
      case 'c': Result += QLatin1Char('x'); break;
      case '\\':
        if (I + 1 < Mask.size()) Result += QLatin1Char('\\') + Mask[++I];
        break;
      default:
        // Qt gives these a meaning of their own: they stay literals here.
        if (QStringLiteral("XxNnHhBbDd#>!<[]{}").contains(C)) Result += QLatin1Char('\\');
        Result += C;
    }
  }
  if (Result.isEmpty()) return {};
  return Result + QLatin1Char(';') + Blank;
}

std::vector<bool> MaskEditablePositions(const QString& EditMask) {
  const QString Mask = EditMask.split(QLatin1Char(';')).value(0);
  std::vector<bool> Result;
  for (qsizetype I = 0; I < Mask.size(); ++I) {
    if (Mask[I] == QLatin1Char('\\')) {
      if (I + 1 < Mask.size()) Result.push_back(false);
      ++I;
      continue;
    }
    Result.push_back(QStringLiteral("09LlAaCc").contains(Mask[I]));
  }
  return Result;
}

TMaskEdit::TMaskEdit(QWidget* Parent) : TControl(Parent), FEdit(new QLineEdit(this)) {
  SetParentColor(false);
  SetColor(clWindow);
  setFocusProxy(FEdit);
  setFocusPolicy(Qt::StrongFocus);
  SetBounds(0, 0, 121, 21);
  connect(FEdit, &QLineEdit::textChanged, this, [this] {
    UpdateBlank();
    if (FUpdatingBlank) return;
    OnChange(this);
    emit ValueChanged();
  });
  FEdit->installEventFilter(this);
  FontChanged();
}

TMaskEdit::~TMaskEdit() = default;

void TMaskEdit::SetEditMask(const QString& Value) {
  FEditMask = Value;
  const QStringList Parts = Value.split(QLatin1Char(';'));
  FBlank = Parts.value(2).isEmpty() ? QLatin1Char('_') : Parts.value(2).at(0);
  FShownBlank = FBlank;
  FEditable = MaskEditablePositions(Value);
  // A mask of digits only is told to screen readers as a number field.
  const QString Mask = Parts.value(0);
  const auto Digits = std::count_if(Mask.begin(), Mask.end(), [](QChar C) { return C == u'0' || C == u'9'; });
  const bool OnlyDigits = Digits > 0 && std::all_of(Mask.begin(), Mask.end(), [](QChar C) {
    return C == u'0' || C == u'9' || C == u' ';
  });
  FEdit->setAccessibleDescription(OnlyDigits ? QStringLiteral("ganze Zahl mit bis zu %1 Ziffern").arg(Digits) : QString());
  FEdit->setInputMask(QtInputMask(Value));
  UpdateBlank();
}

void TMaskEdit::UpdateBlank() {
  if (FEditMask.isEmpty() || FUpdatingBlank) return;
  const QString Shown = FEdit->displayText();
  bool Typed = false;
  for (int I = 0; I < std::min<int>(static_cast<int>(Shown.size()), static_cast<int>(FEditable.size())); ++I)
    Typed = Typed || (FEditable[static_cast<size_t>(I)] && Shown[I] != FShownBlank && Shown[I] != QLatin1Char(' '));
  const QChar Wanted = Typed ? QLatin1Char(' ') : FBlank;
  if (Wanted == FShownBlank) return;
  FUpdatingBlank = true;
  const QString Text = FEdit->text();
  const int Cursor = FEdit->cursorPosition();
  const QStringList Parts = FEditMask.split(QLatin1Char(';'));
  FShownBlank = Wanted;
  FEdit->setInputMask(QtInputMask(Parts.value(0) + QLatin1Char(';') + Parts.value(1) + QLatin1Char(';') + Wanted));
  FEdit->setText(Text);
  FEdit->setCursorPosition(Cursor);
  FUpdatingBlank = false;
}

int TMaskEdit::TypedEnd() const {
  const QString Shown = FEdit->displayText();
  const int Count = static_cast<int>(std::min<qsizetype>(Shown.size(), static_cast<qsizetype>(FEditable.size())));
  int First = -1;
  int End = -1;
  for (int I = 0; I < Count; ++I) {
    if (!FEditable[static_cast<size_t>(I)]) continue;
    if (First < 0) First = I;
    if (Shown[I] != FShownBlank && Shown[I] != QLatin1Char(' ')) End = I + 1;
  }
  if (End >= 0) return End;
  return First >= 0 ? First : 0;
}

bool TMaskEdit::eventFilter(QObject* Watched, QEvent* Event) {
  // A masked field is filled position by position, not by words.
  if (Watched == FEdit && !FEditMask.isEmpty() && LeaveWordKeysToWindow(Event)) return true;
  if (Watched == FEdit && Event->type() == QEvent::MouseButtonRelease && !FEditMask.isEmpty() &&
      !FEdit->hasSelectedText()) {
    const int End = TypedEnd();
    if (FEdit->cursorPosition() > End) FEdit->setCursorPosition(End);
  }
  return TControl::eventFilter(Watched, Event);
}

QString TMaskEdit::Text() const {
  if (FEditMask.isEmpty()) return FEdit->text();
  // The shown text with the literals; empty positions read as blanks.
  QString Shown = FEdit->displayText();
  Shown.replace(FShownBlank, QLatin1Char(' '));
  return Shown;
}

void TMaskEdit::SetText(const QString& Value) { FEdit->setText(Value); }

void TMaskEdit::SetMaxLength(int Value) {
  FMaxLength = std::max(0, Value);
  if (FMaxLength > 0) FEdit->setMaxLength(FMaxLength);
}

void TMaskEdit::FontChanged() { ShowFontInField(FEdit, *Font()); }

void TMaskEdit::ColorChanged() { ShowColorInField(FEdit, Color()); }

void TMaskEdit::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  FEdit->setGeometry(rect());
}
