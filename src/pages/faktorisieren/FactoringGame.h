#pragma once
// The two factoring games of the factoring chapter's exercise pages, on the
// ten-task frame of TaskGame.h (a page drives them exactly like the binomial
// game).
//
// TCommonFactorGame: a sum of two products with a common factor, such as
// 24*a*c+36*b*c; the pupil takes the greatest common factor out.
// TBinomialFactorGame: a sum of two or three terms that may be a binomial
// formula; the pupil gives the factored form, or leaves the answer box at
// "?" when the sum cannot be factored that way.
#include <string>

#include "pages/binomische/TaskGame.h"

struct TCommonFactorTask {
  int F = 2;
  int G = 2;
  int H = 2;
  char X = 'a';
  // The letter both products share ("*" W after each product).
  bool WithCommonLetter = false;
  bool Minus = false;

  int P() const { return F * G; }
  int Q() const { return F * H; }
  // The greatest common divisor of P and Q: the number to take out.
  int D() const;
  // The task letter two places after X: the only letter allowed as a factor
  // of the answer (also when the products do not share it).
  char W() const { return TaskLetterAfter(X, 2); }
};

class TCommonFactorGame final : public TTaskGame {
 public:
  TCommonFactorGame();

  const TCommonFactorTask& Task() const { return FTask; }
  void SetTask(const TCommonFactorTask& Task);
  // P*X S op Q*X' S with X' the task letter after X and S = "*W" or empty:
  // "24*a*c+36*b*c", "24*a-36*b".
  static std::string Caption(const TCommonFactorTask& Task);

 protected:
  // Draws, in this order: F, G, H (2..14 each), X (one of the first 21 task
  // letters, "a".."x"), whether the products share W (when Random(2) is 1)
  // and the operator ("-" when Random(2) is 1).
  std::string MakeTask() override;
  // The answer must be a product (quotients count); among its factors each
  // number must be D and each letter W, other factors are not examined;
  // then it must be equivalent to the task.
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  TCommonFactorTask FTask;
};

struct TBinomialFactorTask {
  // 0: p²X²+q²Y² (not factorable), 1: p²X²-q²Y², 2: p²X²-mXY+q²Y²,
  // 3: p²X²+mXY+q²Y², 4 and 5: like 3 and 2 with m/2 (not factorable).
  int Kind = 0;
  int p = 1;
  int q = 2;
  char X = 'a';
  char Y = 'b';

  int m() const { return 2 * p * q; }
  // Kinds 1, 2 and 3 are binomial formulas.
  bool Factorable() const { return Kind >= 1 && Kind <= 3; }
};

class TBinomialFactorGame final : public TTaskGame {
 public:
  TBinomialFactorGame();

  const TBinomialFactorTask& Task() const { return FTask; }
  void SetTask(const TBinomialFactorTask& Task);
  static std::string Caption(const TBinomialFactorTask& Task);

 protected:
  // Draws, in this order: the kind (0..8, above 5 less 5), p (1..10), the
  // rule for q (0..4), X (one of the first 20 task letters, "a".."w") and
  // how many task letters Y comes after X (1..3).
  std::string MakeTask() override;
  // The answer caption "?" says that the sum cannot be factored. For a
  // binomial formula the answer must be a product, a power, or another
  // two-part term whose right part is 2, and equivalent to the task.
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  TBinomialFactorTask FTask;
};
