// Equivalence of terms by evaluation at fixed sample points.
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "terms/SamplePoints.h"
#include "terms/Terms.h"

namespace {
constexpr int PointCount = 5;
constexpr long double Tolerance = 1e-9L;

bool IsLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }

// At each point every letter has its own value between 0,5 and 3,5 drawn
// from a fixed pseudo-random sequence: no two letters share a value, no
// value is whole or a simple fraction, and there is no linear pattern
// between letters. So differences like a - b, a - 2 or 2*a - 1 never vanish,
// and terms that only agree when letters are equal or related are told apart.
struct TSamplePoint {
  std::array<long double, 256> Values{};
};

std::uint64_t SplitMix(std::uint64_t& State) {
  std::uint64_t Z = (State += 0x9E3779B97F4A7C15ull);
  Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
  Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
  return Z ^ (Z >> 31);
}

const std::array<TSamplePoint, PointCount>& SamplePoints() {
  static const auto Points = [] {
    std::array<TSamplePoint, PointCount> P{};
    std::uint64_t State = 0x5EED0F7E5A11ull;
    for (auto& Point : P)
      for (int C = 0; C < 256; ++C)
        if (IsLetter(static_cast<char>(C))) {
          const long double Unit = static_cast<long double>(SplitMix(State) >> 11) / 9007199254740992.0L;
          Point.Values[static_cast<std::size_t>(C)] = 0.5L + 3 * Unit;
        }
    return P;
  }();
  return Points;
}

// The letter leaves of a tree: variables, and texts of one letter (which
// take a value too).
using TLetterLeaves = std::vector<std::pair<TTerm*, char>>;

TLetterLeaves LetterLeaves(TTerm& Term) {
  TLetterLeaves Leaves;
  Term.ForEach(
      [&Leaves](TTerm& Node, void*, bool&) {
        char Name = 0;
        if (Node.IsExactly<TVariable>())
          Name = static_cast<const TVariable&>(Node).Name();
        else if (Node.IsExactly<TText>() && static_cast<const TText&>(Node).Text().size() == 1)
          Name = static_cast<const TText&>(Node).Text()[0];
        if (IsLetter(Name)) Leaves.emplace_back(&Node, Name);
      },
      nullptr);
  return Leaves;
}

void AssignPoint(const TLetterLeaves& Leaves, const TSamplePoint& Point) {
  for (const auto& [Leaf, Name] : Leaves) Leaf->SetValue(Name, Point.Values[static_cast<unsigned char>(Name)]);
}

// Relative agreement, absolute for values below 1.
bool Agree(long double X, long double Y) {
  if (X == Y) return true;
  const long double Scale = std::fmax(1.0L, std::fmax(std::fabs(X), std::fabs(Y)));
  return std::fabs(X - Y) <= Tolerance * Scale;  // false for NaN
}
}  // namespace

int SamplePointCount() { return PointCount; }

long double SampleValue(int Point, char Letter) {
  return SamplePoints()[static_cast<std::size_t>(Point)].Values[static_cast<unsigned char>(Letter)];
}

bool TTerm::IsEquivalent(TTerm& A, TTerm& B) {
  const TLetterLeaves LeavesA = LetterLeaves(A);
  const TLetterLeaves LeavesB = LetterLeaves(B);
  for (const TSamplePoint& Point : SamplePoints()) {
    AssignPoint(LeavesA, Point);
    AssignPoint(LeavesB, Point);
    const long double VA = A.Evaluate();
    if (!Agree(VA, B.Evaluate())) return false;
  }
  return true;
}
