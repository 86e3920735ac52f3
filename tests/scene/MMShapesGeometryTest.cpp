#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "scene/MMBoxGeometry.h"
#include "scene/MMFormsGeometry.h"
#include "scene/MMShapesGeometry.h"

namespace {

using Pts = std::vector<TPoint>;

TEST(MMShapeTypes, DefaultsAndIdents) {
  EXPECT_STREQ(ShapeDefaults(stString).ClassName, "TSString");
  EXPECT_EQ(ShapeDefaults(stString).Points[0], 0);
  EXPECT_EQ(ShapeDefaults(stLine).Points[1], -1);
  EXPECT_EQ(ShapeDefaults(stHalfEllipse).PointCount, 3);
  const TShapeDefaults& Box = ShapeDefaults(stCheckBox);
  EXPECT_TRUE(Box.Sensible && Box.Visible && Box.Movable);
  const TShapeDefaults& Dyna = ShapeDefaults(stDynaLine);
  EXPECT_TRUE(Dyna.Sensible && !Dyna.Movable);
  for (int I = 0; I < ShapeTypeCount; ++I) {
    TShapeType T = stNone;
    ASSERT_TRUE(IdentToShapeType(ShapeTypeToIdent(static_cast<TShapeType>(I)), T));
    EXPECT_EQ(T, I);
  }
  TFormKind F = sfSphere;
  EXPECT_TRUE(IdentToFormKind("sfTacho", F));
  EXPECT_EQ(F, sfTacho);
  TLineEnd L = leNone;
  EXPECT_FALSE(IdentToLineEnd("leBoth", L));
  EXPECT_EQ(MarkerTypeToIdent(mtCircle), std::string("mtCircle"));
}

TEST(MMShapesGeometry, PointPosOfMissingPointIsTheOrigin) {
  TMMPoints Points;
  Points.Add().SetX(10);
  TMMPoint& P = Points.Add();
  P.SetY(5);
  P.SetOrigin(0);
  EXPECT_EQ(PointPos(Points, 1), Point(10, 5));
  EXPECT_EQ(PointPos(Points, 2), Point(0, 0));
  EXPECT_EQ(PointPos(Points, -1), Point(0, 0));
}

TEST(MMShapesGeometry, HitTests) {
  const TPoint P{100, 50};
  const TPoint A{10, 10};
  const TPoint B{20, 20};
  struct Case {
    const char* What;
    bool Hit;
    bool Expected;
  } Cases[] = {
      {"one point, corner", HitOnePoint(P, 104, 46), true},
      {"one point, beyond", HitOnePoint(P, 105, 50), false},
      {"hotspot, corner", HitHotspot(P, 92, 58), true},
      {"hotspot, beyond", HitHotspot(P, 100, 59), false},
      {"check box, left edge", HitCheckBox(P, 30, 92, 50), true},
      {"check box, caption end", HitCheckBox(P, 30, 146, 58), true},
      {"check box, past caption", HitCheckBox(P, 30, 147, 50), false},
      {"rectangle, mirrored corner", HitAroundFirstCorner(A, B, 2, 2), true},
      {"rectangle, outside", HitAroundFirstCorner(A, B, -1, 10), false},
      {"text box, inside", HitTextBox(A, B, 20, 10), true},
      {"text box, left of A", HitTextBox(A, B, 9, 15), false},
      {"text box, corners swapped", HitTextBox(B, A, 15, 15), false},
      {"bounding box, corners swapped", HitBoundingBox(B, A, 15, 15), true},
      {"far away coordinates", HitOnePoint({INT_MAX, INT_MIN}, INT_MIN, INT_MAX), false},
  };
  for (const auto& C : Cases) EXPECT_EQ(C.Hit, C.Expected) << C.What;
}

TEST(MMShapesGeometry, LineEnds) {
  struct Case {
    TLineEnd Kind;
    TPoint From, Tip;
    Pts Expected;
  } Cases[] = {
      {leArrow, {0, 0}, {100, 0}, {{100, 0}, {90, 3}, {90, -3}, {100, 0}}},
      {leThinArrow, {0, 0}, {100, 0}, {{100, 0}, {90, 3}, {100, 0}, {90, -3}, {100, 0}}},
      {leArrow, {100, 0}, {0, 0}, {{0, 0}, {10, -3}, {10, 3}, {0, 0}}},
      {leArrow, {5, 50}, {5, 0}, {{5, 0}, {8, 10}, {2, 10}, {5, 0}}},
      {leNone, {0, 0}, {100, 0}, {}},
      {leArrow, {7, 7}, {7, 7}, {}},
  };
  for (const auto& C : Cases) EXPECT_EQ(LineEndPolyline(C.Kind, C.From, C.Tip), C.Expected) << LineEndToIdent(C.Kind);
}

TEST(MMShapesGeometry, Ticks) {
  const auto Along = TickSegments({0, 0}, {35, 0}, 10, 4);
  ASSERT_EQ(Along.size(), 4u);  // 0, 10, 20 and 30
  for (int I = 0; I < 4; ++I) EXPECT_EQ(Along[I], (TLineSegment{{10 * I, 4}, {10 * I, -4}}));
  const auto Down = TickSegments({5, 5}, {5, 26}, 10, 3);
  ASSERT_EQ(Down.size(), 3u);
  EXPECT_EQ(Down[2], (TLineSegment{{2, 25}, {8, 25}}));
  EXPECT_TRUE(TickSegments({0, 0}, {35, 0}, 0, 4).empty());
  EXPECT_EQ(TickSegments({3, 3}, {3, 3}, 10, 4).size(), 1u);
  EXPECT_EQ(TickSegments({INT_MIN, 0}, {INT_MAX, 0}, 1, 4).size(), static_cast<std::size_t>(MaxTicks));
}

TEST(MMShapesGeometry, OutlinesOfPoleHalfCircleAndCircle) {
  EXPECT_EQ(PolePolygon({0, 0}, {10, 0}, 5), (Pts{{-5, -5}, {-5, 5}, {15, 5}, {15, -5}}));
  EXPECT_TRUE(PolePolygon({4, 4}, {4, 4}, 5).empty());
  const Pts Half = HalfCirclePolygon({0, 0}, {10, 0});
  ASSERT_EQ(Half.size(), 13u);
  EXPECT_EQ(Half[0], Point(0, 10));
  EXPECT_EQ(Half[3], Point(7, 7));
  EXPECT_EQ(Half[6], Point(10, 0));
  EXPECT_EQ(Half[12], Point(0, -10));
  EXPECT_EQ(CircleRect({10, 10}, {13, 14}), Rect(5, 5, 15, 15));
}

TEST(MMShapesGeometry, SmallPartsAndTextPlaces) {
  EXPECT_EQ(HotspotFocusRect({20, 20}), Rect(12, 12, 27, 27));
  EXPECT_EQ(HandleFocusRect({20, 20}), Rect(14, 14, 27, 27));
  EXPECT_EQ(MarkerCross({20, 20})[0], (TLineSegment{{16, 20}, {23, 20}}));
  EXPECT_EQ(StringTextOrigin({50, 50}, {30, 13}, true), Point(20, 37));
  EXPECT_EQ(TextBoxTextOrigin({50, 50}, {31, 13}, true), Point(35, 44));
  EXPECT_EQ(ImageListOrigin({50, 50}, {16, 15}, false), Point(50, 50));
  const TCheckBoxGeometry G = CheckBoxGeometry({20, 20}, 13);
  EXPECT_EQ(G.Box, Rect(12, 12, 27, 27));
  EXPECT_EQ(G.CaptionAt, Point(35, 14));
  EXPECT_EQ(G.Light[1], Point(26, 26));
  EXPECT_EQ(G.Cross[1], (TLineSegment{{23, 15}, {15, 23}}));
}

TEST(MMShapesGeometry, OnePointDragIgnoresMissingPoints) {
  TMMPoints Points;
  TMMPoint& P = Points.Add();
  int Calls = 0;
  P.SetOnDragging([&](void*) { ++Calls; });
  OnePointDrag(Points, 7, nullptr, 30, 40);
  EXPECT_EQ(Calls, 0);
  OnePointDrag(Points, 0, nullptr, 30, 40);
  EXPECT_EQ(P.Effective(), Point(30, 40));
}

TEST(MMShapesGeometry, DynaLineSelectsGrabsAndDrags) {
  TMMPoints Points;
  TMMPoint& A = Points.Add();
  A.SetX(10);
  A.SetY(10);
  TMMPoint& B = Points.Add();
  B.SetX(50);
  B.SetY(30);
  TDynaLineGrip Grip;
  Grip.SetSelected(false);
  EXPECT_FALSE(Grip.HitTest({10, 10}, {50, 30}, 60, 20));
  EXPECT_TRUE(Grip.HitTest({10, 10}, {50, 30}, 40, 12));  // in the bounding box: selects
  EXPECT_TRUE(Grip.Selected());
  EXPECT_EQ(Grip.Grabbed(), -1);

  struct Case {
    TPoint Mouse;
    int Handle;
  } Grabs[] = {{{4, 16}, 0}, {{56, 24}, 1}, {{30, 20}, 2}, {{40, 12}, -1}};
  for (const auto& C : Grabs) {
    EXPECT_EQ(Grip.HitTest({10, 10}, {50, 30}, C.Mouse.X, C.Mouse.Y), C.Handle >= 0);
    EXPECT_EQ(Grip.Grabbed(), C.Handle);
  }
  Grip.Drag(Points, 0, 1, nullptr, 0, 0);  // nothing grabbed
  EXPECT_EQ(A.Effective(), Point(10, 10));

  ASSERT_TRUE(Grip.HitTest({10, 10}, {50, 30}, 30, 20));
  A.SetOnTryToDrag([](void*, int& X, int&) { X = 40; });  // the whole line follows the changed target
  Grip.Drag(Points, 0, 1, nullptr, 35, 25);
  EXPECT_EQ(A.Effective(), Point(20, 15));
  EXPECT_EQ(B.Effective(), Point(60, 35));

  ASSERT_TRUE(Grip.HitTest({20, 15}, {60, 35}, 60, 35));
  Grip.Drag(Points, 0, 1, nullptr, 70, 70);
  EXPECT_EQ(A.Effective(), Point(20, 15));
  EXPECT_EQ(B.Effective(), Point(70, 70));
}

TEST(MMFormsGeometry, SimplePictures) {
  using K = TFormPartKind;
  using P = TFormPaint;
  const TPoint A{0, 0};
  const TPoint B{40, 60};  // the smaller extent 40 sizes all four
  struct Case {
    TFormKind Kind;
    std::vector<TFormPart> Expected;
  } Cases[] = {
      {sfSphere, {{K::Ellipse, P::Shape, {{0, 0}, {40, 40}}}, {K::Ellipse, P::Highlight, {{10, 10}, {20, 20}}}}},
      {sfCylinder,
       {{K::Rectangle, P::Shape, {{0, 0}, {40, 60}}}, {K::Rectangle, P::Highlight, {{10, 1}, {20, 60}}}}},
      {sfRhombo,
       {{K::Polygon, P::Shape, {{0, 20}, {20, 0}, {40, 20}, {20, 40}}},
        {K::Polygon, P::Highlight, {{10, 20}, {20, 10}, {20, 20}}}}},
      {sfKegel,
       {{K::Polygon, P::Shape, {{0, 60}, {20, 0}, {40, 60}}},
        {K::Polygon, P::Highlight, {{10, 60}, {20, 0}, {20, 60}}}}},
  };
  for (const auto& C : Cases) EXPECT_EQ(FormParts(C.Kind, A, B, 0), C.Expected) << FormKindToIdent(C.Kind);
}

TEST(MMFormsGeometry, Vehicles) {
  using K = TFormPartKind;
  using P = TFormPaint;
  const std::vector<TFormPart> Lorry = {
      {K::Polygon, P::Shape, {{0, 40}, {100, 40}, {100, 25}, {90, 0}, {70, 0}, {70, 25}, {0, 25}}},
      {K::Ellipse, P::Wheel, {{16, 35}, {31, 50}}},
      {K::Ellipse, P::Wheel, {{70, 35}, {85, 50}}}};
  EXPECT_EQ(FormParts(sfLKW, {0, 0}, {101, 51}, 0), Lorry);
  const std::vector<TFormPart> Van = {
      {K::Polygon, P::Shape, {{0, 38}, {152, 38}, {161, 50}, {161, 67}, {152, 83}, {0, 83}}},
      {K::Polygon, P::Shape, {{80, 38}, {80, 0}, {112, 0}, {128, 38}, {118, 38}, {102, 10}, {90, 10}, {90, 38}}},
      {K::Rectangle, P::Highlight, {{1, 50}, {160, 55}}},
      {K::Line, P::SolidLine, {{81, 38}, {81, 83}}},
      {K::Ellipse, P::SolidWheel, {{17, 67}, {51, 101}}},
      {K::Ellipse, P::SolidWheel, {{110, 67}, {144, 101}}}};
  EXPECT_EQ(FormParts(sfVan, {0, 0}, {161, 101}, 0), Van);
}

TEST(MMFormsGeometry, Speedometer) {
  const auto Parts = FormParts(sfTacho, {0, 0}, {100, 100}, 100);
  ASSERT_EQ(Parts.size(), 13u);  // dial, eleven ticks, needle
  EXPECT_EQ(Parts[0].Paint, TFormPaint::Dial);
  EXPECT_EQ(Parts[0].Points, (Pts{{0, 0}, {100, 100}}));
  EXPECT_EQ(Parts[1].Points, (Pts{{25, 73}, {14, 84}}));  // first major tick, lower left
  EXPECT_EQ(Parts[6].Points, (Pts{{49, 15}, {49, 0}}));   // middle tick, straight up
  EXPECT_EQ(Parts[2].Points[0], Point(13, 61));           // minor ticks start further out
  EXPECT_EQ(Parts[12].Paint, TFormPaint::Needle);
  EXPECT_EQ(Parts[12].Points, (Pts{{49, 49}, {49, 1}}));  // vertical at 100
  EXPECT_EQ(FormParts(sfTacho, {0, 0}, {100, 100}, 0)[12].Points[1], Point(15, 83));
}

}  // namespace

namespace {

TEST(MMBoxGeometry, SnapAndClamp) {
  const TGridSpacing Grid;
  EXPECT_EQ(SnapToGrid({23, 40}, Grid), (TPoint{16, 48}));
  EXPECT_EQ(SnapToGrid({24, 40}, Grid), (TPoint{32, 48}));
  EXPECT_EQ(SnapToGrid({16, 16}, Grid), (TPoint{16, 16}));
  EXPECT_EQ(SnapToGrid({7, 7}, {0, 0, 0, 8}), (TPoint{7, 8}));  // size 0: that axis stays
  EXPECT_EQ(ClampToMargin({2, 300}, 301, 257), (TPoint{5, 252}));
  EXPECT_EQ(ClampToMargin({297, -4}, 301, 257), (TPoint{296, 5}));
  EXPECT_EQ(ClampToMargin({INT_MIN, INT_MAX}, 8, 8), (TPoint{5, 3}));
}

TEST(MMBoxGeometry, GridPointsCoverTheBox) {
  const auto Points = GridPoints(50, 40, TGridSpacing{});
  // Columns 16, 32, 48 (0 .. (50 - 16) div 16), rows 16, 32.
  EXPECT_EQ(Points, (std::vector<TPoint>{{16, 16}, {16, 32}, {32, 16}, {32, 32}, {48, 16}, {48, 32}}));
  EXPECT_TRUE(GridPoints(50, 40, {16, 16, 0, 16}).empty());
  // Far-away offsets give no points outside, however many there would be.
  EXPECT_EQ(GridPoints(10, 10, {-1000000000, 0, 1, 5}).size(), 12u * 3u);
  EXPECT_EQ(GridCross({5, 5})[0], (TLineSegment{{4, 5}, {7, 5}}));
  const TSunkenFrame F = SunkenFrame(10, 8);
  EXPECT_EQ(F.Light[1], (TPoint{9, 7}));
  EXPECT_EQ(F.Dark[0], (TPoint{0, 8}));
}

}  // namespace
