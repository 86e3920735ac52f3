#include "scene/CorrectAnswers.h"

#include <algorithm>

void TCorrectAnswers::TakeMarks(std::vector<std::string>& Items) {
  Clear();
  std::size_t Next = 0;
  for (std::size_t I = 0; I < Items.size(); ++I) {
    std::string& Item = Items[I];
    if (Item.empty() || Item.front() != '+') continue;
    if (Next == FSlots.size()) throw ETooMuchCorrect();
    FSlots[Next++] = static_cast<int>(I);
    Item.erase(0, 1);
  }
}

bool TCorrectAnswers::IsCorrect(int Index) const {
  // Empty slots hold a negative marker; no negative index is ever correct.
  return Index >= 0 && std::find(FSlots.begin(), FSlots.end(), Index) != FSlots.end();
}
