#pragma once
// A counterexample for a wrong term: whole numbers for its letters at which
// the pupil's term and the expected one differ. It feeds the tip line under
// a failed check ("Für x = 1 ergibt dein Term 3, richtig wäre 2.").
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TTerm;

struct TCounterexample {
  // The letters of both terms in alphabetical order with their numbers.
  std::vector<std::pair<char, long double>> Values;
  long double Pupil = 0;
  long double Expected = 0;
};

// The letters of both terms, in alphabetical order, get 1, 2, 3, ...; then
// 2, 3, 4, ...; up to ten tries. The first try where both terms are defined
// and differ is the counterexample; none when all ten agree or fail. Sets
// the variables of both trees.
std::optional<TCounterexample> FindCounterexample(TTerm& Pupil, TTerm& Expected);

// "Für a = 1 und b = 2 ergibt dein Term 3, richtig wäre 2." (numbers as the
// course prints them: decimal comma, at most four decimals).
std::string CounterexampleText(const TCounterexample& Example);

// The tip line for two typed terms; empty when either is no term or no
// counterexample is found.
std::string TipLine(const std::string& PupilText, const std::string& ExpectedText);

// The same for two terms shown side by side, neither of them the pupil's:
// "Für a = 1 und b = 2 hat der linke Term den Wert 9, der rechte den Wert 5."
std::string PairTipLine(const std::string& LeftText, const std::string& RightText);
