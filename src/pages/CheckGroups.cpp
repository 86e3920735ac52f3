#include "pages/CheckGroups.h"

#include <memory>

#include "platform/UpDown.h"
#include "scene/MMCombo.h"
#include "shell/MessageProcs.h"
#include "terms/MMTerm.h"
#include "terms/Terms.h"

namespace {

// The term a text stands for; null for a text that is no term ("?").
std::unique_ptr<TTerm> ReadTerm(const QString& Text) {
  std::unique_ptr<TTerm> Term = TTerm::ParseTerm(Text.toStdString());
  if (const auto* Leaf = dynamic_cast<const TText*>(Term.get()); Leaf && Leaf->Text() == "?") return nullptr;
  return Term;
}

QString CaptionOf(const TMMTerm* Box) { return Box ? Box->Caption() : QStringLiteral("?"); }

}  // namespace

TCheck& TCheck::Group(TTest Test, TReport Report) {
  FGroups.emplace_back(std::move(Test), std::move(Report));
  return *this;
}

TCheck& TCheck::Line(int N, TTest Test) {
  return Group(std::move(Test), [N] { ShowLineError(N); });
}

TCheck& TCheck::Field(int N, TTest Test) {
  return Group(std::move(Test), [N] { ShowFieldError(N); });
}

TCheck& TCheck::StillWrong(TTest Test) { return Group(std::move(Test), [] { ShowStillWrong(); }); }

TCheck& TCheck::Error(const QString& Text, TTest Test) {
  return Group(std::move(Test), [Text] { ShowError(Text); });
}

bool TCheck::Passed() const {
  for (const auto& [Test, Report] : FGroups) {
    if (!Test()) {
      Report();
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
  return [Box, Expected = std::move(Expected)] { return TermIsEquivalentTo(CaptionOf(Box), Expected); };
}

TCheck::TTest IsSum(const TMMTerm* Box) {
  return [Box] { return TermIsSum(CaptionOf(Box)); };
}

TCheck::TTest TextIsOneOf(const TMMTerm* Box, std::initializer_list<const char*> Texts) {
  QStringList Accepted;
  for (const char* Text : Texts) Accepted << QString::fromUtf8(Text);
  return [Box, Accepted] {
    const QString Compact = CompactTermText(CaptionOf(Box));
    return Compact != QLatin1String("?") && Accepted.contains(Compact);
  };
}

TCheck::TTest ComboIsCorrect(const TMMCombo* Combo) {
  return [Combo] { return Combo && Combo->IsCorrect(); };
}

TCheck::TTest ComboIsAt(const TMMCombo* Combo, int Index) {
  return [Combo, Index] { return Combo && Combo->ItemIndex() == Index; };
}

TCheck::TTest HoldsNumber(const TUpDown* Field, int N) {
  return [Field, N] { return Field && Field->Position() == N; };
}

TCheck::TTest HoldNumbers(const TUpDown* First, const TUpDown* Second, int A, int B) {
  return [First, Second, A, B] {
    if (!First || !Second) return false;
    const int X = First->Position();
    const int Y = Second->Position();
    return (X == A && Y == B) || (X == B && Y == A);
  };
}

TCheck::TTest AllOf(std::initializer_list<TCheck::TTest> Tests) {
  std::vector<TCheck::TTest> All(Tests);
  return [All] {
    for (const TCheck::TTest& Test : All)
      if (!Test()) return false;
    return true;
  };
}
