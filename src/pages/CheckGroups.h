#pragma once
// The check of an exercise page: groups of answers tested in a fixed
// order. The first group that fails is reported and nothing else happens;
// Passed() is true only when every group passed (and then reports nothing:
// the page praises and moves on).
//
//   if (TCheck()
//           .Line(1, IsEquivalentTo(Term(1), "e*c"))
//           .Line(-1, ComboIsCorrect(Combo(2)))
//           .Passed()) { ShowPraise(); Advance(); }
//
// Tests are evaluated lazily, in order, so a later group's test never runs
// once an earlier one failed.
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

class QWidget;
class TMMCombo;
class TMMTerm;
class TUpDown;

// One answer test of a check: the question itself, the answer controls it
// reads (they get a red frame when their group fails) and, for term tests,
// the tip line under the message ("Für x = 1 ergibt dein Term 3, richtig
// wäre 2."). A plain lambda is a test without controls and tip.
class TAnswerTest {
 public:
  using TPredicate = std::function<bool()>;
  using TTipSource = std::function<QString()>;

  TAnswerTest() = default;
  template <class F, std::enable_if_t<!std::is_same_v<std::decay_t<F>, TAnswerTest> &&
                                          std::is_invocable_r_v<bool, F&>, int> = 0>
  TAnswerTest(F Predicate) : FPredicate(std::move(Predicate)) {}  // NOLINT: implicit on purpose
  TAnswerTest(TPredicate Predicate, QList<QWidget*> Controls, TTipSource Tip = {});

  bool operator()() const { return FPredicate && FPredicate(); }
  const QList<QWidget*>& Controls() const { return FControls; }
  // The tip line for the failed test; empty when there is none.
  QString Tip() const { return FTip ? FTip() : QString(); }

 private:
  TPredicate FPredicate;
  QList<QWidget*> FControls;
  TTipSource FTip;
};

class TCheck {
 public:
  using TTest = TAnswerTest;
  // Shows the group's message; Tip is the failed test's tip line or empty.
  using TReport = std::function<void(const QString& Tip)>;

  TCheck& Group(TTest Test, TReport Report);
  // Reports ShowLineError(N), ShowFieldError(N), ShowStillWrong() or
  // ShowError(Text) when Test fails.
  TCheck& Line(int N, TTest Test);
  TCheck& Field(int N, TTest Test);
  TCheck& StillWrong(TTest Test);
  TCheck& Error(const QString& Text, TTest Test);

  // Runs the tests in order; reports the first failing group with its tip
  // and frames that group's answer controls in red. The frames of an
  // earlier check on these controls go first.
  bool Passed() const;

 private:
  std::vector<std::pair<TTest, TReport>> FGroups;
};

// Tests of single answers, as deferred checks for TCheck. A term box left
// at "?" (or holding anything that is no term) fails every term test.
//
// The box's term is equivalent to Expected (a term text, "0,5*d+c"); the
// tip compares the box's term with Expected.
TCheck::TTest IsEquivalentTo(const TMMTerm* Box, QString Expected);
// The box's term is a sum or difference at its top.
TCheck::TTest IsSum(const TMMTerm* Box);
// The box's term has the written form (see terms/TermForms.h); no tip.
TCheck::TTest IsMultipliedOut(const TMMTerm* Box);
TCheck::TTest IsCollected(const TMMTerm* Box);
TCheck::TTest IsFactorised(const TMMTerm* Box);
TCheck::TTest IsWithoutBrackets(const TMMTerm* Box);
// The box's term written without any blank is one of Texts ("(x+y)*4");
// the tip compares it with the first of them.
TCheck::TTest TextIsOneOf(const TMMTerm* Box, std::initializer_list<const char*> Texts);
// Fails only for a term that is equivalent to the first of Texts but
// written otherwise: with TextIsOneOf after it, a page where the written
// form is the point tells "right value, other form" apart from "wrong".
TCheck::TTest IsListedFormIfEquivalent(const TMMTerm* Box, std::initializer_list<const char*> Texts);
// The combo's chosen item is one of its correct ones.
TCheck::TTest ComboIsCorrect(const TMMCombo* Combo);
// The combo's chosen item is item Index (counted from 0).
TCheck::TTest ComboIsAt(const TMMCombo* Combo, int Index);
// The number field holds N.
TCheck::TTest HoldsNumber(const TUpDown* Field, int N);
// The two number fields hold A and B, in either order.
TCheck::TTest HoldNumbers(const TUpDown* First, const TUpDown* Second, int A, int B);
// Every test passes (a group made of several answers); its controls are
// all of theirs, its tip the first failing one's.
TCheck::TTest AllOf(std::initializer_list<TCheck::TTest> Tests);

// The plain questions behind the tests, on terms as text.
bool TermIsEquivalentTo(const QString& Term, const QString& Expected);
bool TermIsSum(const QString& Term);
// The term's text form without blanks ("2*x" for "2x").
QString CompactTermText(const QString& Term);
