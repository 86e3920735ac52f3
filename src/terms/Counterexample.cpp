#include "terms/Counterexample.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

#include "common/NumberFormat.h"
#include "terms/Terms.h"

namespace {
constexpr int Tries = 10;

// Alphabetical: a before A before b.
bool Alphabetical(char A, char B) {
  const int LA = std::tolower(static_cast<unsigned char>(A));
  const int LB = std::tolower(static_cast<unsigned char>(B));
  return LA != LB ? LA < LB : A > B;
}

void AddLetters(TTerm& Term, std::set<char>& Letters) {
  Term.ForEach(
      [&Letters](TTerm& Node, void*, bool&) {
        if (Node.IsExactly<TVariable>()) Letters.insert(static_cast<const TVariable&>(Node).Name());
      },
      nullptr);
}

std::optional<long double> ValueOf(const TTerm& Term) {
  try {
    const long double V = Term.Evaluate();
    if (std::isfinite(V)) return V;
  } catch (const EMathError&) {
  }
  return std::nullopt;
}

bool Agree(long double X, long double Y) {
  const long double Scale = std::fmax(1.0L, std::fmax(std::fabs(X), std::fabs(Y)));
  return std::fabs(X - Y) <= 1e-9L * Scale;
}

// At most four decimals, no trailing zeros, decimal comma, the minus sign
// "−" as in the term boxes; never "-0".
std::string CourseNumber(long double Value) {
  long double Rounded = std::nearbyint(Value * 10000) / 10000;
  if (Rounded == 0) Rounded = 0;
  const std::string Text = FloatToStr(Rounded);
  return Text.starts_with('-') ? "\u2212" + Text.substr(1) : Text;
}
}  // namespace

std::optional<TCounterexample> FindCounterexample(TTerm& Pupil, TTerm& Expected) {
  std::set<char> Found;
  AddLetters(Pupil, Found);
  AddLetters(Expected, Found);
  std::vector<char> Letters(Found.begin(), Found.end());
  std::sort(Letters.begin(), Letters.end(), Alphabetical);
  for (int Try = 0; Try < Tries; ++Try) {
    TCounterexample Example;
    for (std::size_t I = 0; I < Letters.size(); ++I) {
      const long double V = Try + 1 + static_cast<long double>(I);
      Example.Values.emplace_back(Letters[I], V);
      Pupil.SetValue(Letters[I], V);
      Expected.SetValue(Letters[I], V);
    }
    const auto P = ValueOf(Pupil);
    const auto E = ValueOf(Expected);
    if (P && E && !Agree(*P, *E)) {
      Example.Pupil = *P;
      Example.Expected = *E;
      return Example;
    }
    if (Letters.empty()) break;  // without letters every try is the same
  }
  return std::nullopt;
}

namespace {
// "a = 1, b = 2 und c = 3".
std::string LettersText(const TCounterexample& Example) {
  const std::size_t N = Example.Values.size();
  std::string Letters;
  for (std::size_t I = 0; I < N; ++I) {
    if (I > 0) Letters += I + 1 == N ? " und " : ", ";
    Letters += std::string(1, Example.Values[I].first) + " = " + CourseNumber(Example.Values[I].second);
  }
  return Letters;
}

std::optional<TCounterexample> CounterexampleOf(const std::string& PupilText, const std::string& ExpectedText) {
  const auto Pupil = TTerm::ParseTerm(PupilText);
  const auto Expected = TTerm::ParseTerm(ExpectedText);
  if (Pupil->IsA<TText>() || Expected->IsA<TText>()) return std::nullopt;
  return FindCounterexample(*Pupil, *Expected);
}
}  // namespace

std::string CounterexampleText(const TCounterexample& Example) {
  const std::string Values = CourseNumber(Example.Pupil) + ", richtig wäre " + CourseNumber(Example.Expected) + ".";
  if (Example.Values.empty()) return "Dein Term ergibt " + Values;
  return "Für " + LettersText(Example) + " ergibt dein Term " + Values;
}

std::string TipLine(const std::string& PupilText, const std::string& ExpectedText) {
  const auto Example = CounterexampleOf(PupilText, ExpectedText);
  return Example ? CounterexampleText(*Example) : std::string();
}

std::string PairTipLine(const std::string& LeftText, const std::string& RightText) {
  const auto Example = CounterexampleOf(LeftText, RightText);
  if (!Example) return {};
  const std::string Values = "den Wert " + CourseNumber(Example->Pupil) + ", der rechte den Wert " +
                             CourseNumber(Example->Expected) + ".";
  if (Example->Values.empty()) return "Der linke Term hat " + Values;
  return "Für " + LettersText(*Example) + " hat der linke Term " + Values;
}
