#include "support/TermInputScope.h"

#include <gtest/gtest.h>

TTermInputScope::TTermInputScope(std::initializer_list<TTermInput> Answers) : FAnswers(Answers) {
  FPrevious = SetTermInputPresenter([this]() -> TTermInput {
    ++FOpenings;
    if (FAnswers.isEmpty()) {
      ADD_FAILURE() << "the term input window opened more often than answers were given";
      return std::nullopt;
    }
    return FAnswers.takeFirst();
  });
}

TTermInputScope::~TTermInputScope() {
  SetTermInputPresenter(std::move(FPrevious));
  // An answer never asked for means the input window did not open where
  // the test thought it would.
  if (!FAnswers.isEmpty())
    ADD_FAILURE() << FAnswers.size() << " answer(s) for the term input window were never used";
}
