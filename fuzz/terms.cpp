// Any bytes as a typed term: parse, print, parse the print again and
// evaluate both. Printing a parsed term must give a text that reads back to
// an equal tree (up to the ":" sign, which prints as a fraction bar).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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
  // A re-read print prints the same again.
  if (Again->ToString() != Printed) std::abort();
  (void)T->ToCompactString();
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
