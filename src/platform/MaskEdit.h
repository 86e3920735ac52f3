#pragma once
// TMaskEdit: a one-line field whose text follows a mask, written as
// "mask;keep literals;blank character" (" 999999999;1;_": a blank, then up
// to nine digits, shown as "_" while empty). Mask characters: "0" a digit
// that is required, "9" a digit that may be left out, "L"/"l" a letter
// required/optional, "A"/"a" a letter or digit required/optional, "C"/"c"
// any character required/optional; "\" makes the next character literal;
// every other character is a literal. Text holds the literals and a blank
// for every position left empty.
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

 private:
  QLineEdit* FEdit;  // child
  QString FEditMask;
  QChar FBlank = QLatin1Char('_');
  int FMaxLength = 0;
};

// The Qt input mask for a mask in the notation above: "mask;blank".
QString QtInputMask(const QString& EditMask);
