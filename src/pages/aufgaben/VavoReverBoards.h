#pragma once
// The levels of the term calculator game: target, trail length, parameter
// range and the 8 × 8 board of cell terms (row 0 at the top, column 0 at the
// left; null for an empty cell).

struct TVavoLevel {
  // Points must exceed the target to win the level.
  int Target;
  // How many recently applied cells stay shown pressed.
  int TrailLength;
  // The range m of the random parameters a..e.
  int Range;
  const char* Board[8][8];
};

constexpr int VavoFirstLevel = 1;  // kept with the data; play starts at level 2
constexpr int VavoStartLevel = 2;
constexpr int VavoLastLevel = 4;

// Level 1 .. 4; other numbers give level 1.
const TVavoLevel& VavoLevel(int Level);
