#pragma once
// TUpDown: the two arrow buttons beside a whole-number field. Associated
// with an edit field, it sits at the field's right edge and keeps the
// field's text and its Position in step: the arrows (and the Up and Down
// keys in the field) change Position and rewrite the text; typing changes
// Position. The field takes only digits, and only numbers up to Max.
#include <QPointer>

#include "platform/Controls.h"
#include "platform/Edit.h"


class QToolButton;

class TUpDown : public TControl {
  Q_OBJECT
  Q_PROPERTY(TEdit* Associate READ Associate WRITE SetAssociate)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
 public:
  explicit TUpDown(QWidget* Parent = nullptr);
  ~TUpDown() override;

  TNotifyEvent OnChange;

  TEdit* Associate() const { return FAssociate; }
  void SetAssociate(TEdit* Value);
  // The bounds; never below 0, Max never below Min.
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  // Kept within Min ... Max; shown in the associated field.
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }

  // What the arrows do: Position plus or minus Increment.
  void StepUp();
  void StepDown();

  void Loaded() override;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void AttachToAssociate();
  void ShowPosition();
  void TextEdited();
  void UpdateValidator();

  QPointer<TEdit> FAssociate;
  QToolButton* FUp;    // child
  QToolButton* FDown;  // child
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  bool FShowing = false;
};
