#include "pages/aequivalenz/EquivalenceGame.h"

#include <utility>

#include "common/Random.h"
#include "terms/Counterexample.h"

namespace {

std::string S(char C) { return std::string(1, C); }
std::string S(int N) { return std::to_string(N); }

// The letters the game uses: none that looks like a digit or another letter.
constexpr char Letters[] = "abcdkmnprstuvwxyz";
constexpr int LetterCount = sizeof(Letters) - 1;

}  // namespace

const std::vector<TPairPattern>& PairPatterns() {
  static const std::vector<TPairPattern> Patterns = {
      // equivalent: laws, collecting, brackets
      {true, "Beim Addieren darf man die Summanden vertauschen (Kommutativgesetz).",
       [](const TPairDraw& D) { return TTermPair{S(D.X) + "+" + S(D.N), S(D.N) + "+" + S(D.X)}; }},
      {true, "Beim Multiplizieren darf man die Faktoren vertauschen (Kommutativgesetz).",
       [](const TPairDraw& D) { return TTermPair{S(D.X) + "*" + S(D.Y) + "*" + S(D.N), S(D.N) + "*" + S(D.Y) + "*" + S(D.X)}; }},
      {true, "Beim Multiplizieren darf man die Klammern versetzen (Assoziativgesetz).",
       [](const TPairDraw& D) { return TTermPair{S(D.M) + "*(" + S(D.N) + "*" + S(D.X) + ")", S(D.M * D.N) + "*" + S(D.X)}; }},
      {true, "Jeder Summand in der Klammer wird mit dem Faktor multipliziert (Distributivgesetz).",
       [](const TPairDraw& D) {
         return TTermPair{S(D.N) + "*(" + S(D.X) + "+" + S(D.M) + ")", S(D.N) + "*" + S(D.X) + "+" + S(D.N * D.M)};
       }},
      {true, "Gleichartige Terme darf man zusammenfassen.",
       [](const TPairDraw& D) {
         return TTermPair{S(D.M) + "*" + S(D.X) + "+" + S(D.N) + "*" + S(D.X), S(D.M + D.N) + "*" + S(D.X)};
       }},
      {true, "Ein Produkt aus gleichen Faktoren schreibt man als Potenz.",
       [](const TPairDraw& D) { return TTermPair{S(D.X) + "*" + S(D.X), S(D.X) + "^2"}; }},
      {true, "Steht ein Minus vor der Klammer, kehren sich beim Auflösen die Vorzeichen in der Klammer um.",
       [](const TPairDraw& D) {
         return TTermPair{S(D.X) + "-(" + S(D.Y) + "+" + S(D.N) + ")", S(D.X) + "-" + S(D.Y) + "-" + S(D.N)};
       }},
      {true, "Steht ein Minus vor der Klammer, kehren sich beim Auflösen die Vorzeichen in der Klammer um.",
       [](const TPairDraw& D) {
         return TTermPair{S(D.X) + "-(" + S(D.Y) + "-" + S(D.Z) + ")", S(D.X) + "-" + S(D.Y) + "+" + S(D.Z)};
       }},
      // typical mistakes
      // (a + b)² taken for a² + b²
      {false, "",
       [](const TPairDraw& D) {
         return TTermPair{"(" + S(D.X) + "+" + S(D.Y) + ")^2", S(D.X) + "^2+" + S(D.Y) + "^2"};
       }},
      // the sign after a minus bracket kept
      {false, "",
       [](const TPairDraw& D) {
         return TTermPair{S(D.X) + "-(" + S(D.Y) + "+" + S(D.N) + ")", S(D.X) + "-" + S(D.Y) + "+" + S(D.N)};
       }},
      // the sign after a minus bracket kept
      {false, "",
       [](const TPairDraw& D) {
         return TTermPair{S(D.X) + "-(" + S(D.Y) + "-" + S(D.Z) + ")", S(D.X) + "-" + S(D.Y) + "-" + S(D.Z)};
       }},
      // only the first summand multiplied
      {false, "",
       [](const TPairDraw& D) {
         return TTermPair{S(D.N) + "*(" + S(D.X) + "+" + S(D.M) + ")", S(D.N) + "*" + S(D.X) + "+" + S(D.M)};
       }},
      // x · x taken for x + x
      {false, "",
       [](const TPairDraw& D) { return TTermPair{S(D.X) + "*" + S(D.X), "2*" + S(D.X)}; }},
      // x + x taken for x · x
      {false, "",
       [](const TPairDraw& D) { return TTermPair{S(D.X) + "+" + S(D.X), S(D.X) + "^2"}; }},
      // only the letter squared
      {false, "",
       [](const TPairDraw& D) { return TTermPair{"(" + S(D.N) + "*" + S(D.X) + ")^2", S(D.N) + "*" + S(D.X) + "^2"}; }},
      // unlike terms collected
      {false, "",
       [](const TPairDraw& D) {
         return TTermPair{S(D.M) + "*" + S(D.X) + "+" + S(D.N), S(D.M + D.N) + "*" + S(D.X)};
       }},
  };
  return Patterns;
}

TEquivalenceGame::TEquivalenceGame() { NewTask(); }

void TEquivalenceGame::SetTask(int Index, const TPairDraw& Draw, bool Swapped) {
  Pose(Index, Draw, Swapped);
  SetTaskCaption(FPair.Left + " | " + FPair.Right);
}

void TEquivalenceGame::Pose(int Index, const TPairDraw& Draw, bool Swapped) {
  FPattern = Index;
  FPair = Pattern().Make(Draw);
  if (Swapped) std::swap(FPair.Left, FPair.Right);
}

std::string TEquivalenceGame::MakeTask() {
  const std::vector<TPairPattern>& Patterns = PairPatterns();
  const bool Equivalent = Random(2) == 0;
  std::vector<int> Half;
  for (int I = 0; I < static_cast<int>(Patterns.size()); ++I)
    if (Patterns[static_cast<std::size_t>(I)].Equivalent == Equivalent) Half.push_back(I);
  const int Index = Half[static_cast<std::size_t>(Random(static_cast<int>(Half.size())))];
  TPairDraw Draw;
  Draw.X = Letters[Random(LetterCount)];
  do Draw.Y = Letters[Random(LetterCount)];
  while (Draw.Y == Draw.X);
  do Draw.Z = Letters[Random(LetterCount)];
  while (Draw.Z == Draw.X || Draw.Z == Draw.Y);
  Draw.M = 2 + Random(8);
  Draw.N = 2 + Random(8);
  const bool Swapped = Random(2) == 1;
  Pose(Index, Draw, Swapped);
  return FPair.Left + " | " + FPair.Right;
}

TGameMessage TEquivalenceGame::Judge(const std::string& AnswerCaption) const {
  if (AnswerCaption != EquivalentAnswer && AnswerCaption != NotEquivalentAnswer)
    return TGameMessage::Info("Wähle zuerst „äquivalent“ oder „nicht äquivalent“.");
  if ((AnswerCaption == EquivalentAnswer) == Pattern().Equivalent) return TGameMessage::Praise();
  return TGameMessage::Error("Leider falsch.",
                             Pattern().Equivalent ? Pattern().Why : PairTipLine(FPair.Left, FPair.Right));
}
