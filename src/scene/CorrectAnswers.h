#pragma once
// The correct answers of an answer combo: up to 16 item indices, marked in
// the page design by a leading "+" on the item text. Pure C++.
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

// More items are marked correct than a combo can keep.
class ETooMuchCorrect : public std::runtime_error {
 public:
  ETooMuchCorrect() : std::runtime_error("Zuviele richtige Antworten (>16)") {}
};

class TCorrectAnswers {
 public:
  static constexpr int SlotCount = 16;
  static constexpr int EmptySlot = -2;

  TCorrectAnswers() { Clear(); }

  void Clear() { FSlots.fill(EmptySlot); }
  // Records the items whose text begins with "+" (in order) and removes
  // that "+" from their text. Throws ETooMuchCorrect at the seventeenth such
  // item; the items before it have been taken by then.
  void TakeMarks(std::vector<std::string>& Items);
  // Whether Index (-1: nothing chosen) is one of the correct items.
  bool IsCorrect(int Index) const;
  int Slot(int I) const { return FSlots.at(static_cast<std::size_t>(I)); }

 private:
  std::array<int, SlotCount> FSlots{};
};
