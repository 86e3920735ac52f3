// GIF pictures in the platform's picture type.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "GIFTestPictures.h"
#include "components/GIFGraphic.h"
#include "components/GIFImage.h"
#include "platform/Canvas.h"

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& Data) {
  return QByteArray(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
}

}  // namespace

TEST(GIFGraphic, PicturesReadGIFData) {
  RegisterGIFGraphic();
  const TGIFPixels Holes = MakePixels(6, 4, [](int X, int) { return X % 2 ? 0xFFFFFF : 0x0000FF; });
  TGIFWriteFrame F = Frame(Holes);
  F.Transparent = true;
  F.TransparentColor = 0xFFFFFF;
  const QByteArray GIF = Bytes(EncodeFrames({F}));

  TPicture Picture;
  Picture.SetData(GIF);
  ASSERT_NE(dynamic_cast<TGIFGraphic*>(Picture.Graphic()), nullptr);
  EXPECT_EQ(Picture.Width(), 6);
  EXPECT_EQ(Picture.Height(), 4);
  EXPECT_EQ(Picture.Data(), GIF) << "kept exactly";
  EXPECT_EQ(TPicture::DetectFormat(GIF), QStringLiteral("GIF"));

  // Drawn onto a red canvas, the transparent columns stay red.
  QImage Target(12, 8, QImage::Format_RGB32);
  Target.fill(QColor(255, 0, 0));
  {
    TCanvas Canvas(&Target);
    Canvas.StretchDraw(TRect{0, 0, 12, 8}, *Picture.Graphic());
  }
  EXPECT_EQ(Target.pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(Target.pixel(2, 5) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Target.pixel(11, 7) & 0xFFFFFF, 0xFF0000u);

  EXPECT_THROW(Picture.SetData(QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00,", 14)), EInvalidGraphic);
  EXPECT_EQ(Picture.Data(), GIF) << "a failed load keeps the picture";
}

TEST(GIFGraphic, ControlAndBitmapCopies) {
  QTemporaryDir Dir;
  TBitmap Page(20, 10);
  Page.Canvas().Brush().SetColor(clNavy);
  Page.Canvas().FillRect(TRect{0, 0, 10, 10});
  const QString Name = Dir.filePath(QStringLiteral("Seite.gif"));
  ASSERT_TRUE(SaveBitmapAsGIF(Name, Page));

  TGIFImage Image;
  ASSERT_TRUE(Image.LoadFromFile(Name));
  TBitmap Copy;
  Image.AssignTo(Copy);
  ASSERT_EQ(Copy.Width(), 20);
  EXPECT_EQ(Copy.Image().pixel(2, 2) & 0xFFFFFF, 0x000080u);
  EXPECT_EQ(Copy.Image().pixel(15, 2) & 0xFFFFFF, 0xFFFFFFu);
}
