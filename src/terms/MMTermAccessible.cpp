#include "terms/MMTermAccessible.h"

#include "terms/MMTerm.h"
#include "terms/SpokenTerm.h"

TMMTermAccessible::TMMTermAccessible(TMMTerm* Box) : TMMButtonAccessible(Box) {}

bool TMMTermAccessible::TakesInput() const { return static_cast<bool>(Button().OnClick); }

QAccessible::Role TMMTermAccessible::role() const {
  if (Button().Toggles()) return QAccessible::CheckBox;
  return TakesInput() ? QAccessible::PushButton : QAccessible::StaticText;
}

QString TMMTermAccessible::Name() const {
  if (!TakesInput()) return Value();
  const QString Beside = TextBeside(widget());
  return Beside.isEmpty() ? NumberedName(widget(), QStringLiteral("Termfeld")) : Beside;
}

// Readers speak the description after the name, so the term is heard too.
QString TMMTermAccessible::Description() const { return TakesInput() ? Value() : QString(); }

QString TMMTermAccessible::Value() const {
  return QString::fromStdString(SpokenTerm(*static_cast<const TMMTerm*>(widget())->GetTerm()));
}
