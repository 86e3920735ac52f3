#include <gtest/gtest.h>

#include <QComboBox>
#include <QToolButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <csignal>
#include <fstream>

#include "ShellTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "components/GIFBitmap.h"
#include "components/GIFGraphic.h"
#include "components/GIFImage.h"
#include "shell/Pictures.h"
#include "shell/Chapter.h"
#include "platform/StdControls.h"
#include "scene/MMButton.h"
#include "shell/LearnPathImage.h"

namespace {

// A chapter owner with a bare page of a given size.
struct TBareOwner : TChapterOwner {
  QWidget Page;
  std::unique_ptr<TBitmap> Rendered;
  QWidget* CurrentPageForm() const override { return const_cast<QWidget*>(&Page); }
  const TBitmap* ChapterBitmap() const override { return Rendered.get(); }
};

QImage Tile3x2() {
  QImage Tile(3, 2, QImage::Format_RGB32);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) Tile.setPixel(X, Y, qRgb(X * 80, Y * 200, 50));
  return Tile;
}

void Click(QWidget* Widget) {
  const QPointF At(2, 2);
  QMouseEvent Press(QEvent::MouseButtonPress, At, Widget->mapToGlobal(At), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent Release(QEvent::MouseButtonRelease, At, Widget->mapToGlobal(At), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(Widget, &Press);
  QCoreApplication::sendEvent(Widget, &Release);
}

QList<TLearnPathImage*> LearnPathImages(QWidget* Page) { return Page->findChildren<TLearnPathImage*>(); }

}  // namespace

TEST(Chapter, BitmapChapterTilesFromTheTopLeft) {
  TBareOwner Owner;
  Owner.Page.resize(7, 5);
  TBitmapChapter Chapter(Owner, Tile3x2());
  const std::unique_ptr<TBitmap> Bitmap = Chapter.CreateChapterBitmap();
  ASSERT_EQ(Bitmap->Image().size(), QSize(7, 5));
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 7; ++X)
      ASSERT_EQ(Bitmap->Image().pixel(X, Y) & 0xffffff, Tile3x2().pixel(X % 3, Y % 2) & 0xffffff) << X << "," << Y;

  TBitmapChapter Empty(Owner, QImage());  // nothing to tile: stays white
  EXPECT_EQ(Empty.CreateChapterBitmap()->Image().pixel(3, 3) & 0xffffff, 0xffffffu);
}

TEST(Chapter, LoadedPictureBecomesTheTileInItsOwnRowsWithWhiteForTransparent) {
  TBareOwner Owner;
  Owner.Page.resize(4, 2);
  const uchar* Loaded = nullptr;
  auto Load = [&Loaded](int Alpha) {
    return [&Loaded, Alpha] {
      QImage Picture(2, 2, QImage::Format_ARGB32_Premultiplied);
      Picture.fill(Qt::transparent);
      Picture.setPixel(0, 0, qRgba(Alpha * 200 / 255, 0, 0, Alpha));
      Picture.setPixel(1, 1, qRgba(0, 0, 90, 255));
      Loaded = Picture.constBits();
      return Picture;
    };
  };
  // All pixels opaque or clear (a GIF): the decoded rows become the tile.
  TBitmapChapter Chapter(Owner, Load(255));
  const TBitmap& Tile = Chapter.Tile();
  EXPECT_EQ(Tile.Image().constBits(), Loaded);
  EXPECT_EQ(Tile.Image().format(), QImage::Format_RGB32);
  EXPECT_EQ(Tile.Image().pixel(0, 0), qRgb(200, 0, 0));
  EXPECT_EQ(Tile.Image().pixel(1, 0), qRgb(255, 255, 255));
  EXPECT_EQ(Tile.Image().pixel(1, 1), qRgb(0, 0, 90));
  EXPECT_EQ(Chapter.CreateChapterBitmap()->Image().pixel(2, 1), qRgb(255, 255, 255));

  // A partly transparent pixel is blended onto white as before.
  TBitmapChapter Blended(Owner, Load(128));
  const QRgb Half = Blended.Tile().Image().pixel(0, 0);
  EXPECT_NEAR(qRed(Half), 200 * 128 / 255 + 127, 2);
  EXPECT_NEAR(qGreen(Half), 127, 2);
  EXPECT_EQ(Blended.Tile().Image().pixel(1, 1), qRgb(0, 0, 90));
}

TEST(Chapter, PlainChapterDrawsADiagonalAndPaintsTheRenderedBitmap) {
  TBareOwner Owner;
  Owner.Page.resize(20, 10);
  TChapter Chapter(Owner);
  Owner.Rendered = Chapter.CreateChapterBitmap();
  const QImage& Image = Owner.Rendered->Image();
  EXPECT_EQ(Image.pixel(5, 5) & 0xffffff, 0u);  // black pen on the diagonal
  EXPECT_EQ(Image.pixel(6, 5) & 0xffffff, 0xffffffu);

  QImage Target(30, 30, QImage::Format_RGB32);
  Target.fill(Qt::blue);
  {
    QPainter P(&Target);
    Chapter.PaintChapterBackground(P);
  }
  EXPECT_EQ(Target.pixel(9, 9) & 0xffffff, 0u);
  EXPECT_EQ(Target.pixel(19, 0) & 0xffffff, 0xffffffu);
  EXPECT_EQ(Target.pixel(20, 0), QColor(Qt::blue).rgb());  // only the page's size
}

TEST(CourseObject, ChapterBackgroundIsRenderedPerChapterAndPaintedBehindThePage) {
  TShownMain M;
  TMMX& C = M.Course();
  EXPECT_EQ(C.ChapterCount(), 7);
  EXPECT_EQ(C.PaintingChapter(), nullptr);  // the start page has none
  M.Goto(110);
  const TBitmap* First = C.ChapterBitmap();
  ASSERT_NE(First, nullptr);
  EXPECT_EQ(C.PaintingChapter(), &C.Chapter(1));
  EXPECT_EQ(QSize(First->Width(), First->Height()), C.CurrentPageForm()->size());
  M.Goto(120);
  EXPECT_EQ(C.ChapterBitmap(), First);  // same chapter: reused
  // What the pupil sees: the chapter picture instead of the page's own red.
  const QImage Shown = C.CurrentPageForm()->grab().toImage();
  EXPECT_EQ(Shown.pixel(1, 1) & 0xffffff, First->Image().pixel(1, 1) & 0xffffff);
  EXPECT_NE(Shown.pixel(1, 1) & 0xffffff, 0xff0000u);
  M.Goto(210);
  EXPECT_EQ(C.PaintingChapter(), &C.Chapter(2));
  M.Goto(810);  // chapter 8: no background
  EXPECT_EQ(C.PaintingChapter(), nullptr);
  EXPECT_EQ(C.CurrentPageForm()->grab().toImage().pixel(1, 1) & 0xffffff, 0xff0000u);
}

TEST(CourseObject, LearnPathButtons) {
  TShownMain M;
  QWidget* Start = M.Course().CurrentPageForm();
  QList<TLearnPathImage*> Images = LearnPathImages(Start);
  ASSERT_EQ(Images.size(), 1);
  EXPECT_EQ(Images[0]->toolTip(), "Starte Lernweg");
  EXPECT_EQ(Images[0]->Target(), 100);
  EXPECT_EQ(Images[0]->geometry(), QRect(Start->width() - 34, Start->height() - 34, 34, 34));

  Click(Images[0]);
  EXPECT_EQ(M.Course().CurrentPage(), 10);  // posted
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 100);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 100}));

  M.Goto(110);
  Images = LearnPathImages(M.Course().CurrentPageForm());
  ASSERT_EQ(Images.size(), 2);
  for (const TLearnPathImage* Image : Images) {
    const bool Back = Image->x() == 0;
    EXPECT_EQ(Image->toolTip(), Back ? "Lernweg zurück" : "Lernweg weiter");
    EXPECT_EQ(Image->Target(), Back ? 100 : 120);
  }
  M.Goto(1010);  // the last page of the path
  Images = LearnPathImages(M.Course().CurrentPageForm());
  ASSERT_EQ(Images.size(), 1);
  EXPECT_EQ(Images[0]->x(), 0);
}

TEST(CourseObject, PageFontsSkipNegativeTags) {
  TShownMain M;
  M.Pages.Tags["TfmRVBrems"] = 0;
  QPointer<QComboBox> Styled, Skipped;
  M.Course().PageFactory = [&, Inner = M.Pages.Factory()](const std::string& Class, QWidget* Parent) {
    std::unique_ptr<QWidget> Page = Inner(Class, Parent);
    Styled = new QComboBox(Page.get());
    Skipped = new QComboBox(Page.get());
    Skipped->setProperty("Tag", -1);
    Skipped->setFont(QFont("DejaVu Serif", 20));
    return Page;
  };
  M.Goto(120);
  EXPECT_EQ(M.Course().CurrentPageForm()->font().family(), SubstituteFontFamily("Tahoma"));
  EXPECT_EQ(M.Course().CurrentPageForm()->font().pixelSize(), 15);  // 11 points at 96 dpi
  EXPECT_EQ(Styled->font().pixelSize(), 13);                        // 10 points
  EXPECT_EQ(Skipped->font().family(), "DejaVu Serif");
}

TEST(Calculator, FirstInstalledInOrder) {
  const QStringList Names = CalculatorPrograms();
  EXPECT_EQ(Names.first(), "gnome-calculator");
  EXPECT_EQ(Names.last(), "xcalc");
  auto Only = [](QStringList Installed) {
    return FindCalculator([Installed](const QString& N) { return Installed.contains(N) ? "/x/" + N : QString(); });
  };
  EXPECT_EQ(Only({"xcalc", "kcalc", "mate-calc"}), "/x/kcalc");
  EXPECT_EQ(Only({"qalculate-gtk", "xcalc"}), "/x/qalculate-gtk");
  EXPECT_EQ(Only({}), "");
}

TEST(Calculator, DetachedProcessIsEndedThroughItsHandle) {
  TDetachedStarter Starter;
  EXPECT_FALSE(Starter.Start("/nonexistent/calculator").has_value());
  const std::optional<TProcessRecord> Record = Starter.Start("/bin/cat");
  ASSERT_TRUE(Record.has_value());
  ASSERT_NE(Record->Handle, NoProcessHandle);
  Starter.Release(*Record);  // cat ends by itself on its empty input

  // A process that waits for ever, ended through the recorded handle.
  const std::optional<TProcessRecord> Waiting = Starter.Start("/bin/sleep", {"30"});
  ASSERT_TRUE(Waiting.has_value());
  ASSERT_NE(Waiting->Handle, NoProcessHandle);
  Starter.Terminate(*Waiting);
  auto Ended = [Pid = Waiting->ProcessId] {
    std::ifstream Stat("/proc/" + std::to_string(Pid) + "/stat");
    std::string Id, Name, State;
    return !(Stat >> Id >> Name >> State) || State == "Z";
  };
  // Polled for up to ten seconds: a loaded machine may be slow to reap it.
  for (int I = 0; I < 500 && !Ended(); ++I) QThread::msleep(20);
  EXPECT_TRUE(Ended());
}

TEST(Pictures, EveryPictureOfTheMainWindowIsThere) {
  for (const char* File : {"chapter0.gif", "chapter1.gif", "chapter2.gif", "chapter3.gif", "chapter4.gif",
                           "pathback.gif", "pathforward.gif"})
    EXPECT_FALSE(DecodeGIFImage(PictureFile(File)).isNull()) << File;
  EXPECT_TRUE(PictureFile("no-such-picture.gif").isEmpty());
  TShownMain M;
  for (const QToolButton* Button : M.Main->Panel1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
    EXPECT_FALSE(Button->icon().isNull()) << Button->objectName().toStdString();
  EXPECT_EQ(M.Main->Panel1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly).size(), 11);
}

TEST(MainWindowPictures, HiddenGIFPicturesFeedChaptersAndLearnPath) {
  TShownMain M;
  for (const char* Name : {"GIFImage1", "GIFImage3", "GIFImage4", "GIFImage5", "GIFImage6", "giLSide", "giRSide"}) {
    const auto* Picture = M.Main->findChild<TGIFImage*>(Name);
    ASSERT_NE(Picture, nullptr) << Name;
    EXPECT_TRUE(Picture->isHidden()) << Name;
  }
  // The start page needs no chapter picture: none is decoded yet.
  for (const TGIFImage* Chapter : {M.Main->GIFImage1, M.Main->GIFImage3, M.Main->GIFImage4, M.Main->GIFImage5})
    EXPECT_TRUE(Chapter->Empty()) << Chapter->objectName().toStdString();
  EXPECT_EQ(M.Main->giRSide->size(), QSize(34, 34));
  EXPECT_EQ(M.Course().ForwardPicture(), M.Main->giRSide->ToImage());
  EXPECT_EQ(M.Course().BackPicture().size(), QSize(34, 34));
  // Chapter 1 tiles its picture, decoded straight into the tile when the
  // chapter is entered; the hidden controls stay empty.
  M.Goto(110);
  for (const TGIFImage* Chapter : {M.Main->GIFImage3, M.Main->GIFImage4, M.Main->GIFImage7})
    EXPECT_TRUE(Chapter->Empty()) << Chapter->objectName().toStdString();
  const QImage Picture = DecodeGIFImage(PictureFile(QStringLiteral("chapter1.gif")));
  ASSERT_FALSE(Picture.isNull());
  const QImage& Background = M.Course().ChapterBitmap()->Image();
  for (const QPoint At : {QPoint(3, 3), QPoint(400, 200), QPoint(Picture.width() + 5, 7)}) {
    const QRgb Source = Picture.pixel(At.x() % Picture.width(), At.y());
    EXPECT_EQ(Background.pixel(At) & 0xffffff, qAlpha(Source) ? Source & 0xffffff : 0xffffffu);
  }
}

TEST(CourseObject, ButtonPicturesMustNotBePlainBitmaps) {
  TShownMain M;
  M.Course().PageFactory = [Inner = M.Pages.Factory()](const std::string& Class, QWidget* Parent) {
    std::unique_ptr<QWidget> Page = Inner(Class, Parent);
    auto Button = [&](const char* Name, int Tag, std::unique_ptr<TGraphic> Glyph) {
      auto* B = new TMMButton(Page.get());
      B->setObjectName(Name);
      B->SetTag(Tag);
      if (Glyph) B->Glyph()->SetGraphic(std::move(Glyph));
    };
    auto Gif = std::make_unique<TGIFGraphic>();
    Gif->LoadFromMemory(PictureFile("tool_home.gif"));
    Button("MMButton1", 0, std::make_unique<TBitmap>(4, 4));
    Button("MMButton2", 0, std::move(Gif));
    Button("MMButton3", -1, std::make_unique<TBitmap>(4, 4));  // skipped
    Button("MMButton4", 0, nullptr);
    return Page;
  };
  M.Goto(120);
  EXPECT_EQ(M.Course().CurrentPage(), 120);  // shown anyway
  EXPECT_EQ(M.Messages.Texts, QStringList{"MMButton1: Die Graphik ist noch ein Bitmap!"});
}
