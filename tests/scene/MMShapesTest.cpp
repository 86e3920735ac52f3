#include <gtest/gtest.h>

#include <QMetaProperty>
#include <memory>
#include <string>
#include <vector>

#include "scene/MMShapes.h"

namespace {

struct TCountingOwner : TShapeOwner {
  int Count = 0;
  void Changed() override { ++Count; }
};

TMMPoint& AddPoint(TMMPoints& Points, int X, int Y) {
  TMMPoint& P = Points.Add();
  P.SetX(X);
  P.SetY(Y);
  return P;
}

TEST(MMShapes, EveryKindCreatesItsClassWithItsDefaults) {
  // What the designs rely on, written out: the class of each kind, the
  // points it starts with and which shapes take part in hits and drags.
  const struct {
    TShapeType Kind;
    const char* ClassName;
    std::vector<int> Points;  // P1 ... (or Point for one-point shapes)
    bool Sensible, Movable;
  } Kinds[] = {
      {stMarker, "TSMarker", {-1}, false, false},
      {stHotspot, "TSHotspot", {-1}, true, true},
      {stLine, "TSLine", {-1, -1}, false, false},
      {stCircle, "TSCircle", {-1, -1}, false, false},
      {stRectangle, "TSRectangle", {-1, -1}, false, false},
      {stPole, "TSPole", {-1, -1}, false, false},
      {stGraphic, "TSGraphic", {0, 0}, false, false},
      {stText, "TSText", {0, 0}, false, false},
      {stTextBox, "TSTextBox", {0, 0}, false, false},
      {stImageListBMP, "TSImageListBMP", {-1}, false, false},
      {stEllipse, "TSEllipse", {-1, -1}, false, false},
      {stString, "TSString", {0}, false, false},
      {stTickedLine, "TSTickedLine", {-1, -1}, false, false},
      {stCircle1, "TSCircle1", {-1}, false, false},
      {stTriangle, "TSTriangle", {0, 0, 0}, false, false},
      {stDynaLine, "TSDynaLine", {-1, -1}, true, false},
      {stBitmap, "TSBitmap", {0}, false, false},
      {stBezier, "TSBezier", {-1, -1, -1, -1}, false, false},
      {stForm, "TSForm", {-1, -1}, false, false},
      {stQuadruPoint, "TSQuadruPoint", {-1, -1, -1, -1}, false, false},
      {stCheckBox, "TSCheckBox", {-1}, true, true},
      {stHalfEllipse, "TSHalfEllipse", {0, 0, 0}, false, false},
      {stHalfCircle, "TSHalfCircle", {-1, -1}, false, false},
  };
  EXPECT_EQ(std::size(Kinds), static_cast<std::size_t>(ShapeTypeCount - 1));
  auto None = CreateShape(stNone);
  ASSERT_TRUE(None);
  EXPECT_EQ(qobject_cast<TSShape*>(None.get()), nullptr);
  for (const auto& K : Kinds) {
    SCOPED_TRACE(K.ClassName);
    auto Shape = CreateShape(K.Kind);
    ASSERT_TRUE(Shape);
    EXPECT_STREQ(Shape->metaObject()->className(), K.ClassName);
    auto* S = qobject_cast<TSShape*>(Shape.get());
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->Sensible(), K.Sensible);
    EXPECT_TRUE(S->Visible());
    EXPECT_EQ(S->Movable(), K.Movable);
    const char* Names[] = {"P1", "P2", "P3", "P4"};
    if (K.Points.size() == 1) {
      EXPECT_EQ(S->property("Point").toInt(), K.Points[0]);
      EXPECT_FALSE(S->property("P1").isValid());
    } else {
      for (std::size_t P = 0; P < K.Points.size(); ++P) EXPECT_EQ(S->property(Names[P]).toInt(), K.Points[P]);
      if (K.Points.size() < 4) {
        EXPECT_FALSE(S->property(Names[K.Points.size()]).isValid());
      }
    }
  }
  TSTickedLine Ruler;
  EXPECT_EQ(Ruler.Distance(), 10);
  EXPECT_EQ(Ruler.TickSize(), 4);
  EXPECT_EQ(TSPole().Size(), 5);
  EXPECT_TRUE(TSTextBox().Centered());
  EXPECT_TRUE(TSDynaLine().Selected());
}

TEST(MMShapes, PublishedPropertiesInTheirOrder) {
  auto Names = [](const QObject& O) {
    std::vector<std::string> Result;
    const QMetaObject* M = O.metaObject();
    for (int I = QObject::staticMetaObject.propertyCount(); I < M->propertyCount(); ++I)
      Result.push_back(M->property(I).name());
    return Result;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(Names(TSMarker()), (V{"Sensible", "Visible", "Movable", "Point", "Kind", "Brush", "Pen"}));
  EXPECT_EQ(Names(TSTextBox()), (V{"Sensible", "Visible", "Movable", "P1", "P2", "Font", "Text", "Transparent", "Pen",
                                   "Brush", "Position", "Centered", "Term"}));
  EXPECT_EQ(Names(TSQuadruPoint()), (V{"Sensible", "Visible", "Movable", "P1", "P2", "P3", "P4", "Pen", "Brush"}));
  EXPECT_EQ(Names(TSCheckBox()), (V{"Sensible", "Visible", "Movable", "Point", "Checked", "Font", "Caption"}));
}

TEST(MMShapes, ChangesNotifyTheOwnerExceptSensibleAndMovable) {
  TCountingOwner Owner;
  TSLine Line(&Owner);
  Line.SetSensible(true);
  Line.SetMovable(true);
  EXPECT_EQ(Owner.Count, 0);
  Line.SetVisible(false);
  EXPECT_EQ(Owner.Count, 1);
  Line.Pen()->SetColor(clRed);  // the shape's own pen
  EXPECT_EQ(Owner.Count, 2);
  TPen Given;
  Given.SetWidth(3);
  Line.SetPen(&Given);  // copied, not taken
  EXPECT_EQ(Line.Pen()->Width(), 3);
  EXPECT_NE(Line.Pen(), &Given);
  EXPECT_GE(Owner.Count, 3);
  const int Before = Owner.Count;
  Line.SetP2(4);
  Line.SetLineEnd1(leArrow);
  EXPECT_EQ(Owner.Count, Before + 2);
}

TEST(MMShapes, OnlyTheIndicesOfTheShapeTakePoints) {
  TS2Point* Two = nullptr;
  TSLine Line;
  Two = &Line;
  Two->SetPoint(2, 7);
  Two->SetPoint(-1, 7);
  EXPECT_EQ(Line.P1(), -1);
  EXPECT_EQ(Line.P2(), -1);
  TSTriangle Triangle;
  Triangle.SetPoint(2, 7);
  Triangle.SetPoint(4, 9);
  EXPECT_EQ(Triangle.P3(), 7);
}

struct THitCase {
  const char* Name;
  TShapeType Kind;
  int X, Y;
  bool Hit;
};

TEST(MMShapes, HitTests) {
  TMMPoints Points;
  AddPoint(Points, 10, 10);  // 0
  AddPoint(Points, 20, 20);  // 1
  const THitCase Cases[] = {
      {"rectangle far corner of the doubled box", stRectangle, 2, 2, true},
      {"rectangle just outside", stRectangle, -1, 10, false},
      {"ellipse like a rectangle", stEllipse, 20, 0, true},
      {"form like a rectangle", stForm, 0, 20, true},
      {"pole like a rectangle", stPole, 31, 10, false},
      {"circle never", stCircle, 10, 10, false},
      {"half circle never", stHalfCircle, 10, 10, false},
      {"line never", stLine, 15, 15, false},
      {"text never", stText, 15, 15, false},
      {"text box inside", stTextBox, 20, 20, true},
      {"text box outside", stTextBox, 9, 15, false},
      {"marker within 4", stMarker, 14, 6, true},
      {"marker beyond 4", stMarker, 15, 10, false},
      {"hotspot within 8", stHotspot, 18, 2, true},
      {"hotspot beyond 8", stHotspot, 19, 10, false},
      {"string within 4", stString, 14, 14, true},
  };
  for (const THitCase& C : Cases) {
    auto Shape = CreateShape(C.Kind);
    auto* S = qobject_cast<TSShape*>(Shape.get());
    ASSERT_TRUE(S) << C.Name;
    S->setProperty("Point", 0);
    S->setProperty("P1", 0);
    S->setProperty("P2", 1);
    EXPECT_EQ(S->HitTest(C.X, C.Y, Points), C.Hit) << C.Name;
  }
}

TEST(MMShapes, CheckBoxHitTogglesAndTwoHitsRestore) {
  TMMPoints Points;
  AddPoint(Points, 50, 50);
  TCountingOwner Owner;
  TSCheckBox Box(&Owner);
  Box.SetPoint(0);
  Owner.Count = 0;
  EXPECT_TRUE(Box.HitTest(50, 50, Points));
  EXPECT_TRUE(Box.Checked());
  EXPECT_EQ(Owner.Count, 1);
  EXPECT_TRUE(Box.HitTest(42, 58, Points));
  EXPECT_FALSE(Box.Checked());
  // Beyond the box and the (initial 8 pixel) caption: no hit, no toggle.
  EXPECT_FALSE(Box.HitTest(50 + 17 + 8, 50, Points));
  EXPECT_FALSE(Box.Checked());
}

TEST(MMShapes, OnePointDragMovesThePointAndReportsTheShape) {
  TMMPoints Points;
  TMMPoint& Base = AddPoint(Points, 100, 100);
  TMMPoint& P = AddPoint(Points, 10, 0);
  P.SetOrigin(Base.ID());
  TSHotspot Spot;
  Spot.SetPoint(P.ID());
  void* TrySender = nullptr;
  void* DragSender = nullptr;
  P.SetOnTryToDrag([&](void* Sender, int& X, int&) {
    TrySender = Sender;
    X += 1;
  });
  P.SetOnDragging([&](void* Sender) { DragSender = Sender; });
  Spot.Drag(Points, 150, 120);
  EXPECT_EQ(P.AbsolutePosition(), (TPoint{151, 120}));
  EXPECT_EQ(TrySender, static_cast<void*>(static_cast<QObject*>(&Spot)));
  EXPECT_EQ(DragSender, TrySender);
}

TEST(MMShapes, DragOfAMissingPointDoesNothing) {
  TMMPoints Points;
  TMMPoint& P = AddPoint(Points, 10, 10);
  int Changes = 0;
  P.SetOnChanging([&](void*) { ++Changes; });
  TSMarker Marker;
  Marker.SetPoint(5);
  Marker.Drag(Points, 40, 40);
  TSMarker Unset;  // no point at all
  Unset.Drag(Points, 40, 40);
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(P.AbsolutePosition(), (TPoint{10, 10}));
}

TEST(MMShapes, DynaLineGrabsHandlesAndDragsEndsOrTheWholeLine) {
  TMMPoints Points;
  TMMPoint& A = AddPoint(Points, 10, 10);
  TMMPoint& B = AddPoint(Points, 50, 30);
  TSDynaLine Line;
  Line.SetP1(A.ID());
  Line.SetP2(B.ID());
  TAbsPointArray Handles;
  Line.GetHandles(Points, Handles);
  EXPECT_EQ(Handles, (TAbsPointArray{{10, 10}, {50, 30}, {30, 20}}));

  EXPECT_FALSE(Line.HitTest(40, 10, Points));  // selected: only handles hit
  EXPECT_EQ(Line.Grabbed(), -1);
  Line.Drag(Points, 0, 0);  // nothing grabbed: nothing moves
  EXPECT_EQ(A.AbsolutePosition(), (TPoint{10, 10}));

  ASSERT_TRUE(Line.HitTest(34, 24, Points));  // the middle handle
  EXPECT_EQ(Line.Grabbed(), 2);
  Line.Drag(Points, 40, 30);  // whole line by (10, 10)
  EXPECT_EQ(A.AbsolutePosition(), (TPoint{20, 20}));
  EXPECT_EQ(B.AbsolutePosition(), (TPoint{60, 40}));

  ASSERT_TRUE(Line.HitTest(61, 41, Points));
  EXPECT_EQ(Line.Grabbed(), 1);
  Line.Drag(Points, 70, 70);
  EXPECT_EQ(A.AbsolutePosition(), (TPoint{20, 20}));
  EXPECT_EQ(B.AbsolutePosition(), (TPoint{70, 70}));

  // Unselected, the bounding box selects the line.
  Line.SetSelected(false);
  EXPECT_TRUE(Line.HitTest(40, 60, Points));
  EXPECT_TRUE(Line.Selected());
}

TEST(MMShapes, WholeLineDragCarriesAChangedTargetToTheSecondEnd) {
  TMMPoints Points;
  TMMPoint& A = AddPoint(Points, 10, 10);
  TMMPoint& B = AddPoint(Points, 30, 10);
  A.SetOnTryToDrag([](void*, int&, int& Y) { Y = 20; });  // keeps the line on y = 20 - 0
  TSDynaLine Line;
  Line.SetP1(A.ID());
  Line.SetP2(B.ID());
  ASSERT_TRUE(Line.HitTest(20, 10, Points));
  Line.Drag(Points, 25, 50);
  EXPECT_EQ(A.AbsolutePosition(), (TPoint{15, 20}));
  EXPECT_EQ(B.AbsolutePosition(), (TPoint{35, 20}));
}

}  // namespace
