#include "pages/aufgaben/VavoReverBoards.h"

namespace {
constexpr const char* Nil = nullptr;  // an empty cell

// clang-format off
constexpr TVavoLevel Levels[] = {
  {100, 1, 10, {
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, "x-a", "x+e", "x-c"},
    {Nil, Nil, Nil, Nil, Nil, "x+b", "5*d-x", "x-b"},
    {Nil, Nil, Nil, Nil, Nil, "x+c", "x-e", "x+a"},
  }},
  {150, 1, 20, {
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, Nil, Nil, Nil},
    {Nil, Nil, Nil, Nil, Nil, "50-x", "x-d", "x+c"},
    {Nil, Nil, Nil, Nil, Nil, "x-a", "x^2/30", "x-b"},
    {Nil, Nil, Nil, Nil, Nil, "x+b", "x-e", "x+a"},
  }},
  {200, 4, 30, {
    {"x*a", "x+b",    "x-e", "x+b", "x-c",   "x+b", "x-a",    "x-b"},
    {"x+a", "x+e",    "x-a", "x+y", "2*x-y", "x+y", "x-3",    "x-y"},
    {"x-a", "x+y",    "x/2", "x+e", "x+3",   "x+b", "x-1",    "x-e"},
    {"x+a", "x/0,5",  "x+y", "x+c", "y-x",   "x+y", "x-c",    "x-d"},
    {"x*2", "x+b",    "x+c", "x+d", "x+e",   "x-a", "x-b",    "x-c"},
    {"x+b", "x-a",    "x+e", "x+b", "2*y-x", "x+b", "x+a",    "x-b"},
    {"x-b", "x-y",    "x+b", "x+a", "x+1",   "x+y", "x^2/40", "x-a"},
    {"x*a", "x+b",    "x-e", "x+b", "x-c",   "x+b", "x-e",    "x-b"},
  }},
  {1500, 6, 40, {
    {"x*a/10", "x+b",    "x-e",     "x+b",   "x-c",     "x+b",  "y^2/50",  "x-0,5*b"},
    {"x+a",    Nil,        "3*(x-y)", Nil,       Nil,         "20/x", "x-b^2/8", "0,5*x+a"},
    {"x-a",    "x^2/40", "x+3",     "x*c",   "y*x/10",  "x/y",  "x+a",     "x+e"},
    {"x+a",    "x-b",    "x+y",     "100-x", "x-a",     "x/2",  "x-0,5*y", "x-d"},
    {"x*2",    "x+b",    "x+c",     "x+2*d", "x+e",     "1/x",  "x^2/40",  "x-c"},
    {"x+b",    "b*x/10", "x+a",     "x*b",   "x+b",     "x^2",  "50-x",    "x-2*b"},
    {"x-b",    "e+x",    "x+1",     "x*a",   "100*c-x", "1/x",  "2*x-20",  "x+b"},
    {"x*a/10", "x+b",    "x-e",     "x+b",   "x-c",     "x+b",  "x-2*e",   "x+a"},
  }},
};
// clang-format on
}  // namespace

const TVavoLevel& VavoLevel(int Level) {
  if (Level < VavoFirstLevel || Level > VavoLastLevel) Level = VavoFirstLevel;
  return Levels[Level - VavoFirstLevel];
}
