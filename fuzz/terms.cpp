// Any bytes as a typed term: parse, print, parse the print again and
// evaluate both. The print of every parsed term must read back as a term
// (not as the failure result "?"). It need not give the same tree (the
// first print may normalise, "2ab" prints as "2 * a * b"); from then on the
// print stays the same. The form tests and the tip line take any parsed term.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "terms/Counterexample.h"
#include "terms/SpokenTerm.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

namespace {
void Evaluate(TTerm& T) {
  try {
    (void)T.Evaluate();
  } catch (const EMathError&) {
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  auto T = TTerm::ParseTerm(Text);
  if (!T) std::abort();
  const std::string Printed = T->ToString();
  auto Again = TTerm::ParseTerm(Printed);
  if (!Again) std::abort();
  if (T->IsA<TText>() != Again->IsA<TText>()) std::abort();
  const std::string Reprinted = Again->ToString();
  if (TTerm::ParseTerm(Reprinted)->ToString() != Reprinted) std::abort();
  (void)IsMultipliedOut(*T);
  (void)IsCollected(*T);
  (void)IsFactorised(*T);
  (void)FindCounterexample(*T, *Again);
  (void)T->ToCompactString();
  if (SpokenTerm(*T).empty()) std::abort();
  T->SetValue('a', 2);
  Evaluate(*T);
  Evaluate(*Again);
  auto Copy = T->Copy();
  if (!Copy->IsEqual(*T)) std::abort();
  try {
    (void)TTerm::IsEquivalent(*T, *Again);
  } catch (const EMathError&) {
  }
  return 0;
}
