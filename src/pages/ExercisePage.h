#pragma once
// The base of every exercise page. A page names its answer controls once,
// in the order in which its check tests them, stage after stage; its check
// code reaches them by number through this list, and so does a course
// script ("answer #3 ..."). It also names, for each stage, the components
// that passing the stage reveals:
//
//   TfmRVBrems::TfmRVBrems(QWidget* Parent)
//       : TExercisePage(Parent, {"UpDown1", "UpDown2"}, {{"Label9", "MMCombo1"}}) {}
//
//   void TfmRVBrems::PCVGlassButton1Click(QObject*) {
//     if (TCheck().Line(1, HoldsNumber(Number(1), 18)).Line(-1, ...).Passed()) {
//       ShowPraise();
//       Advance();
//     }
//   }
//
// The page counts as solved (for the pupil's Lernstand) when its check
// praises at its final stage, or once its stage has moved beyond it. The
// final stage is RevealCount(): the praise after the last reveal. A page
// whose last praise comes before a closing reveal (praise, then Advance())
// or that ends with stages that only reveal names it with SetFinalStage. A
// page without answers has nothing to check.
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/Forms.h"

class TMMCombo;
class TMMTerm;
class TMaskEdit;
class TUpDown;

class TExercisePage : public TForm {
  Q_OBJECT
  // The answer controls' names in check order (read by course scripts).
  Q_PROPERTY(QStringList AnswerList READ AnswerList STORED false)
  Q_PROPERTY(int Stage READ Stage STORED false)
  Q_PROPERTY(int FinalStage READ FinalStage STORED false)
 public:
  TExercisePage(QWidget* Parent, QStringList Answers, std::vector<QStringList> Reveals = {});

  const QStringList& AnswerList() const { return FAnswers; }
  // The stage under test; 0 on a new page.
  int Stage() const { return FStage; }
  // How many stages reveal something.
  int RevealCount() const { return static_cast<int>(FReveals.size()); }
  // The stage whose praise solves the page; -1 when there is nothing to check.
  int FinalStage() const;
  // The components each stage reveals, stage after stage.
  const std::vector<QStringList>& Reveals() const { return FReveals; }

  // Answer control K (1-based, as in the list); EFormError when the design
  // has no such control of that kind.
  QObject* Answer(int K) const;
  TMMTerm* Term(int K) const;
  TMMCombo* Combo(int K) const;
  TUpDown* Number(int K) const;
  TMaskEdit* Masked(int K) const;

 protected:
  // A page starts at stage 0 with everything its stages reveal hidden,
  // whatever its design says: each visit makes the page anew from its
  // design, so leaving a page and coming back starts it over.
  void DoCreate() override;
  // Shows what passing the current stage reveals (nothing beyond the list)
  // and moves on to the next stage.
  void Advance();
  void SetFinalStage(int Stage) { FFinalStage = Stage; }
  // Shows or hides the named components.
  void ShowComponents(const QStringList& Names, bool Visible = true) const;

 private:
  QStringList FAnswers;
  std::vector<QStringList> FReveals;
  int FStage = 0;
  std::optional<int> FFinalStage;
};
