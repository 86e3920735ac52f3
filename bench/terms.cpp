// Reading, evaluating and comparing the terms the course's games work with.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "terms/Terms.h"

// Heap allocations of the program (the benchmarks run on one thread), to
// show that evaluating allocates nothing.
namespace {
long GAllocations = 0;
}
void* operator new(std::size_t Size) {
  ++GAllocations;
  if (void* P = std::malloc(Size ? Size : 1)) return P;
  throw std::bad_alloc();
}
void operator delete(void* P) noexcept { std::free(P); }
void operator delete(void* P, std::size_t) noexcept { std::free(P); }

namespace {
// Tasks and expected answers of the binomial and factoring games.
const std::vector<std::pair<std::string, std::string>> GamePairs = {
    {"(3*a+4*b)^2", "9*a^2+24*a*b+16*b^2"},
    {"(12*c-7*d)^2", "144*c^2-168*c*d+49*d^2"},
    {"(5*x+9*y)*(5*x-9*y)", "25*x^2-81*y^2"},
    {"24*a*c+36*b*c", "12*c*(2*a+3*b)"},
    {"24*a-36*b", "12*(2*a-3*b)"},
    {"4*a^2+12*a*b+9*b^2", "(2*a+3*b)^2"},
    {"49*m^2-84*m*n+36*n^2", "(7*m-6*n)*(7*m-6*n)"},
    {"100*p^2-9*q^2", "(10*p+3*q)*(10*p-3*q)"},
};

// The cells of the calculator game's hardest board.
const std::vector<std::string> Board = {
    "x*a/10", "x+b",    "x-e",     "x+b",    "x-c",     "x+b",     "y^2/50",  "x-0,5*b",
    "x+a",    "3*(x-y)", "20/x",   "x-b^2/8", "0,5*x+a", "x-a",    "x^2/40",  "x+3",
    "x*c",    "y*x/10", "x/y",     "x+a",    "x+e",     "x+a",     "x-b",     "x+y",
    "100-x",  "x-a",    "x/2",     "x-0,5*y", "x-d",    "x*2",     "x+b",     "x+c",
    "x+2*d",  "x+e",    "1/x",     "x^2/40", "x-c",     "x+b",     "b*x/10",  "x+a",
    "x*b",    "x+b",    "x^2",     "50-x",   "x-2*b",   "x-b",     "e+x",     "x+1",
    "x*a",    "100*c-x", "1/x",    "2*x-20", "x+b",     "x*a/10",  "x+b",     "x-e",
    "x+b",    "x-c",    "x+b",     "x-2*e",  "x+a",
};

void BM_ParseTerm20Chars(benchmark::State& State) {
  const std::string Text = "9*a^2+24*a*b+16*b^2";  // 19 characters
  for (auto _ : State) benchmark::DoNotOptimize(TTerm::ParseTerm(Text));
  State.SetLabel(Text);
}
BENCHMARK(BM_ParseTerm20Chars);

void BM_ParseTermMalformed(benchmark::State& State) {
  const std::string Text = "(3*a+4*b)^2+0.5";
  for (auto _ : State) benchmark::DoNotOptimize(TTerm::ParseTerm(Text));
}
BENCHMARK(BM_ParseTermMalformed);

void BM_ParseTermBoardCell(benchmark::State& State) {
  for (auto _ : State)
    for (const auto& Cell : Board) benchmark::DoNotOptimize(TTerm::ParseTerm(Cell));
  State.SetItemsProcessed(State.iterations() * static_cast<long>(Board.size()));
}
BENCHMARK(BM_ParseTermBoardCell);

void BM_EvaluateGameTerm(benchmark::State& State) {
  std::vector<std::unique_ptr<TTerm>> Terms;
  for (const auto& [Task, Answer] : GamePairs) {
    Terms.push_back(TTerm::ParseTerm(Task));
    Terms.push_back(TTerm::ParseTerm(Answer));
  }
  for (auto& T : Terms)
    for (char C = 'a'; C <= 'z'; ++C) T->SetValue(C, 1.25L + (C - 'a') * 0.37L);
  const long Before = GAllocations;
  for (auto _ : State)
    for (const auto& T : Terms) benchmark::DoNotOptimize(T->Evaluate());
  State.SetItemsProcessed(State.iterations() * static_cast<long>(Terms.size()));
  State.counters["allocs_per_call"] =
      static_cast<double>(GAllocations - Before) / static_cast<double>(State.iterations() * Terms.size());
}
BENCHMARK(BM_EvaluateGameTerm);

void BM_EvaluateBoardStep(benchmark::State& State) {
  std::vector<std::unique_ptr<TTerm>> Cells;
  for (const auto& Cell : Board) Cells.push_back(TTerm::ParseTerm(Cell));
  const long Before = GAllocations;
  for (auto _ : State)
    for (auto& T : Cells) {
      for (int K = 0; K < 5; ++K) T->SetValue(static_cast<char>('a' + K), K + 3);
      T->SetValue('x', 12.5L);
      T->SetValue('y', 7);
      benchmark::DoNotOptimize(T->Evaluate());
    }
  State.SetItemsProcessed(State.iterations() * static_cast<long>(Cells.size()));
  State.counters["allocs_per_call"] =
      static_cast<double>(GAllocations - Before) / static_cast<double>(State.iterations() * Cells.size());
}
BENCHMARK(BM_EvaluateBoardStep);

void BM_IsEquivalentGamePair(benchmark::State& State) {
  std::vector<std::pair<std::unique_ptr<TTerm>, std::unique_ptr<TTerm>>> Pairs;
  for (const auto& [Task, Answer] : GamePairs) Pairs.emplace_back(TTerm::ParseTerm(Task), TTerm::ParseTerm(Answer));
  bool All = true;
  for (auto _ : State)
    for (auto& [A, B] : Pairs) All = TTerm::IsEquivalent(*A, *B) && All;
  if (!All) State.SkipWithError("a game pair was not equivalent");
  State.SetItemsProcessed(State.iterations() * static_cast<long>(Pairs.size()));
}
BENCHMARK(BM_IsEquivalentGamePair);

void BM_ParseAndCheckAnswer(benchmark::State& State) {
  for (auto _ : State) {
    auto Task = TTerm::ParseTerm("(3*a+4*b)^2");
    auto Answer = TTerm::ParseTerm("9*a^2+24*a*b+16*b^2");
    benchmark::DoNotOptimize(TTerm::IsEquivalent(*Task, *Answer));
  }
}
BENCHMARK(BM_ParseAndCheckAnswer);

void BM_ToString(benchmark::State& State) {
  auto T = TTerm::ParseTerm("((a+b)/(c-d))^(n+1)-0,5*x");
  for (auto _ : State) benchmark::DoNotOptimize(T->ToString());
}
BENCHMARK(BM_ToString);
}  // namespace

BENCHMARK_MAIN();
