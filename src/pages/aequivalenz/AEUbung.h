#pragma once
// Page "Übung": the game "Äquivalent?" on the frame of the timed games. Each
// task shows two terms; the pupil chooses "äquivalent" or "nicht
// äquivalent" in the combo and presses the check button.
#include "pages/aequivalenz/EquivalenceGame.h"
#include "pages/binomische/GameFrame.h"
#include "scene/MMCombo.h"

class TfmAEUbung : public TfmGameFrame {
  Q_OBJECT
  Q_PROPERTY(TMMTerm* MMTerm3 MEMBER MMTerm3)
  Q_PROPERTY(TMMCombo* MMCombo1 MEMBER MMCombo1)

 public:
  using TfmGameFrame::TfmGameFrame;

  TMMTerm* MMTerm3 = nullptr;    // the right term
  TMMCombo* MMCombo1 = nullptr;  // the answer

  TEquivalenceGame& Game() const { return static_cast<TEquivalenceGame&>(TfmGameFrame::Game()); }
  // Both terms of the task, left in MMTerm1 and right in MMTerm3.
  void ShowTask() override;

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
  std::string AnswerText() const override;
  void ClearAnswer() override;
};
