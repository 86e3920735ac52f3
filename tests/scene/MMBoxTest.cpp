#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/Convert.h"
#include "platform/Dialogs.h"
#include "scene/MMBox.h"

namespace {

// A parent that paints itself in one colour.
class TColoredParent : public QWidget {
 public:
  explicit TColoredParent(QColor Fill) : FFill(Fill) { resize(200, 120); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), FFill); }

 private:
  QColor FFill;
};

TMMPointItem* AddPoint(TMMBox& Box, int X, int Y, int Origin = -1) {
  TMMPointItem* P = Box.MMPoints()->Add();
  P->SetX(X);
  P->SetY(Y);
  P->SetOrigin(Origin);
  return P;
}

template <class TShape>
TShape* AddObject(TMMBox& Box, TShapeType Kind, const char* Name) {
  TMMObject* O = Box.MMObjects()->Add();
  O->SetName(Name);
  O->SetShape(Kind);
  return qobject_cast<TShape*>(O->ShapeData());
}

void Send(QWidget& W, QEvent::Type Type, int X, int Y, Qt::MouseButton Button, Qt::MouseButtons Buttons,
          Qt::KeyboardModifiers Shift = Qt::NoModifier) {
  const QPointF Local(X, Y);
  QMouseEvent Event(Type, Local, W.mapToGlobal(Local), Button, Buttons, Shift);
  QApplication::sendEvent(&W, &Event);
}
void Press(QWidget& W, int X, int Y, Qt::MouseButton Button = Qt::LeftButton) {
  Send(W, QEvent::MouseButtonPress, X, Y, Button, Button);
}
void MoveHeld(QWidget& W, int X, int Y) { Send(W, QEvent::MouseMove, X, Y, Qt::NoButton, Qt::LeftButton); }
void Hover(QWidget& W, int X, int Y, Qt::KeyboardModifiers Shift = Qt::NoModifier) {
  Send(W, QEvent::MouseMove, X, Y, Qt::NoButton, Qt::NoButton, Shift);
}
void Release(QWidget& W, int X, int Y) { Send(W, QEvent::MouseButtonRelease, X, Y, Qt::LeftButton, Qt::NoButton); }

TColor PixelOf(const QImage& Image, int X, int Y) { return QRgbToTColor(Image.pixel(X, Y)); }

class MMBox : public ::testing::Test {
 protected:
  void SetUp() override {
    Box = std::make_unique<TMMBox>();
    Box->SetBounds(0, 0, 301, 257);
    Box->SetColor(clWhite);
  }
  QImage Grab() { return Box->grab().toImage(); }

  std::unique_ptr<TMMBox> Box;
};

TEST_F(MMBox, DragSnapsToTheGridAndStaysInsideTheMargin) {
  TMMPointItem* P = AddPoint(*Box, 100, 100);
  auto* Spot = AddObject<TSHotspot>(*Box, stHotspot, "Griff");
  Spot->SetPoint(P->ID());
  struct {
    bool Snap;
    int X, Y;
    TPoint Expected;
  } Cases[] = {
      {true, 23, 40, {16, 48}},
      {true, 24, 40, {32, 48}},
      {false, 2, 300, {5, 252}},
      {false, 400, -7, {296, 5}},
      {true, 2, 300, {16, 256}},  // snapping follows the clamping
  };
  for (const auto& C : Cases) {
    Box->SetSnap(C.Snap);
    const TPoint Start = P->AbsolutePosition();
    Press(*Box, Start.X, Start.Y);
    ASSERT_EQ(Box->Dragged(), Box->MMObjects()->Items(0));
    MoveHeld(*Box, C.X, C.Y);
    Release(*Box, C.X, C.Y);
    EXPECT_EQ(P->AbsolutePosition(), C.Expected) << C.X << "," << C.Y;
    EXPECT_EQ(Box->Dragged(), nullptr);
  }
}

TEST_F(MMBox, PagesHearPressMoveAndReleaseAfterTheBoxsOwnHandling) {
  TMMPointItem* P = AddPoint(*Box, 100, 100);
  AddObject<TSHotspot>(*Box, stHotspot, "Griff")->SetPoint(P->ID());
  std::vector<std::string> Log;
  auto Where = [&] {
    const TPoint At = P->AbsolutePosition();
    return " at " + std::to_string(At.X) + "," + std::to_string(At.Y) + (Box->Dragged() ? " dragging" : "");
  };
  Box->OnMouseDown = [&](QObject* Sender, int Button, int Shift, int X, int Y) {
    EXPECT_EQ(Sender, Box.get());
    Log.push_back("down " + std::to_string(Button) + " " + std::to_string(Shift) + " " + std::to_string(X) + "," +
                  std::to_string(Y) + Where());
  };
  Box->OnMouseMove = [&](QObject*, int Shift, int X, int Y) {
    Log.push_back("move " + std::to_string(Shift) + " " + std::to_string(X) + "," + std::to_string(Y) + Where());
  };
  Box->OnMouseUp = [&](QObject*, int Button, int Shift, int X, int Y) {
    Log.push_back("up " + std::to_string(Button) + " " + std::to_string(Shift) + " " + std::to_string(X) + "," +
                  std::to_string(Y) + Where());
  };
  Press(*Box, 100, 100);
  MoveHeld(*Box, 120, 130);
  Release(*Box, 121, 131);
  Send(*Box, QEvent::MouseButtonPress, 10, 10, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
  const std::vector<std::string> Expected = {
      "down 0 8 100,100 at 100,100 dragging",  // the drag has started
      "move 8 120,130 at 120,130 dragging",    // the point has moved
      "move 0 121,131 at 120,130 dragging",    // once more where the button came up
      "up 0 0 121,131 at 120,130",             // the drag is over
      "down 1 17 10,10 at 120,130",
  };
  EXPECT_EQ(Log, Expected);
}

TEST_F(MMBox, FirstSensibleVisibleHitWinsAndClicksIt) {
  for (int I = 0; I < 2; ++I) AddPoint(*Box, 10 + 10 * I, 10 + 10 * I);
  std::vector<QString> Clicked;
  auto AddRect = [&](const char* Name, bool Sensible, bool Visible) {
    auto* R = AddObject<TSRectangle>(*Box, stRectangle, Name);
    R->SetP1(0);
    R->SetP2(1);
    R->SetSensible(Sensible);
    R->SetVisible(Visible);
    TMMObject* O = Box->MMObjects()->Items(Box->MMObjects()->Count() - 1);
    O->OnClick = [&Clicked](QObject* Sender) { Clicked.push_back(qobject_cast<TMMObject*>(Sender)->Name()); };
  };
  AddRect("stumm", false, true);
  AddRect("versteckt", true, false);
  AddRect("unten", true, true);
  AddRect("oben", true, true);
  Box->MMObjects()->Add();  // no shape at all: neither drawn nor hit
  Press(*Box, 12, 12);
  Release(*Box, 12, 12);
  EXPECT_EQ(Clicked, std::vector<QString>{"unten"});
  // Not movable: the click starts no drag.
  Press(*Box, 12, 12);
  EXPECT_EQ(Box->Dragged(), nullptr);
  Release(*Box, 12, 12);
  Press(*Box, 200, 200);  // nothing there
  EXPECT_EQ(Clicked.size(), 2u);
}

TEST_F(MMBox, HoverShowsTheHandOnlyOverPlainHotspots) {
  AddPoint(*Box, 50, 50);
  AddPoint(*Box, 150, 50);
  AddObject<TSHotspot>(*Box, stHotspot, "Griff")->SetPoint(0);
  AddObject<TSCheckBox>(*Box, stCheckBox, "Haken")->SetPoint(1);
  Hover(*Box, 52, 48);
  EXPECT_EQ(Box->cursor().shape(), Qt::PointingHandCursor);
  Hover(*Box, 150, 50);
  EXPECT_NE(Box->cursor().shape(), Qt::PointingHandCursor);
  Hover(*Box, 52, 48, Qt::ShiftModifier);  // with a key held the cursor stays
  EXPECT_NE(Box->cursor().shape(), Qt::PointingHandCursor);
  Box->MMObjects()->Items(0)->SShape()->SetSensible(false);
  Hover(*Box, 52, 48);
  EXPECT_NE(Box->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MMBox, CheckBoxClickedTwiceIsAsBefore) {
  AddPoint(*Box, 50, 50);
  auto* Check = AddObject<TSCheckBox>(*Box, stCheckBox, "Haken");
  Check->SetPoint(0);
  for (bool Expected : {true, false}) {
    Press(*Box, 50, 50);
    Release(*Box, 50, 50);
    EXPECT_EQ(Check->Checked(), Expected);
  }
}

TEST_F(MMBox, MiddleButtonSaysAha) {
  std::vector<QString> Shown;
  TMessagePresenterScope Recorder([&](const TMessageRequest& R) {
    Shown.push_back(R.Text);
    return mrOk;
  });
  Press(*Box, 20, 20, Qt::MiddleButton);
  Press(*Box, 20, 20, Qt::LeftButton);
  EXPECT_EQ(Shown, std::vector<QString>{"Aha"});
}

TEST_F(MMBox, PaintsObjectsInOrderOverTheBackground) {
  Box->SetColor(clYellow);
  AddPoint(*Box, 10, 10);
  AddPoint(*Box, 60, 60);
  AddPoint(*Box, 40, 40);
  auto* Under = AddObject<TSRectangle>(*Box, stRectangle, "unten");
  Under->SetP1(0);
  Under->SetP2(1);
  Under->Brush()->SetColor(clRed);
  auto* Over = AddObject<TSCircle1>(*Box, stCircle1, "oben");
  Over->SetPoint(2);
  Over->SetRadius(5);
  Over->Brush()->SetColor(clBlue);
  const QImage Image = Grab();
  EXPECT_EQ(PixelOf(Image, 5, 5), clYellow);
  EXPECT_EQ(PixelOf(Image, 20, 20), clRed);
  EXPECT_EQ(PixelOf(Image, 40, 40), clBlue);
  Over->SetVisible(false);
  EXPECT_EQ(PixelOf(Grab(), 40, 40), clRed);
}

TEST_F(MMBox, RefillsTheBufferOnlyWhenDirty) {
  int Paints = 0;
  Box->OnCanvasPaint = [&](QObject* Sender, TCanvas* Canvas) {
    EXPECT_EQ(Sender, Box.get());
    ++Paints;
    Canvas->SetPixel(Paints, 1, clRed);  // a new dot at every paint
  };
  QImage Image = Grab();
  EXPECT_FALSE(Box->Dirty());
  Image = Grab();
  EXPECT_EQ(Paints, 2);
  // Not refilled: both dots are there.
  EXPECT_EQ(PixelOf(Image, 1, 1), clRed);
  EXPECT_EQ(PixelOf(Image, 2, 1), clRed);
  Box->Invalidate();
  EXPECT_TRUE(Box->Dirty());
  Image = Grab();
  EXPECT_EQ(PixelOf(Image, 1, 1), clWhite);
  EXPECT_EQ(PixelOf(Image, 3, 1), clRed);
  // Any change of a point, an object or a shape makes it dirty again.
  AddPoint(*Box, 1, 1);
  EXPECT_TRUE(Box->Dirty());
  Grab();
  Box->MMPoints()->Items(0)->SetX(5);
  EXPECT_TRUE(Box->Dirty());
  Grab();
  Box->Grid()->SetXSize(8);
  EXPECT_TRUE(Box->Dirty());
}

TEST_F(MMBox, UnbufferedBoxPaintsStraightOntoTheScreen) {
  Box->SetDoubleBuffered(false);
  AddPoint(*Box, 10, 10);
  AddPoint(*Box, 30, 30);
  auto* R = AddObject<TSRectangle>(*Box, stRectangle, "Feld");
  R->SetP1(0);
  R->SetP2(1);
  R->Brush()->SetColor(clLime);
  TCanvas* Seen = nullptr;
  Box->OnCanvasPaint = [&](QObject*, TCanvas* Canvas) { Seen = Canvas; };
  const QImage Image = Grab();
  EXPECT_EQ(PixelOf(Image, 20, 20), clLime);
  EXPECT_NE(Seen, nullptr);
}

TEST_F(MMBox, SunkenFrameAndGrid) {
  Box->SetCtl3D(true);
  Box->Grid()->SetVisible(true);
  Box->Grid()->SetColor(clRed);
  const QImage Image = Grab();
  EXPECT_EQ(PixelOf(Image, 0, 0), clBlack);
  EXPECT_EQ(PixelOf(Image, 0, 100), clBlack);
  EXPECT_EQ(PixelOf(Image, 100, 0), clBlack);
  EXPECT_EQ(PixelOf(Image, 300, 100), clWhite);
  EXPECT_EQ(PixelOf(Image, 100, 256), clWhite);
  // A plus at every grid point: 15 .. 17 across, 15 .. 17 down.
  for (auto [X, Y] : {std::pair{15, 16}, {16, 16}, {17, 16}, {16, 15}, {16, 17}, {32, 48}})
    EXPECT_EQ(PixelOf(Image, X, Y), clRed) << X << "," << Y;
  EXPECT_EQ(PixelOf(Image, 18, 16), clWhite);
  EXPECT_EQ(PixelOf(Image, 17, 17), clWhite);
}

TEST_F(MMBox, TransparentBoxShowsTheParentWhereTheSceneIsWhite) {
  TColoredParent Parent(QColor(0, 255, 255));  // aqua below
  auto* Scene = new TMMBox(&Parent);
  Scene->SetBounds(20, 20, 100, 60);
  Scene->SetColor(clRed);
  Scene->SetTransparent(true);
  TMMPointItem* A = AddPoint(*Scene, 10, 10);
  TMMPointItem* B = AddPoint(*Scene, 40, 40);
  auto* R = AddObject<TSRectangle>(*Scene, stRectangle, "Feld");
  R->SetP1(A->ID());
  R->SetP2(B->ID());
  R->Brush()->SetColor(clYellow);
  const QImage Image = Parent.grab().toImage();
  EXPECT_EQ(PixelOf(Image, 5, 5), clAqua);    // beside the box
  EXPECT_EQ(PixelOf(Image, 90, 70), clAqua);  // the box's white background
  EXPECT_EQ(PixelOf(Image, 45, 45), clLime);  // yellow AND aqua
  EXPECT_EQ(PixelOf(Image, 30, 30), clBlack);  // the outline

  Scene->SetTransparent(false);
  const QImage Opaque = Parent.grab().toImage();
  EXPECT_EQ(PixelOf(Opaque, 90, 70), clRed);
  EXPECT_EQ(PixelOf(Opaque, 45, 45), clYellow);
}

TEST_F(MMBox, TryToDragCanRedirectAndDraggingReportsTheShape) {
  TMMPointItem* P = AddPoint(*Box, 100, 100);
  auto* Spot = AddObject<TSHotspot>(*Box, stHotspot, "Griff");
  Spot->SetPoint(P->ID());
  QObject* TrySender = nullptr;
  int Dragged = 0;
  P->OnTryToDrag = [&](QObject* Sender, int& X, int& Y) {
    TrySender = Sender;
    Y = 100;  // only sideways
    (void)X;
  };
  P->OnDragging = [&](QObject*) { ++Dragged; };
  int Changes = 0;
  P->OnChanging = [&](QObject* Sender) {
    EXPECT_EQ(Sender, P);
    ++Changes;
  };
  Press(*Box, 100, 100);
  MoveHeld(*Box, 150, 20);
  EXPECT_EQ(P->AbsolutePosition(), (TPoint{150, 100}));
  EXPECT_EQ(TrySender, Spot);
  EXPECT_EQ(Dragged, 1);
  EXPECT_EQ(Changes, 2);  // X and Y written
}

TEST_F(MMBox, PointsAndObjectsByNameAndID) {
  AddPoint(*Box, 1, 2)->SetName("A");
  AddPoint(*Box, 3, 4)->SetName("B");
  EXPECT_EQ(Box->MMPoints()->Items(1)->Name(), "B");
  EXPECT_EQ(Box->MMPoints()->FindByName("B")->ID(), 1);
  EXPECT_EQ(Box->MMPoints()->FindByName("b"), nullptr);
  EXPECT_EQ(Box->Points().FindByName("A")->ID(), 0);
  EXPECT_EQ(Box->MMPoints()->Add()->Name(), "P2");

  AddObject<TSLine>(*Box, stLine, "Eins");
  AddObject<TSLine>(*Box, stLine, "Zwei");
  TMMObject* Plain = Box->MMObjects()->Add();
  EXPECT_EQ(Plain->Name(), "TMMObject");
  EXPECT_EQ(Plain->ShapeData(), nullptr);
  EXPECT_EQ(Box->MMObjects()->FindByName("Zwei")->ID(), 1);
  Box->MMObjects()->SetVisible({0, 1, 2, 7}, false);
  EXPECT_FALSE(Box->MMObjects()->Items(0)->SShape()->Visible());
  EXPECT_FALSE(Box->MMObjects()->Items(1)->SShape()->Visible());
}

TEST_F(MMBox, CorePointsFollowTheItemsThroughDeleteAndClear) {
  for (int I = 0; I < 3; ++I) AddPoint(*Box, I, I);
  Box->MMPoints()->Delete(1);
  ASSERT_EQ(Box->Points().Count(), 2);
  EXPECT_EQ(Box->Points()[1].ID(), 2);
  EXPECT_EQ(Box->MMPoints()->Add()->ID(), 3);
  EXPECT_EQ(Box->Points()[2].ID(), 3);
  Box->MMPoints()->Clear();
  EXPECT_EQ(Box->Points().Count(), 0);
  TMMPointItem* Fresh = AddPoint(*Box, 7, 8);
  EXPECT_EQ(Fresh->ID(), 0);
  EXPECT_EQ(Box->Points()[0].ID(), 0);
  EXPECT_EQ(Box->Points()[0].AbsolutePosition(), (TPoint{7, 8}));
}

TEST_F(MMBox, ChangingTheShapeKindMakesAFreshShape) {
  TMMObject* O = Box->MMObjects()->Add();
  O->SetShape(stLine);
  qobject_cast<TSLine*>(O->ShapeData())->SetP1(4);
  O->SetShape(stLine);
  EXPECT_EQ(qobject_cast<TSLine*>(O->ShapeData())->P1(), -1);
  O->SetShape(stNone);
  EXPECT_STREQ(O->ShapeData()->metaObject()->className(), "TCharge");
  EXPECT_EQ(O->SShape(), nullptr);
  O->SetShape(99);
  EXPECT_EQ(O->Shape(), stNone);
}

TEST_F(MMBox, AssignAndAddFromCopyPointsObjectsAndShapeValues) {
  TMMBox Source;
  AddPoint(Source, 0, 100)->SetName("Fuss");
  AddPoint(Source, 0, 16, 0);
  auto* Line = AddObject<TSTickedLine>(Source, stTickedLine, "Lineal");
  Line->SetP1(0);
  Line->SetP2(1);
  Line->SetDistance(7);
  Line->Pen()->SetColor(clRed);
  Line->SetMovable(true);
  int Clicks = 0;
  Source.MMObjects()->Items(0)->OnClick = [&](QObject*) { ++Clicks; };

  AddPoint(*Box, 5, 5);
  Box->AddFrom(Source);
  ASSERT_EQ(Box->MMPoints()->Count(), 3);
  EXPECT_EQ(Box->MMPoints()->Items(1)->Name(), "Fuss");
  EXPECT_EQ(Box->MMPoints()->Items(2)->Origin(), 0);  // the source's ID, as it was
  ASSERT_EQ(Box->MMObjects()->Count(), 1);
  TMMObject* Copy = Box->MMObjects()->Items(0);
  EXPECT_EQ(Copy->Name(), "Lineal");
  auto* CopiedLine = qobject_cast<TSTickedLine*>(Copy->ShapeData());
  ASSERT_NE(CopiedLine, nullptr);
  EXPECT_NE(CopiedLine, Line);
  EXPECT_EQ(CopiedLine->Distance(), 7);
  EXPECT_EQ(CopiedLine->P2(), 1);
  EXPECT_TRUE(CopiedLine->Movable());
  EXPECT_EQ(CopiedLine->Pen()->Color(), clRed);
  EXPECT_NE(CopiedLine->Pen(), Line->Pen());
  Copy->OnClick(Copy);
  EXPECT_EQ(Clicks, 1);
}

TEST_F(MMBox, ObjectRemovedByItsClickHandlerIsNotDragged) {
  AddPoint(*Box, 50, 50);
  AddObject<TSHotspot>(*Box, stHotspot, "Griff")->SetPoint(0);
  TMMObjects* Objects = Box->MMObjects();
  Objects->Items(0)->OnClick = [Objects](QObject*) { Objects->Delete(0); };
  Press(*Box, 50, 50);
  EXPECT_EQ(Box->Dragged(), nullptr);
  MoveHeld(*Box, 80, 80);
  Release(*Box, 80, 80);
  EXPECT_EQ(Box->Points()[0].AbsolutePosition(), (TPoint{50, 50}));
}

}  // namespace
