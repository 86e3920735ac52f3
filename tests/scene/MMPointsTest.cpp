#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "scene/MMMath.h"
#include "scene/MMPoints.h"

namespace {

TMMPoint& AddAt(TMMPoints& Points, int X, int Y) {
  TMMPoint& P = Points.Add();
  P.SetX(X);
  P.SetY(Y);
  return P;
}

TEST(MMRound, TiesGoToEvenAndExtremesStayInRange) {
  struct Case {
    long double Value;
    int Expected;
  } Cases[] = {{0.5L, 0},       {1.5L, 2},          {2.5L, 2},         {-2.5L, -2},     {-3.5L, -4},
               {2.4999L, 2},    {-0.6L, -1},        {1e30L, INT_MAX},  {-1e30L, INT_MIN}, {NAN, 0}};
  for (const auto& C : Cases) EXPECT_EQ(RoundCoord(C.Value), C.Expected) << static_cast<double>(C.Value);
}

TEST(MMPoint, NewPointDefaults) {
  TMMPoints Points;
  TMMPoint& P0 = Points.Add();
  TMMPoint& P1 = Points.Add();
  EXPECT_EQ(P0.ID(), 0);
  EXPECT_EQ(P1.ID(), 1);
  EXPECT_EQ(P1.Name(), "P1");
  EXPECT_EQ(P1.Effective(), Point(0, 0));
  EXPECT_EQ(P1.Origin(), -1);
  EXPECT_EQ(P1.FixReference(), -1);
  EXPECT_EQ(P1.FixType(), ftNone);
  P1.SetName("");
  EXPECT_EQ(P1.Name(), "TMMPoint");
}

TEST(MMPoint, AbsolutePositionFollowsTheOriginChain) {
  TMMPoints Points;
  AddAt(Points, 0, 100);
  AddAt(Points, 0, 16).SetOrigin(0);
  TMMPoint& P2 = AddAt(Points, 0, 0);
  P2.SetOrigin(1);
  EXPECT_EQ(P2.AbsolutePosition(), Point(0, 116));
  Points[0].SetX(-7);  // no cached position anywhere
  EXPECT_EQ(P2.AbsolutePosition(), Point(-7, 116));
}

// The fixed value is captured from the stored coordinates when the kind is
// set; the coordinates written afterwards show how the constraint holds.
TEST(MMPoint, ConstraintsWithoutReference) {
  struct Case {
    TFixType Kind;
    TPoint BeforeKind, AfterKind;
    TPoint Expected;
  } Cases[] = {
      {ftNone, {1, 2}, {-3, 4}, {-3, 4}},
      {ftRadius, {30, 40}, {3, 0}, {50, 0}},
      {ftRadius, {30, 40}, {0, -1}, {0, -50}},
      {ftDirection, {10, 10}, {0, -20}, {14, 14}},
      {ftDirectionOffset, {0, 5}, {30, 40}, {0, 50}},
      {ftVector, {9, 9}, {-20, 30}, {-20, 30}},
      {ftInvertedVector, {9, 9}, {-20, 30}, {20, -30}},
      {ftX, {7, 3}, {100, 5}, {7, 5}},
      {ftY, {7, 3}, {100, 5}, {100, 3}},
      {ftHalfVector, {0, 0}, {-5, -7}, {-2, -4}},  // -2.5 and -3.5 go to the even neighbour
      {ftHalfVector, {0, 0}, {5, 3}, {2, 2}},
  };
  for (const auto& C : Cases) {
    TMMPoints Points;
    TMMPoint& P = AddAt(Points, C.BeforeKind.X, C.BeforeKind.Y);
    P.SetFixType(C.Kind);
    P.SetX(C.AfterKind.X);
    P.SetY(C.AfterKind.Y);
    EXPECT_EQ(P.Effective(), C.Expected) << FixTypeToIdent(C.Kind);
    EXPECT_EQ(P.StoredX(), C.AfterKind.X);  // writing never applies the constraint
  }
}

TEST(MMPoint, ParamVectorScalesAndTurnsTheOwnVector) {
  TMMPoints Points;
  TMMPoint& P = AddAt(Points, 10, 0);
  P.SetFixType(ftParamVector);
  P.SetFixParam1(2);
  P.SetFixParam2(90);
  EXPECT_EQ(P.Effective(), Point(0, 20));
  P.SetFixParam2(-45);
  EXPECT_EQ(P.Effective(), Point(14, -14));
}

TEST(MMPoint, ConstraintsWithReference) {
  struct Case {
    TFixType Kind;
    TPoint Stored, Reference;
    long double Param1, Param2;
    TPoint Expected;
  } Cases[] = {
      {ftNone, {-20, 30}, {20, 30}, 0, 0, {-20, 30}},
      {ftVector, {-20, 30}, {20, 30}, 0, 0, {20, 30}},
      {ftInvertedVector, {-20, 30}, {20, 30}, 0, 0, {-20, -30}},
      {ftHalfVector, {-20, 30}, {20, 30}, 0, 0, {10, 15}},
      {ftHalfVector, {0, 0}, {-5, -7}, 0, 0, {-2, -3}},  // truncation, not rounding
      {ftX, {1, 2}, {20, 30}, 0, 0, {20, 2}},
      {ftY, {1, 2}, {20, 30}, 0, 0, {1, 30}},
      {ftDirection, {0, 10}, {3, 4}, 0, 0, {6, 8}},
      {ftRadius, {0, -7}, {3, 4}, 0, 0, {0, -5}},
      {ftDirectionOffset, {0, 10}, {0, 5}, 0, 0, {-10, 0}},  // reference at 90°, own offset 90°
      {ftParamVector, {99, 99}, {3, 4}, 2, 0, {6, 8}},
      {ftParamVector, {99, 99}, {3, 4}, 2, 90, {-8, 6}},
  };
  for (const auto& C : Cases) {
    TMMPoints Points;
    AddAt(Points, C.Reference.X, C.Reference.Y);
    TMMPoint& P = AddAt(Points, C.Stored.X, C.Stored.Y);
    P.SetFixParam1(C.Param1);
    P.SetFixParam2(C.Param2);
    P.SetFixType(C.Kind);
    P.SetFixReference(0);
    EXPECT_EQ(P.Effective(), C.Expected) << FixTypeToIdent(C.Kind);
  }
}

TEST(MMPoint, ReferencesAreFollowedAtEveryRead) {
  TMMPoints Points;
  TMMPoint& C = AddAt(Points, 4, 6);
  TMMPoint& B = Points.Add();
  B.SetFixType(ftHalfVector);
  B.SetFixReference(C.ID());
  TMMPoint& A = AddAt(Points, 100, 100);
  A.SetFixType(ftInvertedVector);
  A.SetFixReference(B.ID());
  EXPECT_EQ(A.Effective(), Point(-2, -3));
  C.SetX(-9);
  EXPECT_EQ(A.Effective(), Point(4, -3));
  A.SetOrigin(C.ID());
  EXPECT_EQ(A.AbsolutePosition(), Point(-5, 3));
}

TEST(MMPoint, LongChainsOfBothLinks) {
  TMMPoints Points;
  AddAt(Points, 3, 5);
  for (int I = 1; I < 3000; ++I) {
    TMMPoint& P = Points.Add();
    P.SetFixType(ftVector);
    P.SetFixReference(I - 1);
    P.SetOrigin(I - 1);
  }
  const TMMPoint& Last = Points[Points.Count() - 1];
  EXPECT_EQ(Last.Effective(), Point(3, 5));
  EXPECT_EQ(Points[2000].AbsolutePosition(), Point(3 * 2001, 5 * 2001));
}

TEST(MMPoint, FixedValueComesFromTheCoordinatesAtTheTimeTheKindIsSet) {
  TMMPoints Points;
  TMMPoint& Late = Points.Add();  // kind before coordinates: the radius stays 0
  Late.SetFixType(ftRadius);
  Late.SetX(30);
  Late.SetY(40);
  EXPECT_EQ(Late.Effective(), Point(0, 0));
  TMMPoint& Loaded = AddAt(Points, 30, 40);  // the order of a stored table
  Loaded.SetFixType(ftRadius);
  EXPECT_EQ(Loaded.FixedValue(), 50);
  Loaded.SetFixType(ftVector);  // kinds without a fixed value keep the old one
  EXPECT_EQ(Loaded.FixedValue(), 50);
}

TEST(MMPoint, WritingTheAngle) {
  const TFixType Blocked[] = {ftDirection, ftVector, ftInvertedVector, ftDirectionOffset, ftHalfVector};
  const TFixType Free[] = {ftNone, ftRadius, ftX, ftY, ftParamVector};
  for (TFixType Kind : Blocked) {
    TMMPoints Points;
    TMMPoint& P = AddAt(Points, 10, 0);
    P.SetFixType(Kind);
    int Changes = 0;
    P.SetOnChanging([&](void*) { ++Changes; });
    P.SetPhiDegree(90);
    EXPECT_EQ(P.StoredX(), 10) << FixTypeToIdent(Kind);
    EXPECT_EQ(P.StoredY(), 0);
    EXPECT_EQ(Changes, 0);
  }
  for (TFixType Kind : Free) {
    TMMPoints Points;
    TMMPoint& P = AddAt(Points, 10, 0);
    P.SetFixType(Kind);
    P.SetFixParam1(1);
    P.SetPhiDegree(90);
    EXPECT_EQ(P.StoredX(), 0) << FixTypeToIdent(Kind);
    EXPECT_EQ(P.StoredY(), 10) << FixTypeToIdent(Kind);
  }
}

TEST(MMPoint, PolarReadsAndLengthWrite) {
  TMMPoints Points;
  TMMPoint& P = AddAt(Points, 3, -4);
  EXPECT_DOUBLE_EQ(static_cast<double>(P.R()), 5.0);
  EXPECT_NEAR(static_cast<double>(P.PhiDegree()), -53.130102354, 1e-8);
  P.SetR(10);
  EXPECT_EQ(P.Effective(), Point(6, -8));
  P.SetFixType(ftVector);  // the length may be written under every kind
  P.SetR(5);
  EXPECT_EQ(P.Effective(), Point(3, -4));
  P.SetPhiRadian(MMPi);
  EXPECT_EQ(P.Effective(), Point(3, -4));
}

TEST(MMPoint, ReferenceWrites) {
  TMMPoints Points;
  TMMPoint& A = Points.Add();
  TMMPoint& B = Points.Add();
  TMMPoint& C = Points.Add();
  B.SetOrigin(A.ID());
  C.SetOrigin(B.ID());
  C.SetFixReference(B.ID());
  int Changes = 0;
  C.SetOnChanging([&](void*) { ++Changes; });

  C.SetOrigin(C.ID());  // own ID: nothing happens
  C.SetFixReference(C.ID());
  EXPECT_EQ(C.Origin(), B.ID());
  EXPECT_EQ(C.FixReference(), B.ID());
  EXPECT_EQ(Changes, 0);

  A.SetOrigin(C.ID());  // would close A <- B <- C <- A
  EXPECT_EQ(A.Origin(), -1);
  B.SetFixReference(C.ID());  // would close B -> C -> B
  EXPECT_EQ(B.FixReference(), -1);
  A.SetFixReference(C.ID());  // the other kind of link: no cycle
  EXPECT_EQ(A.FixReference(), C.ID());

  C.SetOrigin(77);  // no such point: none
  EXPECT_EQ(C.Origin(), -1);
  C.SetFixReference(-1);
  EXPECT_EQ(C.FixReference(), -1);
  EXPECT_EQ(Changes, 2);
}

TEST(MMPoint, DeletedPointsLeaveNoReferenceBehind) {
  TMMPoints Points;
  AddAt(Points, 5, 5);
  TMMPoint& Gone = AddAt(Points, 50, 50);
  TMMPoint& P = AddAt(Points, 1, 1);
  P.SetOrigin(Gone.ID());
  P.SetFixType(ftVector);
  P.SetFixReference(Gone.ID());
  Points.Delete(1);
  EXPECT_EQ(P.Origin(), -1);
  EXPECT_EQ(P.FixReference(), -1);
  EXPECT_EQ(P.AbsolutePosition(), Point(1, 1));
  EXPECT_EQ(Points.Add().ID(), 3);  // IDs are never reused
  EXPECT_EQ(Points.FindByID(1), nullptr);
  EXPECT_EQ(Points.FindByID(2), &P);
}

TEST(MMPoint, ChangedNotifiesThePointThenTheScene) {
  TMMPoints Points;
  std::vector<std::string> Log;
  Points.SetOnInvalidate([&] { Log.push_back("scene"); });
  TMMPoint& P = Points.Add();
  P.SetOnChanging([&](void* Sender) { Log.push_back(Sender == &P ? "point" : "?"); });
  P.SetFixParam1(2);
  EXPECT_EQ(Log, (std::vector<std::string>{"point", "scene"}));
}

TEST(MMPoint, DragStep) {
  TMMPoints Points;
  AddAt(Points, 100, 100);
  TMMPoint& P = AddAt(Points, 10, 0);
  P.SetOrigin(0);
  int Shape = 0;
  std::vector<std::string> Log;
  P.SetOnTryToDrag([&](void* Sender, int& X, int& Y) {
    Log.push_back(Sender == &Shape ? "try" : "?");
    X += 1;
    Y = 150;
  });
  P.SetOnDragging([&](void* Sender) { Log.push_back(Sender == &Shape ? "dragging" : "?"); });
  P.SetOnChanging([&](void*) { Log.push_back("changed"); });
  int X = 129;
  int Y = 0;
  P.DragStep(&Shape, X, Y);
  EXPECT_EQ(Log, (std::vector<std::string>{"try", "changed", "changed", "dragging"}));
  EXPECT_EQ(X, 130);  // the handler's target goes back to the caller
  EXPECT_EQ(P.AbsolutePosition(), Point(130, 150));
  EXPECT_EQ(P.Effective(), Point(30, 50));

  X = 0;
  Y = 0;
  P.DragStep(&Shape, X, Y, Point(130, 100));  // target (1, 150), measured from the given position
  EXPECT_EQ(P.Effective(), Point(30 - 129, 50 + 50));
}

TEST(MMPoint, DragStepFollowsTheConstraint) {
  TMMPoints Points;
  TMMPoint& P = AddAt(Points, 30, 40);
  P.SetFixType(ftRadius);
  int X = 0;
  int Y = 60;
  P.DragStep(nullptr, X, Y);  // stays on the circle of radius 50
  EXPECT_EQ(P.Effective(), Point(0, 50));
  TMMPoint& Ray = AddAt(Points, 10, 10);
  Ray.SetFixType(ftDirection);
  X = 40;
  Y = 0;
  Ray.DragStep(nullptr, X, Y);  // stays on the diagonal
  EXPECT_EQ(Ray.Effective().X, Ray.Effective().Y);
}

TEST(MMPoint, AssignCopiesPositionNameAndOrigin) {
  TMMPoints Points;
  AddAt(Points, 1, 1);
  TMMPoint& Source = AddAt(Points, -5, 8);
  Source.SetFixType(ftInvertedVector);
  Source.SetName("Kugel");
  Source.SetOrigin(0);
  TMMPoint& Target = Points.Add();
  Target.SetFixType(ftY);
  TMMPoints Other;
  TMMPoint& Foreign = Other.Add();
  Foreign.Assign(Source);

  Target.Assign(Source);
  EXPECT_EQ(Target.StoredX(), 5);
  EXPECT_EQ(Target.StoredY(), -8);
  EXPECT_EQ(Target.Name(), "Kugel");
  EXPECT_EQ(Target.Origin(), 0);
  EXPECT_EQ(Target.FixType(), ftY);
  EXPECT_EQ(Foreign.Origin(), -1);  // the origin's ID is the own one in that collection
}

TEST(MMPoints, FindByNameAndGetPoints) {
  TMMPoints Points;
  Points.Add().SetName("Nagel");
  TMMPoint& Second = Points.Add();
  Second.SetName("Nagel");
  TMMPoint& Ball = Points.Add();
  Ball.SetName("Kugel");
  EXPECT_EQ(Points.FindByName("Nagel"), &Points[0]);
  EXPECT_EQ(Points.FindByName("kugel"), nullptr);
  EXPECT_EQ(Points.FindByName("P1"), nullptr);
  TPointArray Found{&Second};
  Points.GetPoints({"Kugel", "Boden", "Nagel"}, Found);
  EXPECT_EQ(Found, (TPointArray{&Ball, nullptr, &Points[0]}));
}

TEST(MMPoint, CenterDistanceAngle) {
  const TPoint Pts[] = {{-3, 4}, {0, 0}, {-2, 1}};
  EXPECT_EQ(TMMPoint::Center(Pts), Point(-1, 1));  // -5 / 3 truncates to -1
  EXPECT_EQ(TMMPoint::Center({}), Point(0, 0));
  TMMPoints Points;
  TMMPoint& A = AddAt(Points, 10, 10);
  TMMPoint& B = AddAt(Points, 3, 4);
  B.SetOrigin(A.ID());
  EXPECT_DOUBLE_EQ(static_cast<double>(A.Distance(B)), 5.0);
  EXPECT_NEAR(static_cast<double>(A.Angle(B)), std::atan2(4.0, 3.0), 1e-15);
}

TEST(MMPoint, FixTypeIdents) {
  for (int I = 0; I < FixTypeCount; ++I) {
    TFixType Kind = ftNone;
    ASSERT_TRUE(IdentToFixType(FixTypeToIdent(static_cast<TFixType>(I)), Kind));
    EXPECT_EQ(Kind, I);
  }
  TFixType Kind = ftX;
  EXPECT_FALSE(IdentToFixType("ftradius", Kind));
  EXPECT_EQ(FixTypeToIdent(static_cast<TFixType>(10)), nullptr);
}

}  // namespace

namespace {

TEST(MMPoints, AddWithGivenIDsKeepsThemOrdered) {
  TMMPoints Points;
  EXPECT_EQ(Points.Add(3).ID(), 3);
  EXPECT_THROW(Points.Add(3), std::invalid_argument);
  EXPECT_THROW(Points.Add(-1), std::invalid_argument);
  EXPECT_EQ(Points.Add().ID(), 4);
  EXPECT_EQ(Points.Add(9).ID(), 9);
  EXPECT_EQ(Points.FindByID(4)->Name(), "P4");
  EXPECT_EQ(Points.FindByID(9), &Points[2]);
}

}  // namespace
