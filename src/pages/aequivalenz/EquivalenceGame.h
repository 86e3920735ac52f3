#pragma once
// The game of the equivalence chapter: each task shows two terms, and the
// pupil says whether they are equivalent. Half of the pairs come from a
// rule of the chapter (a law, collecting like terms, brackets after a
// sign), the other half from a typical mistake. Pure C++; see TaskGame.h
// for how a page drives it.
#include <string>
#include <vector>

#include "pages/binomische/TaskGame.h"

// The random choices a pair is made from: three different letters and two
// numbers from 2 to 9.
struct TPairDraw {
  char X = 'x';
  char Y = 'y';
  char Z = 'z';
  int M = 2;
  int N = 3;
};

// Two terms as the term boxes take them ("3*(x+5)").
struct TTermPair {
  std::string Left;
  std::string Right;
};

// One kind of pair. For an equivalent pattern, Why names the rule that turns
// one term into the other; a mistake's tip is a counterexample instead.
struct TPairPattern {
  bool Equivalent = false;
  std::string Why;
  TTermPair (*Make)(const TPairDraw& Draw) = nullptr;
};

// Every pattern of the game, equivalent ones first.
const std::vector<TPairPattern>& PairPatterns();

// The two answers of the game's combo.
inline constexpr const char* EquivalentAnswer = "äquivalent";
inline constexpr const char* NotEquivalentAnswer = "nicht äquivalent";

class TEquivalenceGame final : public TTaskGame {
 public:
  // Starts with a pair drawn from the program's random generator.
  TEquivalenceGame();

  const TTermPair& Pair() const { return FPair; }
  const TPairPattern& Pattern() const { return PairPatterns()[static_cast<std::size_t>(FPattern)]; }
  // Poses pattern Index (of PairPatterns) with Draw instead of the drawn pair.
  void SetTask(int Index, const TPairDraw& Draw, bool Swapped = false);

 protected:
  // Draws, in this order: equivalent or not (one half each), the pattern of
  // that half, the three letters, the two numbers and whether the terms
  // change sides.
  std::string MakeTask() override;
  // The answer is the combo's item: right gives praise; wrong gives "Leider
  // falsch." with a counterexample or the rule as its tip; no choice yet
  // asks for one (an information, not an error).
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  void Pose(int Index, const TPairDraw& Draw, bool Swapped);

  int FPattern = 0;
  TTermPair FPair;
};
