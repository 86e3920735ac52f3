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
  char Y = 'b';
};

class TBinomialGame final : public TTaskGame {
 public:
  // Starts with a new task drawn from the program's random generator.
  TBinomialGame();

  const TBinomialTask& Task() const { return FTask; }
  // Poses the given task instead of the drawn one.
  void SetTask(const TBinomialTask& Task);
  static std::string Caption(const TBinomialTask& Task);

 protected:
  // Draws, in this order: the kind (0..2), A and B (2..14 each), X (one of
  // the first 19 task letters, "a".."v") and how many task letters Y comes
  // after X (1..4).
  std::string MakeTask() override;
  // Only a sum or difference is judged; it must be equivalent to the task.
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  TBinomialTask FTask;
};
