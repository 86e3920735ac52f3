// Drawing helpers of the artwork generator.
#include <gtest/gtest.h>

#include "Sketch.h"

using namespace art;

TEST(Sketch, WrappedDrawingContinuesAtTheOppositeEdges) {
  QImage Tile = NewImage(40, 30, Qt::white);
  {
    TPainter P(&Tile);
    DrawWrapped(P, Tile.size(), [](QPainter& Q) {
      Q.setPen(Qt::NoPen);
      Q.setBrush(Qt::black);
      Q.drawRect(QRectF(36, 26, 8, 8));  // over the bottom right corner
    });
  }
  // The square shows in all four corners, and nowhere in the middle.
  for (QPoint P : {QPoint(39, 29), QPoint(0, 0), QPoint(3, 29), QPoint(39, 3), QPoint(0, 3)})
    EXPECT_EQ(Tile.pixel(P), qRgb(0, 0, 0)) << P.x() << "," << P.y();
  EXPECT_EQ(Tile.pixel(20, 15), qRgb(255, 255, 255));
  EXPECT_EQ(Tile.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(Sketch, RandomSequencesRepeatAndStayInRange) {
  TRandom A(42), B(42), C(43);
  bool Differs = false;
  for (int I = 0; I < 1000; ++I) {
    const double X = A.Uniform(-2, 3);
    EXPECT_EQ(X, B.Uniform(-2, 3));
    EXPECT_GE(X, -2);
    EXPECT_LT(X, 3);
    const int N = A.Below(7);
    EXPECT_EQ(N, B.Below(7));
    EXPECT_GE(N, 0);
    EXPECT_LT(N, 7);
    Differs = Differs || C.Uniform(-2, 3) != X;
  }
  EXPECT_TRUE(Differs);
  EXPECT_EQ(A.Below(0), 0);
}

TEST(Sketch, TextIsCentredOnItsPoint) {
  for (const char* Text : {"x", "(a + b)²", "60"}) {
    const QRectF Box = TextPath(QString::fromUtf8(Text), SansFont(30)).boundingRect();
    EXPECT_GT(Box.width(), 5) << Text;
    EXPECT_NEAR(Box.center().x(), 0, 0.01) << Text;
    EXPECT_NEAR(Box.center().y(), 0, 0.01) << Text;
  }
}

TEST(Sketch, MixRunsFromOneColourToTheOther) {
  const QColor A(0, 100, 200), B(200, 100, 0);
  EXPECT_EQ(Mix(A, B, 0), A);
  EXPECT_EQ(Mix(A, B, 1), B);
  EXPECT_EQ(Mix(A, B, 0.5), QColor(100, 100, 100));
}
