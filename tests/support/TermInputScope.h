#pragma once
// Answers the term input window for the lifetime of the scope, so that page
// tests never open it:
//
//   TTermInputScope Input({"(a+b)^2", std::nullopt});  // OK with a text, then Cancel
//   Page->MMTerm1Click(Page->Component<TMMTerm>("MMTerm2"));
//   EXPECT_EQ(Input.Openings(), 1);
//
// An opening beyond the given answers fails the test and counts as Cancel;
// answers still unused when the scope ends fail it too.
// Without a scope any opening fails the test (tests/support/TestMain.cpp).
#include <QList>
#include <initializer_list>

#include "terms/TermInput.h"

class TTermInputScope {
 public:
  TTermInputScope(std::initializer_list<TTermInput> Answers = {});
  ~TTermInputScope();
  TTermInputScope(const TTermInputScope&) = delete;
  TTermInputScope& operator=(const TTermInputScope&) = delete;

  // The next answers: Text typed and OK, or Cancel.
  void Type(const QString& Text) { FAnswers.append(Text); }
  void Cancel() { FAnswers.append(std::nullopt); }

  int Openings() const { return FOpenings; }
  int Remaining() const { return static_cast<int>(FAnswers.size()); }

 private:
  QList<TTermInput> FAnswers;
  int FOpenings = 0;
  TTermInputPresenter FPrevious;
};
