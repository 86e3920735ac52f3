// The free polygon as a control: points, stored form, mouse and hover.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <stdexcept>

#include "common/Colors.h"
#include "common/NumberFormat.h"
#include "components/XShapes.h"
#include "platform/Canvas.h"
#include "platform/Convert.h"
#include "platform/Graphics.h"

namespace {
// A plain widget below the polygon that counts the presses reaching it.
class TCatcher : public QWidget {
 public:
  using QWidget::QWidget;
  int Presses = 0;

 protected:
  void mousePressEvent(QMouseEvent* Event) override {
    ++Presses;
    Event->accept();
  }
};

// Sends a press and release through the window, so Qt picks the receiver
// the way it does for real mouse input.
void ClickAt(QWidget& Window, QPoint P) {
  QWindow* Handle = Window.windowHandle();
  ASSERT_NE(Handle, nullptr);
  const QPointF Global = Window.mapToGlobal(QPointF(P));
  QMouseEvent Press(QEvent::MouseButtonPress, QPointF(P), Global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Handle, &Press);
  QMouseEvent Release(QEvent::MouseButtonRelease, QPointF(P), Global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(Handle, &Release);
}

void MoveTo(QWidget& Window, QPoint P) {
  const QPointF Global = Window.mapToGlobal(QPointF(P));
  QMouseEvent Move(QEvent::MouseMove, QPointF(P), Global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Window.windowHandle(), &Move);
}

struct Scene {
  QWidget Page;
  TCatcher* Below;
  TXPolygon* Poly;
  int Clicks = 0;

  Scene() {
    Page.resize(200, 200);
    Below = new TCatcher(&Page);
    Below->setGeometry(0, 0, 200, 200);
    Poly = new TXPolygon(&Page);
    Poly->setGeometry(50, 50, 41, 41);
    Poly->OnClick = [this](QObject*) { ++Clicks; };
    Page.show();
    QApplication::processEvents();
  }
};

TEST(XPolygonControl, ClicksOutsideTheOutlineFallThrough) {
  Scene S;
  ClickAt(S.Page, {52, 52});  // a corner of the rectangle, outside the diamond
  EXPECT_EQ(S.Clicks, 0);
  EXPECT_EQ(S.Below->Presses, 1);
  ClickAt(S.Page, {70, 70});  // the middle
  EXPECT_EQ(S.Clicks, 1);
  EXPECT_EQ(S.Below->Presses, 1);
  ClickAt(S.Page, {88, 52});  // another corner
  EXPECT_EQ(S.Clicks, 1);
  EXPECT_EQ(S.Below->Presses, 2);

  // New points move the outline: a full square now takes the corner.
  S.Poly->SetPoints({"0;0", "1;0", "1;1", "0;1"});
  ClickAt(S.Page, {52, 52});
  EXPECT_EQ(S.Clicks, 2);
  EXPECT_EQ(S.Below->Presses, 2);
}

TEST(XPolygonControl, HoverLightsUpInsideOnly) {
  Scene S;
  S.Poly->Brush()->SetColor(clWhite);
  S.Poly->SetEnhancedColor(clBlue);
  MoveTo(S.Page, {70, 70});
  EXPECT_TRUE(S.Poly->Hover());
  QImage I(41, 41, QImage::Format_RGB32);
  I.fill(Qt::gray);
  {
    TCanvas C(&I);
    S.Poly->DrawAt(0, 0, C);
  }
  EXPECT_EQ(QRgbToTColor(I.pixel(20, 20)), RGB(127, 127, 255));
  MoveTo(S.Page, {52, 52});
  EXPECT_FALSE(S.Poly->Hover());
}

TEST(XPolygonControl, PointsAsLines) {
  SetDecimalSeparator(',');
  TXPolygon P;
  EXPECT_EQ(P.Points(), (QStringList{"0,5;0", "0;0,5", "0,5;1", "1;0,5"}));
  QStringList Many;
  for (int I = 0; I < 70; ++I) Many << QString("%1;0,5").arg(I);
  P.SetPoints(Many);
  EXPECT_EQ(P.Points().size(), 64);
  EXPECT_EQ(P.Points().last(), "63;0,5");
  P.setProperty("Points", QStringList{"0;0", "1;0", "0,5;1"});
  EXPECT_EQ(P.PolyPoints().size(), 3u);
  EXPECT_EQ(P.PixelPoints(), (std::vector<TPoint>{{0, 0}, {39, 0}, {20, 39}}));
}

TEST(XPolygonControl, StoredPoints) {
  TXPolygon P;
  const std::vector<unsigned char> Data = EncodeFPoints({{0, 0}, {1, 0}, {0.25L, 1}});
  const QByteArray Bytes(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
  EXPECT_EQ(Bytes.size(), 64);
  EXPECT_TRUE(P.ReadBinaryProperty("FPoints", Bytes));
  EXPECT_EQ(P.PolyPoints(), (std::vector<TXPolyPoint>{{0, 0}, {1, 0}, {0.25L, 1}}));
  TBinaryProperties Out;
  P.WriteBinaryProperties(Out);
  ASSERT_EQ(Out.size(), 1);
  EXPECT_EQ(Out[0].first, "FPoints");
  EXPECT_EQ(Out[0].second, Bytes);

  EXPECT_FALSE(P.ReadBinaryProperty("Data", Bytes));
  EXPECT_THROW(P.ReadBinaryProperty("FPoints", Bytes.left(30)), std::runtime_error);
  EXPECT_EQ(P.PolyPoints().size(), 3u);  // unchanged by damaged data
}

TEST(XPolygonControl, KindsDraw) {
  TXPolygon P;
  P.resize(41, 41);
  P.SetPoints({"0;1", "0,25;0", "0,75;0", "1;1"});
  P.Brush()->SetColor(clRed);
  const auto Render = [&P] {
    QImage I(41, 41, QImage::Format_RGB32);
    I.fill(Qt::white);
    TCanvas C(&I);
    P.DrawAt(0, 0, C);
    C.EndPaint();
    return I;
  };
  P.SetKind(xpPolygon);
  EXPECT_EQ(QRgbToTColor(Render().pixel(20, 20)), clRed);
  P.SetKind(xpLine);  // open: no fill, no closing edge along the bottom
  QImage Line = Render();
  EXPECT_EQ(QRgbToTColor(Line.pixel(20, 20)), clWhite);
  EXPECT_EQ(QRgbToTColor(Line.pixel(20, 40)), clWhite);
  EXPECT_EQ(QRgbToTColor(Line.pixel(10, 0)), clBlack);
  P.SetKind(xpBezier);  // one curved segment from (0, 40) to (40, 40)
  QImage Curve = Render();
  EXPECT_EQ(QRgbToTColor(Curve.pixel(10, 0)), clWhite);
  int Ink = 0;
  for (int Y = 0; Y < 41; ++Y) Ink += Curve.pixel(20, Y) != qRgb(255, 255, 255);
  EXPECT_GE(Ink, 1);
}

TEST(XPolygonControl, StretchRatioKeepsProportions) {
  TXPolygon P;
  P.resize(101, 41);
  P.SetStretchRatio(true);
  EXPECT_EQ(P.PixelPoints(), (std::vector<TPoint>{{20, 0}, {0, 20}, {20, 40}, {40, 20}}));
}
}  // namespace

namespace {
TEST(XShapeProperties, PublishedNamesAndEnums) {
  TXShape S;
  for (const char* Name : {"Shape", "Color2", "Brush", "Pen", "Font", "Rotation", "ScaleY", "ScaleX", "Invariant",
                           "Description", "Lines", "Caption", "ParentFont", "Visible"})
    EXPECT_GE(S.metaObject()->indexOfProperty(Name), 0) << Name;
  EXPECT_TRUE(S.setProperty("Shape", QVariant::fromValue(TShapeForm::srLine)));
  EXPECT_EQ(S.Shape(), TShapeForm::srLine);
  EXPECT_TRUE(S.setProperty("Rotation", 45.0));
  EXPECT_EQ(S.Rotation(), 45.0);
  EXPECT_EQ(S.size(), QSize(65, 65));

  TBeam B;
  for (const char* Name : {"Font", "ArrowPen", "Brush", "ArrowSize", "TickSize", "TickDistance", "MarkSize",
                           "MarkDistance", "MarkRatio", "LeftOffset", "MarkWidth", "MarkOffset", "TickPen", "MarkPen",
                           "MarkCount", "Pointer", "Tag", "Visible"})
    EXPECT_GE(B.metaObject()->indexOfProperty(Name), 0) << Name;
  EXPECT_EQ(B.size(), QSize(100, 20));
  EXPECT_EQ(B.Brush()->Color(), clRed);

  TXPolygon P;
  for (const char* Name : {"Points", "Kind", "Pen", "Brush", "EnhancedColor", "StretchRatio", "Visible"})
    EXPECT_GE(P.metaObject()->indexOfProperty(Name), 0) << Name;
  EXPECT_TRUE(P.setProperty("Kind", QVariant::fromValue(xpLine)));
  EXPECT_EQ(P.Kind(), xpLine);
  EXPECT_EQ(P.size(), QSize(40, 40));
  EXPECT_EQ(P.EnhancedColor(), clRed);
}
}  // namespace
