// Any bytes as the pupil's answer to each exercise game: a check gives a
// message or an arithmetic error, and an error leaves the game as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/Random.h"
#include "pages/binomische/BinomialGame.h"
#include "pages/faktorisieren/FactoringGame.h"
#include "terms/Terms.h"

namespace {
void CheckAnswer(TTaskGame& Game, const std::string& Answer) {
  const std::string Task = Game.TaskCaption();
  const int Solved = Game.Solved();
  try {
    const TGameReply Reply = Game.Check(Answer);
    if (Reply.Message.Kind == gmNone) std::abort();
    if (Reply.Solved != (Game.Solved() == Solved + 1)) std::abort();
  } catch (const EMathError&) {
    if (Game.TaskCaption() != Task || Game.Solved() != Solved) std::abort();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Answer(reinterpret_cast<const char*>(Data), Size);
  RandomSeed(static_cast<unsigned>(Size));
  TBinomialGame Binomial;
  TCommonFactorGame CommonFactor;
  TBinomialFactorGame BinomialFactor;
  for (TTaskGame* Game : {static_cast<TTaskGame*>(&Binomial), static_cast<TTaskGame*>(&CommonFactor),
                          static_cast<TTaskGame*>(&BinomialFactor)})
    CheckAnswer(*Game, Answer);
  return 0;
}
