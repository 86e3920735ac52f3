// Number line geometry: ticks, labelled marks, pointer and the value scale.
#include <gtest/gtest.h>

#include <climits>

#include "common/NumberFormat.h"
#include "components/BeamLayout.h"

namespace {
TBeamParams Wide() {
  TBeamParams P;
  P.Width = 700;
  return P;
}

TEST(XShapeBeam, DefaultsOnA700PixelBeam) {
  const TBeamLayout L = LayoutBeam(Wide());
  EXPECT_EQ(L.Mid, 10);
  EXPECT_EQ(L.Axis.From, (TPoint{0, 10}));
  EXPECT_EQ(L.Axis.To, (TPoint{700, 10}));
  EXPECT_EQ(L.HeadUpper.To, (TPoint{692, 2}));
  EXPECT_EQ(L.HeadLower.To, (TPoint{692, 18}));
  ASSERT_EQ(L.Marks.size(), 9u);
  ASSERT_EQ(L.Labels.size(), 9u);
  EXPECT_EQ(L.LastMark, 8);
  for (int K = 0; K <= 8; ++K) {
    EXPECT_EQ(L.Marks[K].From, (TPoint{80 * K, 6}));
    EXPECT_EQ(L.Marks[K].To, (TPoint{80 * K, 15}));
    // "%2.0f": two characters wide, no decimals.
    EXPECT_EQ(L.Labels[K].Text, " " + std::to_string(K));
    EXPECT_EQ(L.Labels[K].TopCentre, (TPoint{80 * K, 16}));
  }
  ASSERT_EQ(L.Ticks.size(), 172u);  // (700 - 16) div 4 = 171
  EXPECT_EQ(L.Ticks.back().From, (TPoint{684, 8}));
  EXPECT_EQ(L.Ticks.back().To, (TPoint{684, 13}));
  EXPECT_FALSE(L.HasPointer);  // the pointer 0 is not above the offset 0
}

TEST(XShapeBeam, LabelFormats) {
  SetDecimalSeparator(',');
  EXPECT_EQ(BeamLabel(2, 1), " 2");
  EXPECT_EQ(BeamLabel(12, 2), "12");
  EXPECT_EQ(BeamLabel(2.5, 5), "2,500");
  EXPECT_EQ(BeamLabel(-0.25, 6), "-0,2500");
}

TEST(XShapeBeam, MarkCountRatioAndOffset) {
  TBeamParams P = Wide();
  P.MarkCount = 3;
  P.MarkRatio = 0.5;
  P.MarkOffset = 10;
  P.LeftOffset = 20;
  P.MarkWidth = 4;
  const TBeamLayout L = LayoutBeam(P);
  ASSERT_EQ(L.Marks.size(), 9u);  // (700 - 16 - 20) div 80 = 8
  ASSERT_EQ(L.Labels.size(), 3u);
  EXPECT_EQ(L.Labels[0].Text, "10,00");
  EXPECT_EQ(L.Labels[1].Text, "11,50");
  EXPECT_EQ(L.Labels[1].TopCentre.X, 260);
  EXPECT_EQ(L.Ticks.front().From.X, 20);

  P.MarkCount = 0;  // labels every mark rather than dividing by zero
  EXPECT_EQ(LayoutBeam(P).Labels.size(), 9u);
}

TEST(XShapeBeam, PointerRange) {
  struct Case {
    double Pointer;
    bool Shown;
  } Cases[] = {{0, false}, {0.01, true}, {2.5, true}, {8, true}, {8.01, false}, {-1, false}};
  for (const Case& C : Cases) {
    TBeamParams P = Wide();
    P.Pointer = C.Pointer;
    EXPECT_EQ(LayoutBeam(P).HasPointer, C.Shown) << C.Pointer;
  }
  TBeamParams P = Wide();
  P.Pointer = 2.5;
  P.LeftOffset = 3;
  const TBeamLayout L = LayoutBeam(P);
  EXPECT_EQ(L.Pointer, (std::vector<TPoint>{{203, 11}, {199, 27}, {207, 27}}));
}

TEST(XShapeBeam, SwitchedOffParts) {
  TBeamParams P = Wide();
  P.TickDistance = 0;
  P.MarkSize = 0;
  P.Pointer = 1;
  const TBeamLayout L = LayoutBeam(P);
  EXPECT_TRUE(L.Ticks.empty());
  EXPECT_TRUE(L.Marks.empty());
  EXPECT_TRUE(L.Labels.empty());
  EXPECT_TRUE(L.HasPointer);  // the scale still exists without drawn marks

  P.MarkDistance = 0;
  EXPECT_FALSE(LayoutBeam(P).HasPointer);
  EXPECT_EQ(BeamValueAt(P, 123), P.MarkOffset);
}

TEST(XShapeBeam, ExtremeValuesStayBounded) {
  const int Odd[] = {INT_MIN, -1, 1, INT_MAX};
  for (int D : Odd)
    for (int Left : Odd) {
      TBeamParams P = Wide();
      P.TickDistance = D;
      P.MarkDistance = D;
      P.LeftOffset = Left;
      P.ArrowSize = Left;
      P.MarkCount = D;
      P.Pointer = 1e300;
      P.MarkRatio = 1e-300;
      const TBeamLayout L = LayoutBeam(P);
      EXPECT_LE(L.Ticks.size(), 10'000u);
      EXPECT_LE(L.Marks.size(), 10'000u);
    }
}

TEST(XShapeBeam, ValueAt) {
  TBeamParams P = Wide();
  EXPECT_DOUBLE_EQ(BeamValueAt(P, 200), 2.5);
  P.LeftOffset = 20;
  P.MarkRatio = 0.5;
  P.MarkOffset = 1;
  EXPECT_DOUBLE_EQ(BeamValueAt(P, 100), 1.5);
  EXPECT_DOUBLE_EQ(BeamValueAt(P, 0), 0.875);
}
}  // namespace
