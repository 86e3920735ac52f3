#include <gtest/gtest.h>

#include "common/TextFootprints.h"

namespace {

using TPairs = std::vector<std::pair<std::size_t, std::size_t>>;

TEST(TextFootprints, OverlappingAndTouchingTextsCrowdEachOther) {
  const TRect Label{10, 10, 60, 26};
  struct TCase {
    TRect Other;
    bool Crowded;
  } Cases[] = {
      {{50, 12, 90, 30}, true},   // overlaps
      {{60, 10, 100, 26}, true},  // touches on the right
      {{10, 26, 60, 40}, true},   // touches below
      {{61, 10, 100, 26}, false}, // one pixel apart
      {{10, 27, 60, 40}, false},
      {{0, 0, 0, 0}, false},      // an empty footprint is nowhere
  };
  for (const TCase& C : Cases) {
    const TPairs Found = CrowdedFootprints({{"Label1", Label}, {"Edit1", C.Other}});
    EXPECT_EQ(!Found.empty(), C.Crowded) << C.Other.Left << "," << C.Other.Top;
  }
  // A wider gap asked for: one pixel apart is too close.
  EXPECT_EQ(CrowdedFootprints({{"Label1", Label}, {"Edit1", {61, 10, 100, 26}}}, 2), (TPairs{{0, 1}}));
}

TEST(TextFootprints, PartsOfOneControlNeverCrowdEachOther) {
  // The cells of one grid share their borders.
  const TPairs Found = CrowdedFootprints(
      {{"Grid", {0, 0, 30, 20}}, {"Grid", {30, 0, 60, 20}}, {"Label", {55, 5, 80, 15}}, {"Edit", {100, 0, 120, 20}}});
  EXPECT_EQ(Found, (TPairs{{1, 2}}));
}

}  // namespace
