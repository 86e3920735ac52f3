#include "pages/aequivalenz/AEUbung.h"

void TfmAEUbung::ShowTask() {
  MMTerm1->SetCaption(QString::fromStdString(Game().Pair().Left));
  MMTerm3->SetCaption(QString::fromStdString(Game().Pair().Right));
}

std::unique_ptr<TTaskGame> TfmAEUbung::NewGame() const { return std::make_unique<TEquivalenceGame>(); }

std::string TfmAEUbung::AnswerText() const { return MMCombo1->Text().toStdString(); }

void TfmAEUbung::ClearAnswer() { MMCombo1->SetItemIndex(-1); }
