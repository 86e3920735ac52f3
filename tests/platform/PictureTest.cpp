// Pictures: bitmaps with direct row access, BMP/PNG/JPEG loading through the
// format registry, damaged data failing cleanly, atomic saving.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>

extern "C" {
#include <jpeglib.h>
}

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Convert.h"
#include "platform/Jpeg.h"
#include "platform/Picture.h"

namespace {

// Four vertical colour bars, written by libjpeg at high quality.
QByteArray MakeJpeg(int W, int H, bool Gray = false) {
  jpeg_compress_struct Info;
  jpeg_error_mgr Err;
  Info.err = jpeg_std_error(&Err);
  jpeg_create_compress(&Info);
  unsigned char* Buffer = nullptr;
  unsigned long Size = 0;
  jpeg_mem_dest(&Info, &Buffer, &Size);
  Info.image_width = static_cast<JDIMENSION>(W);
  Info.image_height = static_cast<JDIMENSION>(H);
  Info.input_components = Gray ? 1 : 3;
  Info.in_color_space = Gray ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, 95, TRUE);
  jpeg_start_compress(&Info, TRUE);
  const unsigned char Bars[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  std::vector<unsigned char> Row(static_cast<std::size_t>(W) * 3);
  while (Info.next_scanline < Info.image_height) {
    for (int X = 0; X < W; ++X)
      for (int C = 0; C < (Gray ? 1 : 3); ++C)
        Row[static_cast<std::size_t>(X * (Gray ? 1 : 3) + C)] = Gray ? static_cast<unsigned char>(X * 255 / (W - 1))
                                                                      : Bars[X * 4 / W][C];
    JSAMPROW P = Row.data();
    jpeg_write_scanlines(&Info, &P, 1);
  }
  jpeg_finish_compress(&Info);
  jpeg_destroy_compress(&Info);
  QByteArray Data(reinterpret_cast<const char*>(Buffer), static_cast<qsizetype>(Size));
  std::free(Buffer);
  return Data;
}

QByteArray Encode(const QImage& I, const char* Format) {
  QByteArray Bytes;
  QBuffer B(&Bytes);
  B.open(QIODevice::WriteOnly);
  I.save(&B, Format);
  return Bytes;
}

bool Near(QRgb A, TColor B, int Tolerance) {
  return std::abs(qRed(A) - GetRValue(B)) <= Tolerance && std::abs(qGreen(A) - GetGValue(B)) <= Tolerance &&
         std::abs(qBlue(A) - GetBValue(B)) <= Tolerance;
}

// A stand-in for a format that another module adds.
class TTestGraphic : public TGraphic {
 public:
  int Width() const override { return 3; }
  int Height() const override { return 2; }
  void Draw(TCanvas&, const TRect&) const override {}
  void LoadFromMemory(const QByteArray& Data) override {
    if (Data.size() < 5) throw EInvalidGraphic("short");
    Payload = Data.mid(4);
  }
  QByteArray SaveToMemory() const override { return "TST!" + Payload; }
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TTestGraphic>(*this); }
  QImage ToImage() const override {
    QImage I(3, 2, QImage::Format_RGB32);
    I.fill(Qt::red);
    return I;
  }
  QByteArray Payload;
};

}  // namespace

TEST(Bitmap, ResizingKeepsPixelsAndPaintsNewOnesWhite) {
  TBitmap B(4, 3);
  EXPECT_EQ(B.PixelFormat(), pf32bit);
  B.Canvas().SetPixel(1, 1, clRed);
  B.SetSize(6, 5);
  EXPECT_EQ(B.Width(), 6);
  EXPECT_EQ(QRgbToTColor(B.Image().pixel(1, 1)), clRed);
  EXPECT_EQ(QRgbToTColor(B.Image().pixel(5, 4)), clWhite);
  B.SetWidth(1);
  EXPECT_EQ(B.Width(), 1);
  EXPECT_EQ(B.Height(), 5);
  B.SetHeight(0);
  EXPECT_TRUE(B.Empty());
  B.Canvas().Rectangle(0, 0, 5, 5);  // no device area: nothing happens
  EXPECT_THROW(B.SetSize(100000, 100000), EInvalidGraphic);
}

TEST(Bitmap, ScanLinesGiveBlueGreenRedBytesInEitherFormat) {
  TBitmap B(3, 2);
  B.SetPixelFormat(pf24bit);
  EXPECT_EQ(B.PixelFormat(), pf24bit);
  B.Canvas().SetPixel(1, 1, RGB(10, 20, 30));
  const std::uint8_t* Row = B.ScanLine(1);
  EXPECT_EQ(Row[3], 30);
  EXPECT_EQ(Row[4], 20);
  EXPECT_EQ(Row[5], 10);
  B.SetPixelFormat(pf32bit);
  std::uint8_t* Row32 = B.ScanLine(1);
  EXPECT_EQ(Row32[4], 30);
  EXPECT_EQ(Row32[5], 20);
  EXPECT_EQ(Row32[6], 10);
  // Writing rows and drawing with the canvas mix freely.
  Row32[0] = 0;
  Row32[1] = 0;
  Row32[2] = 255;
  B.Canvas().SetPixel(2, 1, clBlue);
  EXPECT_EQ(QRgbToTColor(B.Image().pixel(0, 1)), clRed);
  EXPECT_EQ(QRgbToTColor(B.Image().pixel(2, 1)), clBlue);
  EXPECT_THROW(B.ScanLine(2), std::out_of_range);
  EXPECT_THROW(B.ScanLine(-1), std::out_of_range);
}

TEST(Bitmap, CopiesAreIndependent) {
  TBitmap A(2, 2);
  TBitmap B(A);
  B.Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(QRgbToTColor(A.Image().pixel(0, 0)), clWhite);
  TPicture P, Q;
  P.Bitmap().SetSize(2, 2);
  Q.Assign(P);
  Q.Bitmap().Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(QRgbToTColor(P.Bitmap().Image().pixel(0, 0)), clWhite);
}

TEST(Bitmap, TakesOverAnUnsharedImageAndCopiesASharedOne) {
  QImage Own(4, 3, QImage::Format_RGB32);
  Own.fill(Qt::red);
  const uchar* Pixels = Own.constBits();
  TBitmap Taken(std::move(Own));
  EXPECT_EQ(Taken.Image().constBits(), Pixels);
  EXPECT_EQ(QRgbToTColor(Taken.Image().pixel(1, 1)), clRed);

  QImage Shared(4, 3, QImage::Format_RGB32);
  Shared.fill(Qt::red);
  const QImage Keeper = Shared;  // a second owner: drawing on the bitmap must not reach it
  TBitmap Copied(std::move(Shared));
  Copied.Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(QRgbToTColor(Copied.Image().pixel(0, 0)), clBlack);
  EXPECT_EQ(QRgbToTColor(Keeper.pixel(0, 0)), clRed);

  QImage Indexed(4, 3, QImage::Format_Indexed8);  // converted to a paintable format
  Indexed.setColorTable({qRgb(0, 0, 255)});
  Indexed.fill(0);
  TBitmap Converted(std::move(Indexed));
  EXPECT_EQ(Converted.Image().format(), QImage::Format_RGB32);
  EXPECT_EQ(QRgbToTColor(Converted.Image().pixel(2, 2)), clBlue);
}

TEST(Picture, LoadsJpegThroughLibjpeg) {
  TPicture P;
  int Changes = 0;
  QObject::connect(&P, &TPicture::Changed, [&] { ++Changes; });
  EXPECT_EQ(TPicture::DetectFormat(MakeJpeg(32, 8)), QStringLiteral("JPEG"));
  P.LoadFromMemory(MakeJpeg(32, 8));
  EXPECT_EQ(Changes, 1);
  ASSERT_EQ(P.Width(), 32);
  ASSERT_EQ(P.Height(), 8);
  const QImage I = P.Graphic()->ToImage();
  EXPECT_TRUE(Near(I.pixel(3, 4), clRed, 12));
  EXPECT_TRUE(Near(I.pixel(11, 4), clLime, 12));
  EXPECT_TRUE(Near(I.pixel(19, 4), clBlue, 12));
  EXPECT_TRUE(Near(I.pixel(28, 4), clWhite, 12));

  QImage Gray;
  QString Error;
  ASSERT_TRUE(DecodeJpeg(MakeJpeg(16, 4, true), Gray, Error)) << Error.toStdString();
  EXPECT_TRUE(Near(Gray.pixel(0, 0), clBlack, 8));
  EXPECT_TRUE(Near(Gray.pixel(15, 0), clWhite, 8));
}

TEST(Picture, DamagedJpegFailsCleanlyAndKeepsTheOldPicture) {
  TPicture P;
  P.LoadFromMemory(MakeJpeg(8, 8));
  QByteArray Bad("\xFF\xD8\xFF\xE0 this is not a picture at all");
  EXPECT_THROW(P.LoadFromMemory(Bad), EInvalidGraphic);
  EXPECT_EQ(P.Width(), 8);

  // Every cut and many flipped bytes: an error or a picture, nothing else.
  const QByteArray Good = MakeJpeg(24, 16);
  for (int Len = 0; Len < Good.size(); Len += 3) {
    QImage I;
    QString Error;
    if (DecodeJpeg(Good.left(Len), I, Error))
      EXPECT_EQ(I.size(), QSize(24, 16));
    else
      EXPECT_TRUE(I.isNull());
  }
  std::mt19937 Gen(11);
  for (int Round = 0; Round < 300; ++Round) {
    QByteArray Data = Good;
    for (int K = 0; K < 4; ++K) Data[static_cast<qsizetype>(Gen() % Data.size())] = static_cast<char>(Gen());
    QImage I;
    QString Error;
    if (DecodeJpeg(Data, I, Error)) {
      EXPECT_FALSE(I.isNull());
    } else {
      EXPECT_TRUE(I.isNull());
      EXPECT_FALSE(Error.isEmpty());
    }
  }
}

TEST(Picture, AJpegAnnouncingAHugePictureIsRefusedBeforeDecoding) {
  // A small picture whose frame header claims 30000 x 30000 pixels (libjpeg
  // itself would take up to 65500 on each side).
  QByteArray Data = MakeJpeg(16, 16);
  const qsizetype Frame = Data.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(Frame, 0);
  for (qsizetype I = Frame + 5; I < Frame + 9; I += 2) {  // height, width
    Data[I] = '\x75';
    Data[I + 1] = '\x30';
  }
  QImage Image;
  QString Error;
  EXPECT_FALSE(DecodeJpeg(Data, Image, Error));
  EXPECT_TRUE(Image.isNull());
  EXPECT_EQ(Error, "image size out of range");
  TPicture P;
  EXPECT_THROW(P.LoadFromMemory(Data), EInvalidGraphic);
  EXPECT_TRUE(P.Empty());
}

TEST(Picture, SavingWhereNoFileCanBeWrittenSaysSoAndLeavesNothingBehind) {
  TPicture P;
  P.LoadFromMemory(MakeJpeg(8, 8));
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("Bild.jpg")));  // a folder where the file should go
  const QString Targets[] = {
      Dir.filePath(QStringLiteral("Bild.jpg")),        // a folder cannot be replaced by a file
      Dir.filePath(QStringLiteral("fehlt/Bild.jpg")),  // no such folder
      QStringLiteral("/proc/velotra_bild.jpg"),        // a folder nobody may write in, not even root
      QStringLiteral("/proc/version"),                 // a file nobody may replace
  };
  for (const QString& Target : Targets) {
    SCOPED_TRACE(Target.toStdString());
    try {
      P.SaveToFile(Target);
      ADD_FAILURE() << "saved";
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(QString::fromUtf8(E.what()), QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(Target));
    }
  }
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"Bild.jpg"});
  EXPECT_TRUE(QDir(Dir.filePath(QStringLiteral("Bild.jpg"))).isEmpty());
}

TEST(Picture, LoadsBmpAndPngAndRefusesUnknownData) {
  QImage Source(5, 3, QImage::Format_RGB32);
  Source.fill(qRgb(10, 200, 30));
  Source.setPixel(4, 2, qRgb(250, 1, 2));
  for (const char* Format : {"BMP", "PNG"}) {
    TPicture P;
    P.LoadFromMemory(Encode(Source, Format));
    ASSERT_NE(dynamic_cast<TBitmap*>(P.Graphic()), nullptr) << Format;
    const QImage I = P.Graphic()->ToImage();
    EXPECT_EQ(I.pixel(0, 0), Source.pixel(0, 0)) << Format;
    EXPECT_EQ(I.pixel(4, 2), Source.pixel(4, 2)) << Format;
  }
  TPicture P;
  EXPECT_THROW(P.LoadFromMemory(QByteArray("GIF89a-not-yet")), EInvalidGraphic);
  EXPECT_THROW(P.LoadFromMemory(QByteArray("BM\x01\x02\x03")), EInvalidGraphic);
  EXPECT_THROW(P.LoadFromMemory(QByteArray()), EInvalidGraphic);
  EXPECT_TRUE(P.Empty());
  EXPECT_THROW(P.LoadFromFile(QStringLiteral("/nonexistent/picture.bmp")), EInvalidGraphic);
}

TEST(Picture, SavesAndReloadsThroughFilesAndTheDataProperty) {
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  TPicture P;
  TBitmap& B = P.Bitmap();
  B.SetSize(7, 4);
  B.Canvas().Brush().SetColor(clNavy);
  B.Canvas().FillRect({2, 1, 5, 3});
  const QString Name = Dir.filePath(QStringLiteral("seite.bmp"));
  P.SaveToFile(Name);
  TPicture Q;
  Q.LoadFromFile(Name);
  EXPECT_EQ(Q.Width(), 7);
  EXPECT_EQ(QRgbToTColor(Q.Graphic()->ToImage().pixel(3, 2)), clNavy);

  TPicture R;
  R.setProperty("Data", P.Data());
  EXPECT_EQ(R.Height(), 4);
  R.SetData(QByteArray());
  EXPECT_TRUE(R.Empty());
}

TEST(Picture, FurtherFormatsPlugInThroughTheRegistry) {
  TPicture::RegisterFormat(
      QStringLiteral("TST"), [](const QByteArray& D) { return D.startsWith("TST!"); },
      [] { return std::make_unique<TTestGraphic>(); });
  EXPECT_TRUE(TPicture::RegisteredFormats().contains(QStringLiteral("TST")));
  EXPECT_EQ(TPicture::DetectFormat("TST!abc"), QStringLiteral("TST"));
  TPicture P;
  P.LoadFromMemory("TST!abc");
  auto* G = dynamic_cast<TTestGraphic*>(P.Graphic());
  ASSERT_NE(G, nullptr);
  EXPECT_EQ(G->Payload, QByteArray("abc"));
  EXPECT_EQ(P.Data(), QByteArray("TST!abc"));
  EXPECT_THROW(P.LoadFromMemory("TST!"), EInvalidGraphic);
  // Converting to a bitmap keeps the picture.
  TBitmap& B = P.Bitmap();
  EXPECT_EQ(B.Width(), 3);
  EXPECT_EQ(QRgbToTColor(B.Image().pixel(2, 1)), clRed);
}
