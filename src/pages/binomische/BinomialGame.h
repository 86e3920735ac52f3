#pragma once
// The binomial formula game of the two exercise pages of the binomial
// chapter: the task is a product of two binomials, the pupil types the
// expanded sum. See TaskGame.h for how a page drives it.
#include <string>

#include "pages/binomische/TaskGame.h"

struct TBinomialTask {
  // 0: (A*X+B*Y)^2, 1: (A*X-B*Y)^2, 2: (A*X+B*Y)*(A*X-B*Y).
  int Kind = 0;
  int A = 2;
  int B = 2;
  char X = 'a';
  // The second letter; 0 when the second part is the number B alone.
  char Y = 'b';
};

// How far the numbers reach. Growing starts with (x+3)^2, (a-5)^2 and
// (y+4)*(y-4), coefficient 1 and a small number, and widens the ranges with
// every solved task; Full draws both coefficients from 2 ... 14 and two
// letters from the first task on.
enum class TBinomialLevel { Growing, Full };

class TBinomialGame final : public TTaskGame {
 public:
  // Starts with a new task drawn from the program's random generator.
  explicit TBinomialGame(TBinomialLevel Level = TBinomialLevel::Full);

  TBinomialLevel Level() const { return FLevel; }
  const TBinomialTask& Task() const { return FTask; }
  // Poses the given task instead of the drawn one.
  void SetTask(const TBinomialTask& Task);
  // "(3*a+4*b)^2", "(x+3)^2", "(2*y+5)*(2*y-5)": a coefficient 1 is not written.
  static std::string Caption(const TBinomialTask& Task);

 protected:
  // Draws, in this order: the kind (0..2), A, B, X and, with two letters,
  // the distance of Y behind X (1..4 task letters). Full: A and B 2..14,
  // two letters. Growing, after S solved tasks: A 1 ... 1 + S/3, B 1 ... 6 + S,
  // a second letter from the sixth task on.
  std::string MakeTask() override;
  // Only a sum multiplied out is judged (not the task again, not "+ 0");
  // it must be equivalent to the task, or the tip line says where not.
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  TBinomialLevel FLevel;
  TBinomialTask FTask;
};
