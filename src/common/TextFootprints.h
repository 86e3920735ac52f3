#pragma once
// Where the texts of a page lie, and which of them crowd each other: two
// texts of different controls that overlap or touch are hard to read.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "common/Types.h"

struct TTextFootprint {
  std::string Control;  // the name of the control that shows the text
  TRect Rect;           // what the text (or the framed field holding it) covers
  // A field, box or button whose frame keeps its text inside: two framed
  // footprints may touch (a board of boxes), they only must not overlap.
  bool Framed = false;
};

// The pairs (I, J), I < J, of footprints of different controls that are
// less than MinGap pixels apart (two framed ones: that overlap); MinGap 1
// finds overlapping and touching ones. In the order of I, then J.
std::vector<std::pair<std::size_t, std::size_t>> CrowdedFootprints(const std::vector<TTextFootprint>& Footprints,
                                                                   int MinGap = 1);
