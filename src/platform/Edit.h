#pragma once
// TEdit: a one-line text field. The text, its selection and the replace-
// the-selection operation as the pages use them; OnChange follows every
// change of the text, typed or set from code.
#include "platform/Controls.h"

class QEvent;
class QLineEdit;

class TEdit : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
 public:
  explicit TEdit(QWidget* Parent = nullptr);
  ~TEdit() override;

  TNotifyEvent OnChange;

  QString Text() const;
  void SetText(const QString& Value);
  // The longest text the field takes; 0 is no limit of its own.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool ReadOnly() const;
  void SetReadOnly(bool Value);

  // The selection: start (cursor position without one), length, text.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  QString SelText() const;
  // Replaces the selection (or inserts at the cursor) with Value; the
  // cursor ends after it.
  void SetSelText(const QString& Value);
  void SelectAll();
  void Clear() { SetText(QString()); }

  // Gives the field the keyboard focus (within its window).
  void SetFocus();
  // The Qt field inside, for the keyboard and for tests.
  QLineEdit* LineEdit() const { return FEdit; }

 protected:
  void FontChanged() override;
  void ColorChanged() override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  QLineEdit* FEdit;  // child
  int FMaxLength = 0;
};

// For the event filter of a field of digits: Ctrl with Left, Right, Home,
// End or Backspace moves or deletes by words, which such a field has none
// of, so it leaves these keys to the window's menu (the page keys). Answers
// their shortcut override with "not mine" and returns true; false for any
// other event.
bool LeaveWordKeysToWindow(QEvent* Event);
