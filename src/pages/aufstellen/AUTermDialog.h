#pragma once
// Page "Der Termdialog": the pupil copies given terms into answer boxes
// through the term input window and learns to build fractions, powers and
// brackets there. The check is structural, so the same tree must come out:
// b+a is no answer for a+b. A second group of terms appears once the first
// is right.
#include "platform/Forms.h"

class TMMTerm;

class TfmAUTermDialog : public TForm {
  Q_OBJECT
  Q_PROPERTY(int Stage READ Stage STORED false)
  Q_PROPERTY(int FinalStage READ FinalStage STORED false)
 public:
  explicit TfmAUTermDialog(QWidget* Parent = nullptr);

  // 0 while the first group is checked, 1 once the second is shown, 2 once
  // the second is right as well (it stays under test).
  int Stage() const { return FStage; }
  static int FinalStage() { return 1; }
  TMMTerm* MMTerm(int N) const;

 public slots:
  void FormCreate(QObject* Sender);
  // The check button.
  void PCVGlassButton1Click(QObject* Sender);
  // The answer boxes: the entered term in its text form.
  void MMTerm1Click(QObject* Sender);
  // The first answer box: the text exactly as typed.
  void MMTerm2Click(QObject* Sender);

 private:
  int FStage = 0;
};
