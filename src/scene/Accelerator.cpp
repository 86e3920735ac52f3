#include "scene/Accelerator.h"

#include <QKeySequence>
#include <QShortcutEvent>

QChar AcceleratorChar(const QString& Caption) {
  for (qsizetype I = 0; I + 1 < Caption.size(); ++I) {
    if (Caption[I] != u'&') continue;
    if (Caption[I + 1] != u'&') return Caption[I + 1];
    ++I;  // "&&"
  }
  return {};
}

bool IsAccel(QChar Key, const QString& Caption) {
  const QChar Letter = AcceleratorChar(Caption);
  return !Letter.isNull() && Letter.toUpper() == Key.toUpper();
}

void TAccelerator::Update(QWidget& Owner, const QString& Caption) {
  const QKeySequence Sequence = QKeySequence::mnemonic(Caption);
  const QString Key = Sequence.toString(QKeySequence::PortableText);
  if (Key != FKey) {
    if (FId != 0) Owner.releaseShortcut(FId);
    FId = Sequence.isEmpty() ? 0 : Owner.grabShortcut(Sequence, Qt::WindowShortcut);
    FKey = Key;
  }
  if (FId != 0) Owner.setShortcutEnabled(FId, Owner.isEnabled());
}

bool TAccelerator::Matches(const QEvent& Event) const {
  return FId != 0 && Event.type() == QEvent::Shortcut && static_cast<const QShortcutEvent&>(Event).shortcutId() == FId;
}
