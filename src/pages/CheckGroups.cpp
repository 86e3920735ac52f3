#include "pages/CheckGroups.h"

#include <memory>

#include "pages/AnswerMark.h"
#include "platform/Edit.h"
#include "platform/UpDown.h"
#include "scene/MMCombo.h"
#include "shell/MessageProcs.h"
#include "terms/Counterexample.h"
#include "terms/MMTerm.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

namespace {

// The term a text stands for; null for a text that is no term ("?").
std::unique_ptr<TTerm> ReadTerm(const QString& Text) {
  std::unique_ptr<TTerm> Term = TTerm::ParseTerm(Text.toStdString());
  if (const auto* Leaf = dynamic_cast<const TText*>(Term.get()); Leaf && Leaf->Text() == "?") return nullptr;
  return Term;
}

QString CaptionOf(const TMMTerm* Box) { return Box ? Box->Caption() : QStringLiteral("?"); }

// The control a pupil sees for an answer: a number field is its edit.
QWidget* Shown(const QWidget* Control) { return const_cast<QWidget*>(Control); }
QWidget* Shown(const TUpDown* Field) {
  if (!Field) return nullptr;
  if (Field->Associate()) return Field->Associate();
  return const_cast<TUpDown*>(Field);
}

QList<QWidget*> ControlList(std::initializer_list<QWidget*> Controls) {
  QList<QWidget*> List;
  for (QWidget* C : Controls)
    if (C) List.append(C);
  return List;
}

// A test of the term in Box by Form (a plain question on a term tree).
TCheck::TTest TermFormTest(const TMMTerm* Box, bool (*Form)(const TTerm&)) {
  return {[Box, Form] {
            const std::unique_ptr<TTerm> T = ReadTerm(CaptionOf(Box));
            return T && Form(*T);
          },
          ControlList({Shown(Box)})};
}

}  // namespace

TAnswerTest::TAnswerTest(TPredicate Predicate, QList<QWidget*> Controls, TTipSource Tip)
    : FPredicate(std::move(Predicate)), FControls(std::move(Controls)), FTip(std::move(Tip)) {}

TCheck& TCheck::Group(TTest Test, TReport Report) {
  FGroups.emplace_back(std::move(Test), std::move(Report));
  return *this;
}

TCheck& TCheck::Line(int N, TTest Test) {
  return Group(std::move(Test), [N](const QString& Tip) { ShowLineError(N, Tip); });
}

TCheck& TCheck::Field(int N, TTest Test) {
  return Group(std::move(Test), [N](const QString& Tip) { ShowFieldError(N, Tip); });
}

TCheck& TCheck::StillWrong(TTest Test) {
  return Group(std::move(Test), [](const QString& Tip) { ShowStillWrong(Tip); });
}

TCheck& TCheck::Error(const QString& Text, TTest Test) {
  return Group(std::move(Test), [Text](const QString& Tip) { ShowError(Text, Tip); });
}

bool TCheck::Passed() const {
  for (const auto& Group : FGroups)
    for (QWidget* C : Group.first.Controls()) TAnswerMark::Unmark(qobject_cast<TControl*>(C));
  for (const auto& [Test, Report] : FGroups) {
    if (!Test()) {
      // The frames first: the message is modal and the pupil should see
      // where the fault is while reading it.
      for (QWidget* C : Test.Controls()) TAnswerMark::Mark(qobject_cast<TControl*>(C));
      Report(Test.Tip());
      return false;
    }
  }
  return true;
}

bool TermIsEquivalentTo(const QString& Term, const QString& Expected) {
  const std::unique_ptr<TTerm> A = ReadTerm(Term);
  const std::unique_ptr<TTerm> B = ReadTerm(Expected);
  if (!A || !B) return false;
  // A pupil's term that cannot be evaluated (a division by zero) is simply
  // not the expected one.
  try {
    return TTerm::IsEquivalent(*A, *B);
  } catch (const EMathError&) {
    return false;
  }
}

bool TermIsSum(const QString& Term) {
  const std::unique_ptr<TTerm> T = ReadTerm(Term);
  return T && T->IsA<TSum>();
}

QString CompactTermText(const QString& Term) {
  const std::unique_ptr<TTerm> T = ReadTerm(Term);
  return T ? QString::fromStdString(T->ToCompactString()) : QStringLiteral("?");
}

TCheck::TTest IsEquivalentTo(const TMMTerm* Box, QString Expected) {
  return {[Box, Expected] { return TermIsEquivalentTo(CaptionOf(Box), Expected); }, ControlList({Shown(Box)}),
          [Box, Expected] {
            return QString::fromStdString(TipLine(CaptionOf(Box).toStdString(), Expected.toStdString()));
          }};
}

TCheck::TTest IsSum(const TMMTerm* Box) {
  return {[Box] { return TermIsSum(CaptionOf(Box)); }, ControlList({Shown(Box)})};
}

TCheck::TTest IsMultipliedOut(const TMMTerm* Box) { return TermFormTest(Box, ::IsMultipliedOut); }
TCheck::TTest IsCollected(const TMMTerm* Box) { return TermFormTest(Box, ::IsCollected); }
TCheck::TTest IsFactorised(const TMMTerm* Box) { return TermFormTest(Box, ::IsFactorised); }
TCheck::TTest IsWithoutBrackets(const TMMTerm* Box) { return TermFormTest(Box, ::IsWithoutBrackets); }

namespace {
QStringList TextList(std::initializer_list<const char*> Texts) {
  QStringList List;
  for (const char* Text : Texts) List << QString::fromUtf8(Text);
  return List;
}

bool IsOneOf(const TMMTerm* Box, const QStringList& Accepted) {
  const QString Compact = CompactTermText(CaptionOf(Box));
  return Compact != QLatin1String("?") && Accepted.contains(Compact);
}
}  // namespace

TCheck::TTest TextIsOneOf(const TMMTerm* Box, std::initializer_list<const char*> Texts) {
  const QStringList Accepted = TextList(Texts);
  return {[Box, Accepted] { return IsOneOf(Box, Accepted); }, ControlList({Shown(Box)}),
          [Box, First = Accepted.value(0)] {
            return QString::fromStdString(TipLine(CaptionOf(Box).toStdString(), First.toStdString()));
          }};
}

TCheck::TTest IsListedFormIfEquivalent(const TMMTerm* Box, std::initializer_list<const char*> Texts) {
  const QStringList Accepted = TextList(Texts);
  return {[Box, Accepted] { return IsOneOf(Box, Accepted) || !TermIsEquivalentTo(CaptionOf(Box), Accepted.value(0)); },
          ControlList({Shown(Box)})};
}

TCheck::TTest ComboIsCorrect(const TMMCombo* Combo) {
  return {[Combo] { return Combo && Combo->IsCorrect(); }, ControlList({Shown(Combo)})};
}

TCheck::TTest ComboIsAt(const TMMCombo* Combo, int Index) {
  return {[Combo, Index] { return Combo && Combo->ItemIndex() == Index; }, ControlList({Shown(Combo)})};
}

TCheck::TTest HoldsNumber(const TUpDown* Field, int N) {
  return {[Field, N] { return Field && Field->Position() == N; }, ControlList({Shown(Field)})};
}

TCheck::TTest HoldNumbers(const TUpDown* First, const TUpDown* Second, int A, int B) {
  return {[First, Second, A, B] {
            if (!First || !Second) return false;
            const int X = First->Position();
            const int Y = Second->Position();
            return (X == A && Y == B) || (X == B && Y == A);
          },
          ControlList({Shown(First), Shown(Second)})};
}

TCheck::TTest AllOf(std::initializer_list<TCheck::TTest> Tests) {
  std::vector<TCheck::TTest> All(Tests);
  QList<QWidget*> Controls;
  for (const TCheck::TTest& Test : All)
    for (QWidget* C : Test.Controls())
      if (!Controls.contains(C)) Controls.append(C);
  return {[All] {
            for (const TCheck::TTest& Test : All)
              if (!Test()) return false;
            return true;
          },
          Controls,
          [All] {
            for (const TCheck::TTest& Test : All)
              if (!Test()) return Test.Tip();
            return QString();
          }};
}
