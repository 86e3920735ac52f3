#pragma once
// The accelerator of a control's caption: the letter after "&" ("&Weiter"
// answers Alt+W). The control keeps one of these, calls Update whenever its
// caption, enabled state or visibility changes, and asks Matches for every
// shortcut event it receives.
#include <QEvent>
#include <QString>
#include <QWidget>

// The letter marked by "&" in Caption ("&&" is a plain "&"); null when none.
QChar AcceleratorChar(const QString& Caption);
// Whether Key is Caption's accelerator letter, in either case.
bool IsAccel(QChar Key, const QString& Caption);

class TAccelerator {
 public:
  // Registers the key of Caption with Owner's window (none without "&").
  void Update(QWidget& Owner, const QString& Caption);
  // True when Event is the shortcut registered for the caption.
  bool Matches(const QEvent& Event) const;
  // The key sequence registered, empty when there is none.
  const QString& Key() const { return FKey; }

 private:
  int FId = 0;
  QString FKey;
};
