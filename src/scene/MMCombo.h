#pragma once
// TMMCombo: the drop-down list of multiple-choice answers. The page design
// marks the correct items with a leading "+", which the combo removes when
// the page has loaded; the check button then asks IsCorrect.
#include <QComboBox>
#include <QStringList>

#include "platform/Controls.h"
#include "scene/CorrectAnswers.h"

class TMMCombo : public TControl {
  Q_OBJECT
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

 public:
  explicit TMMCombo(QWidget* Parent = nullptr);

  QStringList Items() const;
  void SetItems(const QStringList& Value);
  // The chosen item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  QString Text() const;
  // The drop-down list itself.
  QComboBox& Box() const { return *FBox; }

  // Whether the chosen item is one of the correct ones (false with none).
  bool IsCorrect() const { return FAnswers.IsCorrect(ItemIndex()); }
  const TCorrectAnswers& Answers() const { return FAnswers; }

  // Takes the "+" marks off the items; ETooMuchCorrect for more than 16.
  void Loaded() override;
  // The text beside the combo, else "Auswahl N".
  QString FieldName() const override;

 protected:
  void FontChanged() override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  QComboBox* FBox;  // owned (child widget)
  TCorrectAnswers FAnswers;
};
