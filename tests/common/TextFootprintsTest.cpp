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

TEST(TextFootprints, FramedBoxesMayTouchButNotOverlap) {
  const TRect Box{0, 0, 80, 39};
  EXPECT_TRUE(CrowdedFootprints({{"Cell1", Box, true}, {"Cell2", {0, 40, 80, 79}, true}}, 3).empty());
  EXPECT_TRUE(CrowdedFootprints({{"Cell1", Box, true}, {"Cell2", {80, 0, 160, 39}, true}}, 3).empty());
  EXPECT_EQ(CrowdedFootprints({{"Cell1", Box, true}, {"Cell2", {79, 0, 160, 39}, true}}, 3).size(), 1u);
  // A bare text next to a box keeps its distance.
  EXPECT_EQ(CrowdedFootprints({{"Cell1", Box, true}, {"Label", {81, 10, 120, 26}, false}}, 3).size(), 1u);
}

TEST(TextFootprints, PartsOfOneControlNeverCrowdEachOther) {
  // The cells of one grid share their borders.
  const TPairs Found = CrowdedFootprints(
      {{"Grid", {0, 0, 30, 20}}, {"Grid", {30, 0, 60, 20}}, {"Label", {55, 5, 80, 15}}, {"Edit", {100, 0, 120, 20}}});
  EXPECT_EQ(Found, (TPairs{{1, 2}}));
}

}  // namespace
