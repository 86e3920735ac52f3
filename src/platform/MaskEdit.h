#pragma once
// TMaskEdit: a one-line field whose text follows a mask, written as
// "mask;keep literals;blank character" (" 999999999;1;_": a blank, then up
// to nine digits, shown as "_" while the field is empty; once something is
// typed, the positions left empty show as spaces). Mask characters: "0" a digit
// that is required, "9" a digit that may be left out, "L"/"l" a letter
// required/optional, "A"/"a" a letter or digit required/optional, "C"/"c"
// any character required/optional; "\" makes the next character literal;
// every other character is a literal. Text holds the literals and a blank
// for every position left empty.
//
// A click behind what has been typed puts the cursor right after it (into
// the first position of an empty field), as in a plain field: the pupil
// clicks anywhere into the field and types from the left.
#include <vector>

#include "platform/Controls.h"

class QLineEdit;

class TMaskEdit : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
 public:
  explicit TMaskEdit(QWidget* Parent = nullptr);
  ~TMaskEdit() override;

  TNotifyEvent OnChange;

  QString EditMask() const { return FEditMask; }
  void SetEditMask(const QString& Value);
  QString Text() const;
  void SetText(const QString& Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);

  QLineEdit* LineEdit() const { return FEdit; }

 protected:
  void FontChanged() override;
  void ColorChanged() override;
  void resizeEvent(QResizeEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // The position right after the last character typed; the first position
  // that takes one while nothing is typed.
  int TypedEnd() const;
  // Shows the blank character while nothing is typed and spaces after it.
  void UpdateBlank();

  QLineEdit* FEdit;  // child
  QString FEditMask;
  QChar FBlank = QLatin1Char('_');
  QChar FShownBlank = QLatin1Char('_');  // what the field shows for an empty position now
  bool FUpdatingBlank = false;
  // Per position of the shown text: whether the pupil types there.
  std::vector<bool> FEditable;
  int FMaxLength = 0;
};

// The Qt input mask for a mask in the notation above: "mask;blank".
QString QtInputMask(const QString& EditMask);
// Per position of the shown text, whether the mask lets the pupil type there.
std::vector<bool> MaskEditablePositions(const QString& EditMask);
