#pragma once
// The two factoring games of the factoring chapter's exercise pages, on the
// ten-task frame of TaskGame.h (a page drives them exactly like the binomial
// game).
//
// TCommonFactorGame: a sum of two products with a common factor, such as
// 24*a*c+36*b*c; the pupil takes the greatest common factor out.
// TBinomialFactorGame: a sum of two or three terms that may be a binomial
// formula, or a number times one; the pupil gives the factored form, or
// types "?" when the sum cannot be factored with a binomial formula.
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
  // The task letter after X, in the second product.
  char Y() const { return TaskLetterAfter(X, 1); }
  // The task letter two places after X: the only letter allowed as a factor
  // of the answer (also when the products do not share it).
  char W() const { return TaskLetterAfter(X, 2); }
};

class TCommonFactorGame final : public TTaskGame {
 public:
  TCommonFactorGame();

  const TCommonFactorTask& Task() const { return FTask; }
  void SetTask(const TCommonFactorTask& Task);
  // P*X S op Q*(X+1) S with S = "*W" or empty: "24*a*c+36*b*c", "24*a-36*b".
  static std::string Caption(const TCommonFactorTask& Task);

 protected:
  // Draws, in this order: F, G, H (2..14 each), X (a task letter with two
  // after it), whether the products share W (when Random(2) is 1) and the
  // operator ("-" when Random(2) is 1).
  std::string MakeTask() override;
  // The answer must be a factorised product (quotients count, a factor 1
  // does not); among its factors each number must be D and each letter W;
  // it must be equivalent to the task; and no bracket may hold a common
  // factor still (the whole common factor is outside).
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
  // The second letter; 0 when the second part is the number q alone.
  char Y = 'b';
  // A number in front of the whole sum (2x²+12x+18 = 2·(x+3)²); 1 for none.
  int k = 1;

  int m() const { return 2 * p * q; }
  // Kinds 1, 2 and 3 are binomial formulas.
  bool Factorable() const { return Kind >= 1 && Kind <= 3; }
};

// Which sums the binomial factoring game draws: Plain binomial formulas
// and sums that are none, or, WithNumber, also a common number in front of
// a binomial formula.
enum class TFactorSums { Plain, WithNumber };

class TBinomialFactorGame final : public TTaskGame {
 public:
  explicit TBinomialFactorGame(TFactorSums Sums = TFactorSums::Plain);

  const TBinomialFactorTask& Task() const { return FTask; }
  void SetTask(const TBinomialFactorTask& Task);
  static std::string Caption(const TBinomialFactorTask& Task);

 protected:
  // Draws, in this order: the kind (0..8, above 5 less 5), p (1..10), the
  // rule for q (0..4), X (a task letter) and the distance of Y behind X
  // (1..3 task letters). A sum that is no binomial formula gets numbers
  // without a common divisor (q = p + 1 otherwise), so that it cannot be
  // factorised at all. WithNumber, a binomial formula then gets k (2..5)
  // and, when Random(2) is 1, a number instead of its second letter.
  std::string MakeTask() override;
  // The answer "?" says that the sum cannot be factored with a binomial
  // formula. For a binomial formula the answer must be factorised (a product
  // without a factor 1, or a power of a sum) and equivalent to the task.
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  TFactorSums FSums;
  TBinomialFactorTask FTask;
};
