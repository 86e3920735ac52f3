// The pages of the chapter "Interpretieren von Termen": what their course
// scripts cannot see. The motions of "Bewegungen" as numbers and as pixels
// of the drawing area, the colour the trial station of "Farben" shows, and
// a pupil typing into the masked colour fields.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "components/Beam.h"
#include "components/XShapes.h"
#include "pages/PageClasses.h"
#include "pages/interpretieren/INBewegung.h"
#include "pages/interpretieren/INEinfuhrung.h"
#include "pages/interpretieren/INfarben.h"
#include "pages/interpretieren/MotionRows.h"
#include "platform/MaskEdit.h"
#include "platform/PaintBox.h"
#include "platform/StdControls.h"
#include "platform/Timer.h"
#include "scene/PCPanel.h"
#include "support/MessageRecorder.h"
#include "terms/MMTerm.h"
#include "terms/Terms.h"

namespace {

void ClickAt(QWidget* W, QPoint At) {
  W->setFocus(Qt::MouseFocusReason);
  const QPointF Global = W->mapToGlobal(QPointF(At));
  QMouseEvent Press(QEvent::MouseButtonPress, QPointF(At), Global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(W, &Press);
  QMouseEvent Release(QEvent::MouseButtonRelease, QPointF(At), Global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(W, &Release);
}

void Key(QWidget* W, int Code, const QString& Text = {}) {
  QKeyEvent Press(QEvent::KeyPress, Code, Qt::NoModifier, Text);
  QApplication::sendEvent(W, &Press);
  QKeyEvent Release(QEvent::KeyRelease, Code, Qt::NoModifier, Text);
  QApplication::sendEvent(W, &Release);
}

void TypeText(QWidget* W, const QString& Text) {
  for (const QChar C : Text) Key(W, 0, QString(C));
}

TEST(MotionRows, DescribedInUnitsOfTheNumberLines) {
  EXPECT_EQ(MotionDescription(0, 4, 80), "Nach 0 s: Körper 1 bei 0; Körper 2 bei 7; Körper 3 bei 0; Körper 4 bei 0.");
  EXPECT_EQ(MotionDescription(2, 4, 80), "Nach 2 s: Körper 1 bei 1; Körper 2 bei 6,6; Körper 3 bei 0,5; Körper 4 bei 0,1.");
  EXPECT_EQ(MotionDescription(1, 4, 80),
            "Nach 1 s: Körper 1 bei 0,5; Körper 2 bei 6,8; Körper 3 bei 0,25; Körper 4 bei 0,025.");
}

TEST(MotionRows, PositionsInPixels) {
  // One unit of the number lines is 20 ticks of 4 pixels.
  EXPECT_EQ(MotionX(0, 0, 4), 0);
  EXPECT_EQ(MotionX(0, 18, 4), 720);  // 0,5 units a second
  EXPECT_EQ(MotionX(1, 0, 4), 560);   // starts at 7
  EXPECT_EQ(MotionX(1, 10, 4), 400);  // 0,2 units a second back
  EXPECT_EQ(MotionX(2, 8, 4), 160);   // 0,25 units a second
  EXPECT_EQ(MotionX(3, 10, 4), 200);  // 0,025 t^2 units, not scaled
  EXPECT_EQ(MotionX(3, 10, 8), 200);
  EXPECT_EQ(MotionX(0, 3, 2), 60);
}

TEST(MotionRows, TrailOfEverySecondThenTheCurrentSquares) {
  EXPECT_EQ(MotionMarkers(0, 4),
            (std::vector<TMotionMarker>{{0, 0, true}, {560, 78, true}, {0, 156, true}, {0, 234, true}}));
  const std::vector<TMotionMarker> End = MotionMarkers(MotionLastTick, 4);
  ASSERT_EQ(End.size(), 4u * 18 + 4);
  for (int Row = 0; Row < 4; ++Row) {
    for (int T = 0; T < 18; ++T)
      EXPECT_EQ(End[static_cast<size_t>(Row * 18 + T)], (TMotionMarker{MotionX(Row, T, 4), 78 * Row, false}));
    EXPECT_EQ(End[static_cast<size_t>(72 + Row)], (TMotionMarker{MotionX(Row, 18, 4), 78 * Row, true}));
  }
}

struct TPages : ::testing::Test {
  TMessageRecorder Seen;
  void SetUp() override { RegisterProgramClasses(); }
};

QImage Drawing(TfmINBewegung& Page) {
  auto* Box = Page.Component<TPaintBox>("PaintBox1");
  return Box->grab().toImage();
}

// Twice the area of a pixel polygon (shoelace).
long long DoubleArea(const std::vector<TPoint>& P) {
  long long Sum = 0;
  for (size_t I = 0; I < P.size(); ++I) {
    const TPoint& A = P[I];
    const TPoint& B = P[(I + 1) % P.size()];
    Sum += static_cast<long long>(A.X) * B.Y - static_cast<long long>(B.X) * A.Y;
  }
  return std::abs(Sum);
}

// The figure of "Geometrie" is drawn to scale: with the lengths read off
// its parts, each term gives exactly the area of the parts it marks, and a
// click anywhere inside a part reaches that part, even where the
// rectangles of two parts overlap.
TEST_F(TPages, GeometrieTermsAreTheAreasOfTheirParts) {
  auto Page = CreateForm<TfmINEinfuhrung>();
  Page->resize(736, 482);
  Page->show();
  QApplication::processEvents();
  auto Part = [&](int K) { return Page->Component<TXPolygon>(QStringLiteral("XPolygon%1").arg(K)); };
  const int A = Part(3)->width() - 1;
  const int D = Part(3)->height() - 1;
  const int B = Part(1)->width() - 1;
  const int C = Part(2)->height() - 1;
  EXPECT_EQ(Part(4)->height() - 1, C);  // the second c
  EXPECT_NE(A, B);
  EXPECT_NE(C, D);
  // The corner the figure lacks, right of the top part and above the two
  // triangles, is a square: the terms take its side as d for both of its
  // sides, and the figure says so with a "d" at each.
  EXPECT_EQ(B, D);
  const QRect Corner(Part(3)->x() + A, Part(3)->y(), B, D);
  int CornerLabels = 0;
  for (const TLabel* L : Page->findChildren<TLabel*>())
    if (L->Caption() == "d" && Corner.contains(L->geometry().center())) ++CornerLabels;
  EXPECT_EQ(CornerLabels, 2);
  const std::vector<std::vector<int>> Marked = {{2}, {4}, {1, 2}, {1, 5}, {1, 2, 3}, {4, 5}, {2, 3, 4}};
  for (size_t Stage = 0; Stage < Marked.size(); ++Stage) {
    const QString Caption = Page->Component<TMMTerm>(QStringLiteral("MMTerm%1").arg(Stage + 1))->Caption();
    std::unique_ptr<TTerm> Term = TTerm::ParseTerm(Caption.toStdString());
    Term->SetValue('a', A);
    Term->SetValue('b', B);
    Term->SetValue('c', C);
    Term->SetValue('d', D);
    long long Twice = 0;
    for (int K : Marked[Stage]) Twice += DoubleArea(Part(K)->PixelPoints());
    EXPECT_EQ(static_cast<long long>(2 * Term->Evaluate()), Twice) << Caption.toStdString();
  }
  auto* Panel = Page->Component<TPCPanel>("PCPanel1");
  for (int K = 1; K <= 5; ++K) {
    const std::vector<TPoint>& P = Part(K)->PixelPoints();
    int X = 0;
    int Y = 0;
    for (const TPoint& Q : P) {
      X += Q.X;
      Y += Q.Y;
    }
    const QPoint Centroid(X / static_cast<int>(P.size()), Y / static_cast<int>(P.size()));
    EXPECT_EQ(Panel->childAt(Part(K)->mapTo(Panel, Centroid)), Part(K)) << K;
  }
}

// The squares of one row in the drawing: counted by the colour of their
// centres, each square 6 pixels wide from its position.
struct TRowSquares {
  int Yellow = 0;
  int Red = 0;
};

TRowSquares SquaresOf(const QImage& Image, int Row, int Seconds) {
  TRowSquares Result;
  for (int T = 0; T <= Seconds; ++T) {
    const QColor C = Image.pixelColor(MotionX(Row, T, 4) + 3, 78 * Row + 3);
    if (C == Qt::yellow) ++Result.Yellow;
    if (C == Qt::red) ++Result.Red;
  }
  return Result;
}

TEST_F(TPages, BewegungRunsEighteenSecondsAndLeavesItsTrail) {
  auto Page = CreateForm<TfmINBewegung>();
  Page->resize(736, 482);
  auto* Timer = Page->Component<TTimer>("Timer1");
  EXPECT_TRUE(Timer->Enabled());
  EXPECT_EQ(Timer->Interval(), 1000);
  QImage Start = Drawing(*Page);
  for (int Row = 0; Row < 4; ++Row) {
    const TRowSquares S = SquaresOf(Start, Row, 0);
    EXPECT_EQ(S.Red, 1) << Row;
    EXPECT_EQ(S.Yellow, 0) << Row;
  }
  for (int I = 0; I < 30 && Timer->Enabled(); ++I) Page->Timer1Timer(Timer);
  EXPECT_EQ(Page->Seconds(), 18);
  EXPECT_FALSE(Timer->Enabled());
  const QImage End = Drawing(*Page);
  for (int Row = 0; Row < 4; ++Row) {
    const TRowSquares S = SquaresOf(End, Row, 18);
    EXPECT_EQ(S.Yellow, 18) << Row;
    EXPECT_EQ(S.Red, 1) << Row;
    EXPECT_EQ(End.pixelColor(MotionX(Row, 18, 4) + 3, 78 * Row + 3), QColor(Qt::red)) << Row;
  }
  // The check leaves the finished animation alone.
  Page->PCVGlassButton1Click(nullptr);
  EXPECT_FALSE(Timer->Enabled());
  EXPECT_EQ(Page->Seconds(), 18);
}

TEST_F(TPages, BewegungSquaresSitOnTheirNumberLines) {
  auto Page = CreateForm<TfmINBewegung>();
  auto* Box = Page->Component<TPaintBox>("PaintBox1");
  for (int Row = 0; Row < 4; ++Row) {
    auto* Beam = Page->Component<TBeam>(QStringLiteral("Beam%1").arg(Row + 1));
    // The centre of a square at position x lies over the line's point x.
    EXPECT_EQ(Box->Left() + 3, Beam->Left() + Beam->LeftOffset()) << Row;
    EXPECT_EQ(Box->Top() + 78 * Row + 3, Beam->Top() + Beam->Height() / 2) << Row;
    EXPECT_EQ(Beam->TickDistance(), 4);
    // Every square, the last one of the fastest body too, stays on its line
    // (left of the arrow head) and on the page area.
    const int LineEnd = Beam->Left() + LayoutBeam(Beam->Params()).HeadUpper.To.X;
    for (int T = 0; T <= MotionLastTick; ++T)
      EXPECT_LE(Box->Left() + MotionX(Row, T, 4) + MotionMarkerSize, LineEnd) << Row << " " << T;
  }
  EXPECT_LE(Box->Left() + Box->Width(), 800);
  EXPECT_GE(Box->Width(), MotionX(0, 18, 4) + MotionMarkerSize);
}

TEST_F(TPages, BewegungStartsAgainFromZero) {
  auto Page = CreateForm<TfmINBewegung>();
  auto* Timer = Page->Component<TTimer>("Timer1");
  for (int I = 0; I < 30 && Timer->Enabled(); ++I) Page->Timer1Timer(Timer);
  ASSERT_FALSE(Timer->Enabled());
  Page->PCVGlassButton2Click(nullptr);
  EXPECT_EQ(Page->Seconds(), 0);
  EXPECT_TRUE(Timer->Enabled());
  EXPECT_EQ(Page->Component<TLabel>("Label5")->Caption(), "Zeit: t = 0 s");
  for (int I = 0; I < 30 && Timer->Enabled(); ++I) Page->Timer1Timer(Timer);
  EXPECT_EQ(Page->Seconds(), 18);
}

TEST(ColourNumber, EveryBlankRemovedThenDigitsOnly) {
  EXPECT_EQ(ColourNumber(" 255      "), 255);
  EXPECT_EQ(ColourNumber(" 0        "), 0);
  EXPECT_EQ(ColourNumber(" 1 6 7   7"), 1677);
  EXPECT_EQ(ColourNumber(" 999999999"), 999999999);
  EXPECT_EQ(ColourNumber("          "), std::nullopt);
  EXPECT_EQ(ColourNumber(""), std::nullopt);
  EXPECT_EQ(ColourNumber("12a"), std::nullopt);
  EXPECT_EQ(ColourNumber("-5"), std::nullopt);
  EXPECT_EQ(ColourNumber("1234567890"), std::nullopt);
}

TEST_F(TPages, FarbenTrialStationColoursItsField) {
  auto Page = CreateForm<TfmINfarben>();
  auto* Field = Page->Component<TMaskEdit>("MaskEdit10");
  auto* Trial = Page->Component<TXShape>("XShape10");
  Field->SetText(" 65535");
  Page->MMButton1Click(nullptr);
  EXPECT_EQ(Trial->Brush()->Color(), clYellow);
  EXPECT_EQ(Seen.Count(), 0);
  Field->SetText(" 8388736");
  Page->MMButton1Click(nullptr);
  EXPECT_EQ(Trial->Brush()->Color(), 0x800080);
  // No colour: a message, and the field keeps its colour.
  for (const char* Text : {"", " 16777216"}) {
    Seen.Clear();
    Field->SetText(Text);
    Page->MMButton1Click(nullptr);
    EXPECT_EQ(Seen.Count(), 1) << Text;
    EXPECT_EQ(Trial->Brush()->Color(), 0x800080) << Text;
  }
}

// A pupil clicks somewhere into an empty colour field and types.
TEST_F(TPages, FarbenFieldsTakeTypedDigits) {
  auto Page = CreateForm<TfmINfarben>();
  Page->resize(736, 482);
  Page->show();
  QApplication::processEvents();
  auto* Field = Page->Component<TMaskEdit>("MaskEdit2");
  QLineEdit* Edit = Field->LineEdit();
  EXPECT_EQ(Field->Text(), "          ");
  for (const int X : {2, Edit->width() / 2, Edit->width() - 3}) {
    Field->SetText("");
    ClickAt(Edit, QPoint(X, Edit->height() / 2));
    TypeText(Edit, "255");
    EXPECT_EQ(Field->Text(), " 255      ") << "click at " << X;
  }
  // Mending a typing error.
  Key(Edit, Qt::Key_Backspace);
  TypeText(Edit, "6");
  EXPECT_EQ(Field->Text(), " 256      ");
  // All selected and typed over.
  Edit->selectAll();
  TypeText(Edit, "65535");
  EXPECT_EQ(Field->Text(), " 65535    ");
  // Letters and signs are refused.
  Field->SetText("");
  ClickAt(Edit, QPoint(Edit->width() - 3, Edit->height() / 2));
  TypeText(Edit, "-a1,5");
  EXPECT_EQ(ColourNumber(Field->Text()), 15);
}

}  // namespace
