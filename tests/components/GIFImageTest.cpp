// The GIF control: loading, playback, frame times, placement and painting.
#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

#include "GIFTestPictures.h"
#include "components/GIFBitmap.h"
#include "components/GIFDecoder.h"
#include "components/GIFImage.h"

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& Data) {
  return QByteArray(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
}

// The form-file form of a GIF: byte count, then the file.
QByteArray FormData(const QByteArray& GIF) {
  QByteArray Out;
  const quint32 N = static_cast<quint32>(GIF.size());
  for (int i = 0; i < 4; ++i) Out.append(static_cast<char>(N >> (8 * i)));
  return Out + GIF;
}

// Three frames (red, green, blue squares) with the given delays in ms.
QByteArray ThreeColours(int LoopCount = -1, int Delay1 = 100, int Delay2 = 0, int Delay3 = 20) {
  static const TGIFPixels R = SolidPixels(4, 4, 0xFF0000), G = SolidPixels(4, 4, 0x00FF00),
                          B = SolidPixels(4, 4, 0x0000FF);
  return Bytes(EncodeFrames({Frame(R, 0, 0, Delay1), Frame(G, 0, 0, Delay2), Frame(B, 0, 0, Delay3)},
                            LoopCount >= 0, std::max(LoopCount, 0)));
}

QRgb Pixel(const TGIFImage& Image, int X, int Y) { return Image.ToImage().pixel(X, Y) & 0xFFFFFF; }

// Which frame each tick showed, and the events in order.
struct TPlayback {
  std::string Events;
  void Attach(TGIFImage& Image) {
    Image.OnChanging = [this](QObject*) { Events += '<'; };
    Image.OnChange = [this, &Image](QObject*) { Events += std::to_string(Image.CurrentFrame()); };
    Image.OnWrapAnimation = [this](QObject*) { Events += 'W'; };
  }
};

bool WaitUntil(const std::function<bool()>& Done, int LimitMs = 20000) {
  if (Done()) return true;
  QEventLoop Loop;
  QTimer Poll;
  QObject::connect(&Poll, &QTimer::timeout, [&] {
    if (Done()) Loop.quit();
  });
  Poll.start(1);
  QTimer::singleShot(LimitMs, &Loop, &QEventLoop::quit);
  Loop.exec();
  return Done();
}

}  // namespace

TEST(GIFImage, Defaults) {
  TGIFImage I;
  EXPECT_FALSE(I.Animate());
  EXPECT_FALSE(I.AutoSize());
  EXPECT_FALSE(I.Center());
  EXPECT_EQ(I.CurrentFrame(), 1);
  EXPECT_TRUE(I.DoubleBuffered());
  EXPECT_FALSE(I.FirstImageOnly());
  EXPECT_FALSE(I.Loop());
  EXPECT_FALSE(I.Opaque());
  EXPECT_EQ(I.Speed(), 100);
  EXPECT_FALSE(I.Stretch() || I.StretchRatio() || I.StretchBigOnly() || I.Tile());
  EXPECT_FALSE(I.Threaded());
  EXPECT_EQ(I.ThreadPriority(), tpNormal);
  EXPECT_TRUE(I.Visible());
  EXPECT_EQ(I.Color(), clWindow);
  EXPECT_TRUE(I.ParentColor());
  EXPECT_EQ(I.size(), QSize(105, 105));
  EXPECT_TRUE(I.Empty());
  EXPECT_TRUE(I.Data().isEmpty());
  EXPECT_TRUE(I.setProperty("ThreadPriority", QStringLiteral("tpLowest")));
  EXPECT_EQ(I.ThreadPriority(), tpLowest);
  I.SetSpeed(0);
  EXPECT_EQ(I.Speed(), 1);
}

TEST(GIFImage, DesignDataAndCopies) {
  const QByteArray GIF = ThreeColours();
  TGIFImage I;
  I.SetAutoSize(true);
  EXPECT_TRUE(I.setProperty("Data", FormData(GIF)));
  EXPECT_EQ(I.FrameCount(), 3);
  EXPECT_EQ(I.Version(), TGIFImage::gvGIF89a);
  EXPECT_EQ(I.Data(), FormData(GIF)) << "stored exactly as loaded";
  EXPECT_EQ(I.size(), QSize(4, 4));
  EXPECT_EQ(Pixel(I, 0, 0), 0xFF0000u);

  TGIFImage Copy;
  Copy.Assign(&I);
  EXPECT_EQ(Copy.FrameCount(), 3);
  EXPECT_EQ(Copy.GIFData(), GIF);
  Copy.Assign(nullptr);
  EXPECT_TRUE(Copy.Empty());
  EXPECT_TRUE(Copy.Data().isEmpty());

  // A count larger than what follows takes what is there.
  QByteArray Short = FormData(GIF);
  Short[0] = static_cast<char>(0xFF);
  Short[1] = static_cast<char>(0xFF);
  Copy.SetData(Short);
  EXPECT_EQ(Copy.FrameCount(), 3);
  Copy.SetData(QByteArray("\x01\x00", 2));
  EXPECT_TRUE(Copy.Empty());

  TGIFImage First;
  First.SetFirstImageOnly(true);
  First.SetData(FormData(GIF));
  EXPECT_EQ(First.FrameCount(), 1);
  First.SetFirstImageOnly(false);
  EXPECT_EQ(First.FrameCount(), 3);
}

TEST(GIFImage, DamagedDataShowWhatWasRead) {
  TGIFImage I;
  EXPECT_FALSE(I.LoadFromData("no picture at all"));
  EXPECT_TRUE(I.Empty());
  const QByteArray GIF = ThreeColours();
  EXPECT_FALSE(I.LoadFromData(GIF.left(GIF.size() / 2)));
  EXPECT_GE(I.FrameCount(), 1);
  EXPECT_LT(I.FrameCount(), 3);
  I.SetAnimate(true);
  for (int i = 0; i < 5; ++i) I.AnimationTick();
  // The control shows the frames up to the one it has reached laid over each
  // other (each covers the whole picture), as far as they were read: the
  // cut may leave a frame without pixels.
  const TGIFPicture Read =
      DecodeGIF(reinterpret_cast<const std::uint8_t*>(GIF.constData()), static_cast<std::size_t>(GIF.size() / 2));
  ASSERT_EQ(static_cast<int>(Read.Frames.size()), I.FrameCount());
  ASSERT_GE(I.CurrentFrame(), 1);  // counted from 1
  ASSERT_LE(I.CurrentFrame(), I.FrameCount());
  std::vector<std::uint32_t> Expected(16, 0);
  for (int K = 0; K < I.CurrentFrame(); ++K) {
    const TGIFFrame& F = Read.Frames[static_cast<std::size_t>(K)];
    if (F.Indices.size() != 16u) continue;
    for (int P = 0; P < 16; ++P) Expected[static_cast<std::size_t>(P)] = FrameColor(F, P % 4, P / 4);
  }
  const QImage Shown = I.grab().toImage();
  for (int P = 0; P < 16; ++P) EXPECT_EQ(Shown.pixel(P % 4, P / 4) & 0xFFFFFF, Expected[static_cast<std::size_t>(P)]) << P;
  EXPECT_EQ(Expected[0], 0xFF0000u) << "the first frame is whole";

  static const TGIFPixels Dot = SolidPixels(1, 1, 0xFFFFFF);
  std::vector<TGIFWriteFrame> Many(300, Frame(Dot));
  EXPECT_TRUE(I.LoadFromData(Bytes(EncodeFrames(Many))));
  EXPECT_EQ(I.FrameCount(), 256);

  std::vector<int> Percents;
  I.OnProgress = [&](QObject*, int Done, int Total, int Percent, bool& Keep) {
    EXPECT_LE(Done, Total);
    Percents.push_back(Percent);
    Keep = Percents.size() < 10;
  };
  EXPECT_TRUE(I.LoadFromData(Bytes(EncodeFrames(Many)))) << "stopping is not a failure";
  EXPECT_LT(I.FrameCount(), 10);
  EXPECT_TRUE(std::is_sorted(Percents.begin(), Percents.end()));
}

TEST(GIFImage, PlaysOnceWithoutLoopInformation) {
  TGIFImage I;
  I.LoadFromData(ThreeColours());
  TPlayback P;
  P.Attach(I);
  I.SetAnimate(true);
  EXPECT_TRUE(I.AnimationRunning());
  for (int i = 0; i < 6; ++i) I.AnimationTick();
  EXPECT_EQ(P.Events, "<2<3<3W") << "stops on the last frame";
  EXPECT_FALSE(I.AnimationRunning());
  EXPECT_EQ(I.CurrentFrame(), 3);
  EXPECT_EQ(Pixel(I, 1, 1), 0x0000FFu);

  // Loop set now starts again from the first frame.
  P.Events.clear();
  I.SetLoop(true);
  EXPECT_TRUE(I.AnimationRunning());
  for (int i = 0; i < 4; ++i) I.AnimationTick();
  EXPECT_EQ(P.Events, "<1<2<3<1W<2");

  // Stopping returns to the first frame.
  P.Events.clear();
  I.SetAnimate(false);
  EXPECT_EQ(P.Events, "<1");
  EXPECT_EQ(Pixel(I, 1, 1), 0xFF0000u);
  EXPECT_FALSE(I.AnimationRunning());
}

TEST(GIFImage, LoopCountOfTheFile) {
  struct TCase {
    int LoopCount;
    bool Loop;
    const char* Expected;
  };
  const TCase Cases[] = {
      {2, false, "<2<3<1W<2<3<3W"},
      {0, false, "<2<3<1W<2<3<1W<2<3<1W"},  // 0: endless
      {1, true, "<2<3<1W<2<3<1W<2<3<1W"},
  };
  for (const TCase& C : Cases) {
    TGIFImage I;
    I.LoadFromData(ThreeColours(C.LoopCount));
    I.SetLoop(C.Loop);
    TPlayback P;
    P.Attach(I);
    I.SetAnimate(true);
    for (int i = 0; i < 9; ++i) I.AnimationTick();
    EXPECT_EQ(P.Events, C.Expected) << C.LoopCount << " " << C.Loop;
  }
}

TEST(GIFImage, FrameTimes) {
  TGIFImage I;
  I.LoadFromData(ThreeColours(-1, 0, 20, 150));
  struct TCase {
    int Speed, Frame, Expected;
  };
  const TCase Cases[] = {{100, 1, 50}, {100, 2, 50}, {100, 3, 150}, {200, 1, 25}, {200, 2, 25}, {200, 3, 75}};
  for (const TCase& C : Cases) {
    I.SetSpeed(C.Speed);
    EXPECT_EQ(I.FrameTime(C.Frame), C.Expected) << C.Speed << " " << C.Frame;
  }
  I.SetSpeed(200);
  EXPECT_EQ(I.TimerInterval(), 0);
  I.SetAnimate(true);
  EXPECT_EQ(I.TimerInterval(), 25) << "the first frame's time at speed 200";
  I.SetSpeed(100);
  EXPECT_EQ(I.TimerInterval(), 1) << "a new speed takes effect at once";
  I.SetAnimate(false);
  I.SetAnimate(true);
  EXPECT_EQ(I.TimerInterval(), 50);

  TGIFImage Single;
  Single.LoadFromData(Bytes(EncodeFrames({Frame(SolidPixels(2, 2, 0xFF))})));
  Single.SetAnimate(true);
  EXPECT_FALSE(Single.AnimationRunning()) << "one frame does not animate";
}

TEST(GIFImage, AnimatesWithItsTimerInBothModes) {
  for (bool Threaded : {false, true}) {
    TGIFImage I;
    I.SetThreaded(Threaded);
    I.LoadFromData(ThreeColours(0, 0, 0, 0));
    I.SetSpeed(10000);  // 1 ms frames
    int Wraps = 0;
    I.OnWrapAnimation = [&](QObject*) { ++Wraps; };
    I.SetAnimate(true);
    EXPECT_TRUE(WaitUntil([&] { return Wraps >= 3; })) << Threaded;
    I.SetAnimate(false);
    EXPECT_EQ(I.CurrentFrame(), 1);
  }
}

TEST(GIFImage, CurrentFrameComposesTheFramesBefore) {
  static const TGIFPixels Back = SolidPixels(4, 4, 0xFF0000), Dot = SolidPixels(2, 2, 0x00FF00),
                          Tiny = SolidPixels(1, 1, 0x0000FF);
  TGIFImage I;
  I.LoadFromData(Bytes(EncodeFrames({Frame(Back), Frame(Dot, 2, 2, 0, 2), Frame(Tiny)})));
  int Changes = 0;
  I.OnChange = [&](QObject*) { ++Changes; };
  I.SetCurrentFrame(3);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Pixel(I, 0, 0), 0x0000FFu);
  EXPECT_EQ(Pixel(I, 3, 3), 0x000000u) << "restored to the background by disposal 2";
  EXPECT_EQ(Pixel(I, 1, 1), 0xFF0000u);
  I.SetCurrentFrame(2);
  EXPECT_EQ(Pixel(I, 3, 3), 0x00FF00u);
  EXPECT_EQ(Pixel(I, 0, 0), 0xFF0000u);
  I.SetCurrentFrame(0);
  I.SetCurrentFrame(4);
  EXPECT_EQ(I.CurrentFrame(), 2);
  EXPECT_EQ(Changes, 2);
}

TEST(GIFImage, DrawsIntoItsDestination) {
  const QByteArray Wide = Bytes(EncodeFrames({Frame(SolidPixels(100, 50, 0xFF0000))}));
  struct TCase {
    const char* Name;
    bool Stretch, Ratio, BigOnly, Center;
    QRect Red;  // where the picture lands in a 200 x 200 control
  };
  const TCase Cases[] = {
      {"natural size", false, false, false, false, QRect(0, 0, 100, 50)},
      {"ratio", false, true, false, false, QRect(0, 50, 200, 100)},
      {"big only", false, true, true, false, QRect(0, 0, 100, 50)},
      {"stretched", true, false, false, false, QRect(0, 0, 200, 200)},
      {"centred", false, false, false, true, QRect(50, 75, 100, 50)},
  };
  for (const TCase& C : Cases) {
    TGIFImage I;
    I.resize(200, 200);
    I.SetStretch(C.Stretch);
    I.SetStretchRatio(C.Ratio);
    I.SetStretchBigOnly(C.BigOnly);
    I.SetCenter(C.Center);
    I.SetOpaque(true);
    I.SetColor(clWhite);
    I.LoadFromData(Wide);
    const QImage Shot = I.grab().toImage();
    int Wrong = 0;
    for (int Y = 0; Y < 200; ++Y)
      for (int X = 0; X < 200; ++X)
        Wrong += ((Shot.pixel(X, Y) & 0xFFFFFF) == 0xFF0000u) != C.Red.contains(X, Y);
    EXPECT_EQ(Wrong, 0) << C.Name;
  }
}

TEST(GIFImage, TransparencyShowsColourWhenOpaque) {
  const TGIFPixels Half = MakePixels(4, 4, [](int X, int) { return X < 2 ? 0xFFFFFF : 0x0000FF; });
  TGIFWriteFrame F = Frame(Half);
  F.Transparent = true;
  F.TransparentColor = 0xFFFFFF;
  TGIFImage I;
  I.resize(4, 4);
  I.LoadFromData(Bytes(EncodeFrames({F})));
  EXPECT_EQ(I.ToImage().pixel(0, 0), 0u) << "transparent in the copy";
  EXPECT_EQ(I.ToImage().pixel(3, 0), 0xFF0000FFu);
  EXPECT_FALSE(I.testAttribute(Qt::WA_OpaquePaintEvent));
  I.SetColor(clLime);
  EXPECT_NE(I.grab().toImage().pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
  I.SetOpaque(true);
  const QImage Shot = I.grab().toImage();
  EXPECT_EQ(Shot.pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(Shot.pixel(3, 3) & 0xFFFFFF, 0x0000FFu);
}

TEST(GIFImage, ADecodedPictureKeepsItsPixelsWhenACopyIsPaintedOn) {
  // The decoded picture owns the composed pixels without a copy; painting
  // on a copy of it (as the panel does on its background) must not reach
  // the picture every page shares.
  QImage Source(6, 4, QImage::Format_RGB32);
  Source.fill(QColor(0, 0, 128));
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  const QString Name = Dir.filePath(QStringLiteral("Blau.gif"));
  ASSERT_TRUE(SaveBitmapAsGIF(Name, Source));
  QFile File(Name);
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  const QImage Shared = DecodeGIFImage(File.readAll());
  ASSERT_EQ(Shared.size(), QSize(6, 4));
  QImage Copy = Shared;
  Copy.fill(Qt::red);
  EXPECT_EQ(Shared.pixel(5, 3), 0xFF000080u);
  EXPECT_EQ(Copy.pixel(5, 3), 0xFFFF0000u);

  TGIFPixels Pixels(2, 1, 0xFF00FF00u);
  const QImage Taken = ImageFromPixels(std::move(Pixels));
  EXPECT_EQ(Taken.pixel(1, 0), 0xFF00FF00u);
  EXPECT_EQ(Pixels.Width, 0);
  EXPECT_TRUE(Pixels.Pixels.empty());
}

TEST(GIFImage, SavesBitmapsWithFewColours) {
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  QImage Few(30, 20, QImage::Format_RGB32);
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 30; ++X) Few.setPixel(X, Y, TestColor((X / 3 + Y) % 40) | 0xFF000000u);
  const QString Name = Dir.filePath(QStringLiteral("Seite.gif"));
  ASSERT_TRUE(SaveBitmapAsGIF(Name, Few));
  QFile File(Name);
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  const QImage Back = DecodeGIFImage(File.readAll());
  ASSERT_EQ(Back.size(), Few.size());
  EXPECT_EQ(Back.convertToFormat(QImage::Format_RGB32), Few);

  QImage Many(257, 1, QImage::Format_RGB32);
  for (int X = 0; X < 257; ++X) Many.setPixel(X, 0, TestColor(X) | 0xFF000000u);
  EXPECT_FALSE(SaveBitmapAsGIF(Dir.filePath(QStringLiteral("Neu.gif")), Many));
  EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("Neu.gif"))));
  EXPECT_FALSE(SaveBitmapAsGIF(Name, Many));
  EXPECT_EQ(DecodeGIFImage([&] {
              QFile Again(Name);
              Again.open(QIODevice::ReadOnly);
              return Again.readAll();
            }()).size(),
            Few.size())
      << "the old file stays";
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 1);
}
