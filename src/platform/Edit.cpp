#include "platform/Edit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// What QLineEdit takes at most; also the field's length without a limit.
constexpr int LineEditLimit = 32767;
}  // namespace

TEdit::TEdit(QWidget* Parent) : TControl(Parent), FEdit(new QLineEdit(this)) {
  SetParentColor(false);
  SetColor(clWindow);
  FEdit->setMaxLength(LineEditLimit);
  setFocusProxy(FEdit);
  setFocusPolicy(Qt::StrongFocus);
  SetBounds(0, 0, 121, 21);
  FEdit->setGeometry(rect());
  connect(FEdit, &QLineEdit::textChanged, this, [this] {
    OnChange(this);
    emit ValueChanged();
  });
  FontChanged();
}

TEdit::~TEdit() = default;

QString TEdit::Text() const { return FEdit->text(); }

void TEdit::SetText(const QString& Value) {
  if (Value != FEdit->text()) FEdit->setText(Value);
}

void TEdit::SetMaxLength(int Value) {
  FMaxLength = std::max(0, Value);
  // Qt puts the cursor at the end when the limit changes; the field keeps it.
  const int Start = SelStart();
  const int Length = SelLength();
  FEdit->setMaxLength(FMaxLength == 0 ? LineEditLimit : std::min(FMaxLength, LineEditLimit));
  FEdit->setSelection(Start, Length);
}

bool TEdit::ReadOnly() const { return FEdit->isReadOnly(); }
void TEdit::SetReadOnly(bool Value) { FEdit->setReadOnly(Value); }

int TEdit::SelStart() const { return FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition(); }

void TEdit::SetSelStart(int Value) {
  FEdit->deselect();
  FEdit->setCursorPosition(Value);
}

int TEdit::SelLength() const { return FEdit->hasSelectedText() ? FEdit->selectionLength() : 0; }

void TEdit::SetSelLength(int Value) { FEdit->setSelection(SelStart(), Value); }

QString TEdit::SelText() const { return FEdit->selectedText(); }

void TEdit::SetSelText(const QString& Value) {
  // insert() of a read-only field does nothing, as typing would.
  FEdit->insert(Value);
}

void TEdit::SelectAll() { FEdit->selectAll(); }

void TEdit::SetFocus() { FEdit->setFocus(Qt::OtherFocusReason); }

void TEdit::FontChanged() { ShowFontInField(FEdit, *Font()); }

void TEdit::ColorChanged() { ShowColorInField(FEdit, Color()); }

void TEdit::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  FEdit->setGeometry(rect());
}

bool LeaveWordKeysToWindow(QEvent* Event) {
  if (Event->type() != QEvent::ShortcutOverride) return false;
  const auto* Key = static_cast<QKeyEvent*>(Event);
  if ((Key->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
  switch (Key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
      Event->ignore();
      return true;
    default:
      return false;
  }
}
