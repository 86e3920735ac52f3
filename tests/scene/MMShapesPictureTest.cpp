#include <gtest/gtest.h>

#include <QImage>
#include <QObject>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/CanvasTestUtil.h"
#include "platform/Picture.h"
#include "scene/MMShapes.h"

// An image list as the shape expects it: image size and a Draw call.
class TFakeImageList : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Width MEMBER Width)
  Q_PROPERTY(int Height MEMBER Height)
 public:
  int Width = 16;
  int Height = 10;
  TPoint DrawnAt{-1, -1};
  int DrawnIndex = -1;
  Q_INVOKABLE void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
    EXPECT_NE(Canvas, nullptr);
    EXPECT_TRUE(Enabled);
    DrawnAt = {X, Y};
    DrawnIndex = Index;
  }
};

// An image component: publishes its picture.
class TFakeImage : public QObject {
  Q_OBJECT
  Q_PROPERTY(TPicture* Picture READ Picture)
 public:
  TPicture* Picture() { return &FPicture; }

 private:
  TPicture FPicture;
};

namespace {

// A 4 x 4 picture: red with a white bottom-left pixel (its transparent colour).
std::unique_ptr<TBitmap> RedSquare() {
  QImage Image(4, 4, QImage::Format_RGB32);
  Image.fill(Qt::red);
  Image.setPixel(0, 3, qRgb(255, 255, 255));
  Image.setPixel(2, 2, qRgb(255, 255, 255));
  return std::make_unique<TBitmap>(Image);
}

std::unique_ptr<TMMPoints> TwoPoints() {
  auto Points = std::make_unique<TMMPoints>();
  Points->Add().SetX(10);
  Points->FindByID(0)->SetY(10);
  Points->Add().SetX(30);
  Points->FindByID(1)->SetY(20);
  return Points;
}

TEST(MMShapesPicture, ImageListEntryDrawnAtOrCentredOnThePoint) {
  auto Points = TwoPoints();
  TFakeImageList List;
  TImageCanvas C(40, 40);
  TSImageListBMP Shape;
  Shape.SetPoint(0);
  Shape.Paint(C.Canvas, *Points);  // no list: nothing
  EXPECT_EQ(List.DrawnIndex, -1);
  Shape.SetImageList(&List);
  Shape.SetImageIndex(3);
  Shape.Paint(C.Canvas, *Points);
  EXPECT_EQ(List.DrawnAt, (TPoint{10, 10}));
  EXPECT_EQ(List.DrawnIndex, 3);
  Shape.SetCentered(true);
  Shape.Paint(C.Canvas, *Points);
  EXPECT_EQ(List.DrawnAt, (TPoint{2, 5}));
}

TEST(MMShapesPicture, GraphicDrawnAtItsSizeOrStretched) {
  auto Points = TwoPoints();
  TFakeImage Image;
  Image.Picture()->SetGraphic(RedSquare());
  TSGraphic Shape;
  Shape.SetP1(0);
  Shape.SetP2(1);
  Shape.SetImage(&Image);
  {
    TImageCanvas C(40, 40);
    Shape.Paint(C.Canvas, *Points);
    EXPECT_EQ(C.At(10, 10), clRed);
    EXPECT_EQ(C.At(13, 12), clRed);
    EXPECT_EQ(C.At(14, 10), clWhite);
  }
  Shape.SetStretch(true);
  {
    TImageCanvas C(40, 40);
    Shape.Paint(C.Canvas, *Points);
    EXPECT_EQ(C.At(29, 10), clRed);
    EXPECT_EQ(C.At(30, 10), clWhite);
  }
}

TEST(MMShapesPicture, BitmapIsATransparentCopyTakenWhenSet) {
  auto Points = TwoPoints();
  TPicture Picture;  // a picture may be given directly
  Picture.SetGraphic(RedSquare());
  TSBitmap Shape;
  Shape.SetPoint(0);
  Shape.SetGraphic(&Picture);
  Picture.Clear();  // the shape keeps its own copy
  TImageCanvas C(40, 40);
  C.Canvas.Brush().SetColor(clBlue);
  C.Canvas.FillRect({0, 0, 40, 40});
  Shape.Paint(C.Canvas, *Points);
  EXPECT_EQ(C.At(10, 10), clRed);
  EXPECT_EQ(C.At(10, 13), clBlue);  // the transparent colour is left out
  EXPECT_EQ(C.At(12, 12), clBlue);
  Shape.SetGraphic(nullptr);
  TImageCanvas D(40, 40);
  Shape.Paint(D.Canvas, *Points);
  EXPECT_EQ(D.At(10, 10), clWhite);
}

}  // namespace

#include "MMShapesPictureTest.moc"
