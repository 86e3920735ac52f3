#pragma once
// The game of the chapter "Multiplikation von Summen": the task is a product
// of two sums, the pupil types it multiplied out and collected. See
// pages/binomische/TaskGame.h for how a page drives it.
#include <string>

#include "pages/binomische/TaskGame.h"

// (A*X + P) * (B*Y + Q); X and Y are the same letter in the easier tasks.
struct TMultiplicationTask {
  int A = 1;
  int P = 1;
  char X = 'x';
  int B = 1;
  int Q = 1;
  char Y = 'x';
};

class TMultiplicationGame final : public TTaskGame {
 public:
  // Starts with a new task drawn from the program's random generator.
  TMultiplicationGame();

  const TMultiplicationTask& Task() const { return FTask; }
  // Poses the given task instead of the drawn one.
  void SetTask(const TMultiplicationTask& Task);
  // "(x+3)*(x-5)", "(2*a-1)*(3*b+4)": a coefficient 1 is not written.
  static std::string Caption(const TMultiplicationTask& Task);
  // The task multiplied out and collected, "x^2-2*x-15"; a product that
  // comes to zero is left out ("(x+3)*(x-3)" gives "x^2-9").
  static std::string Expanded(const TMultiplicationTask& Task);

 protected:
  // Harder with every solved task S: (x+p)*(x+q) with 1 <= p, q <= 3 + S
  // first; from the fourth task on p and q may be negative (up to 6); from
  // the sixth the letter gets a coefficient 1 ... 3 (numbers up to 7); from
  // the eighth two letters, coefficients 1 ... 5 and numbers -9 ... 9.
  std::string MakeTask() override;
  // Right is equivalent, multiplied out and collected; each of the three
  // faults has its message, the wrong value with the tip line.
  TGameMessage Judge(const std::string& AnswerCaption) const override;

 private:
  TMultiplicationTask FTask;
};

// Texts of the game's messages.
inline constexpr const char* NotMultipliedOutText = "Der Term ist noch nicht ausmultipliziert!";
inline constexpr const char* NotCollectedText = "Fasse die gleichartigen Glieder noch zusammen!";
