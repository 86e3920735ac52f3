// Page pictures, printing and the information window's exports, driven
// through the main window's menu handlers with answered dialogs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProgressDialog>
#include <QTimer>
#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "components/ColourReduction.h"
#include "components/GIFDecoder.h"
#include "platform/Dialogs.h"
#include "platform/SaveDialog.h"
#include "shell/About.h"
#include "shell/PageImage.h"
#include "shell/PagePrinting.h"
#include "shell/ShellTestSupport.h"

namespace {

// A page-sized picture with a smooth gradient: far more than 256 colours.
QImage GradientPicture(int Width = 736, int Height = 482) {
  QImage Picture(Width, Height, QImage::Format_RGB32);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) Picture.setPixel(X, Y, qRgb(X * 255 / Width, Y * 255 / Height, (X + Y) % 256));
  return Picture;
}

QByteArray Contents(const QString& FileName) {
  QFile F(FileName);
  return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

TGIFPicture ReadGif(const QString& FileName) {
  const QByteArray Bytes = Contents(FileName);
  return DecodeGIF(reinterpret_cast<const std::uint8_t*>(Bytes.constData()), static_cast<std::size_t>(Bytes.size()));
}

TEST(PageImage, ExtensionsChooseTheKindInAnyCase) {
  EXPECT_EQ(PictureKindOf("seite.gif"), TPictureKind::Gif);
  EXPECT_EQ(PictureKindOf("SEITE.GIF"), TPictureKind::Gif);
  EXPECT_EQ(PictureKindOf("seite.Png"), TPictureKind::Png);
  EXPECT_EQ(PictureKindOf("seite.bmp"), TPictureKind::Bitmap);
  EXPECT_EQ(PictureKindOf("seite.jpg"), TPictureKind::Bitmap);
  EXPECT_EQ(PictureKindOf("seite"), std::nullopt);
}

TEST(PageImage, GifsOfManyColoursAreReducedNotRefused) {
  TGIFPixels Pixels(200, 100);
  for (int Y = 0; Y < 100; ++Y)
    for (int X = 0; X < 200; ++X) Pixels.Row(Y)[X] = 0xFF000000u | (X << 16) | (Y * 2 << 8) | ((X + Y) / 2);
  ASSERT_GT(CountColours(Pixels, 256), 256u);
  const TGIFPixels Reduced = ReduceColours(Pixels);
  EXPECT_LE(CountColours(Reduced, 256), 256u);
  // Close to the original: a mean error of a few levels per channel.
  double Error = 0;
  for (std::size_t I = 0; I < Pixels.Pixels.size(); ++I)
    for (int Shift : {0, 8, 16})
      Error += std::abs(static_cast<int>((Pixels.Pixels[I] >> Shift) & 0xFF) - static_cast<int>((Reduced.Pixels[I] >> Shift) & 0xFF));
  EXPECT_LT(Error / (Pixels.Pixels.size() * 3.0), 6.0);
  // Few colours stay exactly as they are.
  TGIFPixels Two(4, 1, 0xFF102030u);
  Two.Pixels[0] = 0xFFFFFFFFu;
  EXPECT_EQ(ReduceColours(Two).Pixels, Two.Pixels);
}

TEST(PageImage, ThumbnailsAndFullSizePictures) {
  QTemporaryDir Dir;
  QWidget Page;
  Page.resize(736, 482);
  Page.setAutoFillBackground(true);
  const QImage Shot = WidgetPicture(&Page, 10);
  EXPECT_EQ(Shot.size(), QSize(74, 48));  // 73.6 and 48.2 to the nearest pixel
  EXPECT_EQ(WidgetPicture(&Page, 25).size(), QSize(184, 120));  // 120.5: the even neighbour

  WritePicture(GradientPicture(74, 48), Dir.filePath("klein.gif"), TPictureKind::Gif);
  const TGIFPicture Gif = ReadGif(Dir.filePath("klein.gif"));
  EXPECT_EQ(Gif.Status, TGIFStatus::Ok);
  EXPECT_EQ(Gif.Width, 74);
  EXPECT_EQ(Gif.Height, 48);
  WritePicture(GradientPicture(), Dir.filePath("gross.GIF"), TPictureKind::Gif);
  EXPECT_EQ(ReadGif(Dir.filePath("gross.GIF")).Width, 736);
  WritePicture(GradientPicture(74, 48), Dir.filePath("klein.bmp"), TPictureKind::Bitmap);
  EXPECT_TRUE(Contents(Dir.filePath("klein.bmp")).startsWith("BM"));
  WritePicture(GradientPicture(), Dir.filePath("ganz.png"), TPictureKind::Png);
  EXPECT_EQ(QImage(Dir.filePath("ganz.png")).size(), QSize(736, 482));
}

TEST(PageImage, AFailedWriteLeavesNothingAndSaysWhy) {
  QTemporaryDir Dir;
  const QString Missing = Dir.filePath("fehlt/seite.gif");
  try {
    WritePicture(GradientPicture(10, 10), Missing, TPictureKind::Gif);
    FAIL() << "no error";
  } catch (const EPictureWriteError& E) {
    EXPECT_NE(QString::fromUtf8(E.what()).indexOf("konnte nicht geschrieben werden"), -1);
  }
  EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(PageImage, SavingAPageAsksBeforeReplacingAFile) {
  QTemporaryDir Dir;
  TfmShellDemoPage::Register();
  TShownMain Shown;
  Shown.Pages.Missing.clear();
  std::optional<QString> Chosen;
  TSavePresenterScope Save([&Chosen](const TSaveRequest& R) {
    EXPECT_EQ(R.Title, "Aktuelle Seite als Bild speichern");
    EXPECT_EQ(R.Filters.size(), 3);
    EXPECT_EQ(R.DefaultExt, "bmp");
    EXPECT_FALSE(R.ConfirmOverwrite);
    return Chosen;
  });
  const QString Gif = Dir.filePath("seite.gif");
  Chosen = Gif;
  Shown.Main->Bildspeichern1Click(nullptr);
  const QSize Page = Shown.Course().CurrentPageForm()->size();
  const TGIFPicture Written = ReadGif(Gif);
  ASSERT_EQ(Written.Status, TGIFStatus::Ok);
  EXPECT_EQ(Written.Width, qRound(Page.width() / 10.0));

  // The file exists: No keeps it, Yes replaces it.
  QFile::resize(Gif, 3);
  Shown.Messages.Texts.clear();
  TModalResult Answer = mrNo;
  TMessagePresenterScope Ask([&](const TMessageRequest& R) {
    Shown.Messages.Texts << R.Text;
    return Answer;
  });
  Shown.Main->Bildspeichern1Click(nullptr);
  ASSERT_EQ(Shown.Messages.Texts.size(), 1);
  EXPECT_EQ(Shown.Messages.Texts[0], "Die Datei \"" + Gif + "\"\r\n existiert bereits. Überschreiben?");
  EXPECT_EQ(QFileInfo(Gif).size(), 3);
  Answer = mrYes;
  Shown.Main->Bildspeichern1Click(nullptr);
  EXPECT_GT(QFileInfo(Gif).size(), 3);

  // Cancelled, or a name without extension: nothing is written or asked.
  Shown.Messages.Texts.clear();
  Chosen.reset();
  Shown.Main->Bildspeichern1Click(nullptr);
  Chosen = Dir.filePath("ohne.");
  Shown.Main->Bildspeichern1Click(nullptr);
  EXPECT_TRUE(Shown.Messages.Texts.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Dir.filePath("ohne.")));
}

TEST(PagePrinting, PdfHoldsThePictureAtItsPrintedSize) {
  QTemporaryDir Dir;
  const QString Pdf = Dir.filePath("seite.pdf");
  PrintToPdf(GradientPicture(), Pdf);
  const QByteArray Bytes = Contents(Pdf);
  EXPECT_TRUE(Bytes.startsWith("%PDF"));
  EXPECT_NE(Bytes.indexOf("/Image"), -1);
  EXPECT_GT(Bytes.size(), 20000);
  // Only the finished document is left in the folder.
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(PagePrinting, TheWholeWindowFitsOnThePaperAndSmallerPicturesKeepTheirSize) {
  TfmShellDemoPage::Register();
  TShownMain Shown;
  const QImage Window = Shown.Main->ClientPicture();
  ASSERT_EQ(Window.width(), 800);
  QBuffer Buffer;
  Buffer.open(QIODevice::WriteOnly);
  QPdfWriter Writer(&Buffer);
  SetUpPdfPage(Writer);
  // 800 pixels at 96 dpi would be 10000 of the 9921 dots of A4 paper.
  const QRectF Area = PrintedArea(Window.size(), Writer);
  EXPECT_EQ(Area.topLeft(), QPointF(0, 0));
  EXPECT_DOUBLE_EQ(Area.width(), Writer.width());
  EXPECT_NEAR(Area.height() / Area.width(), double(Window.height()) / Window.width(), 1e-9);
  // A page alone is narrower than the paper: printed as large as on the screen, not enlarged.
  EXPECT_EQ(PrintedArea(QSize(736, 482), Writer), QRectF(0, 0, 9200, 6025));
}

TEST(PagePrinting, WithoutPrinterTheWindowCanBeSavedAsPdf) {
  if (HasDefaultPrinter()) GTEST_SKIP() << "this machine has a printer";
  QTemporaryDir Dir;
  TfmShellDemoPage::Register();
  TShownMain Shown;
  const QString Pdf = Dir.filePath("seite.pdf");
  TSavePresenterScope Save([&Pdf](const TSaveRequest& R) -> std::optional<QString> {
    EXPECT_EQ(R.DefaultExt, "pdf");
    return Pdf;
  });
  QStringList Asked;
  TModalResult Answer = mrNo;
  TMessagePresenterScope Ask([&](const TMessageRequest& R) {
    Asked << R.Text;
    return Answer;
  });
  Shown.Main->Drucken1Click(nullptr);  // No: nothing written
  ASSERT_EQ(Asked.size(), 1);
  EXPECT_TRUE(Asked[0].startsWith("Es ist kein Drucker eingerichtet."));
  EXPECT_FALSE(QFileInfo::exists(Pdf));
  Answer = mrYes;
  Shown.Main->Drucken1Click(nullptr);
  EXPECT_TRUE(Contents(Pdf).startsWith("%PDF"));
  EXPECT_NE(Contents(Pdf).indexOf("/Image"), -1);
}

TEST(About, VersionAndMemoryTexts) {
  EXPECT_EQ(AboutVersionText(QDateTime(QDate(1997, 12, 31), QTime(0, 0))), "Version ALPHA (0.73.0)");
  EXPECT_EQ(AboutVersionText(QDateTime(QDate(1998, 1, 1), QTime(18, 0))), "Version ALPHA (0.73.2)");
  EXPECT_EQ(MemoryText(8ull << 30, 2ull << 30), "Phys. Speicher: 75% = 2048 MB");
}

TEST(About, TextExportListsEveryPageWithForm) {
  QTemporaryDir Dir;
  TfmShellDemoPage::Register();
  TShownMain Shown;
  Shown.Pages.Missing = {"TfmRVBrems"};
  const QString File = Dir.filePath("QXInfo.txt");
  EXPECT_EQ(TfmAbout::ExportPageTexts(Shown.Course(), File), File);
  const QString Text = QString::fromUtf8(Contents(File));
  EXPECT_TRUE(Text.startsWith("10: Velotra\r\n"));
  EXPECT_NE(Text.indexOf("960: Velotra/Faktorisieren/"), -1);
  EXPECT_NE(Text.indexOf("970: Velotra/Faktorisieren/"), -1);
  EXPECT_EQ(Text.indexOf("120: "), -1);
  EXPECT_TRUE(Shown.Messages.Texts.contains("Für Velotra/Rechenvorschriften/Bremsweg existiert noch kein Formular!"));
}

TEST(About, PictureExportWritesOneGifPerPageAndRestoresTheLearningPath) {
  QTemporaryDir Dir;
  TfmShellDemoPage::Register();
  TShownMain Shown;
  Shown.Course().Model().LearnPath().SetExclusive(true);
  const int Written = TfmAbout::ExportPagePictures(Shown.Course(), Dir.path(), Shown.Main.get());
  const QStringList Files = QDir(Dir.path()).entryList({"*.gif"}, QDir::Files);
  EXPECT_EQ(Written, Files.size());
  EXPECT_EQ(Written, Shown.Course().Model().Pages().Count());  // every row, 960 and 970 each under its number
  for (const QString& F : Files) EXPECT_EQ(ReadGif(Dir.filePath(F)).Status, TGIFStatus::Ok) << F.toStdString();
  EXPECT_TRUE(Shown.Course().Model().LearnPath().Exclusive());
}

TEST(About, CancelledPictureExportStopsEarlyAndRestoresTheLearningPath) {
  QTemporaryDir Dir;
  TfmShellDemoPage::Register();
  TShownMain Shown;
  Shown.Course().Model().LearnPath().SetExclusive(true);
  // The author presses "Abbrechen" once three pictures are written; the
  // press gets through before the fourth page is taken.
  QTimer Watch;
  QObject::connect(&Watch, &QTimer::timeout, [&Dir] {
    if (QDir(Dir.path()).entryList({"*.gif"}, QDir::Files).size() < 3) return;
    for (QWidget* W : QApplication::topLevelWidgets())
      if (auto* Progress = qobject_cast<QProgressDialog*>(W)) Progress->cancel();
  });
  Watch.start(0);
  const int Written = TfmAbout::ExportPagePictures(Shown.Course(), Dir.path(), Shown.Main.get());
  EXPECT_EQ(Written, 3);
  // The first three pages in course order.
  std::vector<int> First;
  for (const TTocNodeId Id : Shown.Course().Model().Contents().CourseOrder())
    if (const int Page = Shown.Course().Model().Contents().Node(Id).Page; Page >= 0 && First.size() < 3)
      First.push_back(Page);
  QStringList Expected;
  for (const int Page : First) Expected << QStringLiteral("%1.gif").arg(Page);
  Expected.sort();
  EXPECT_EQ(QDir(Dir.path()).entryList({"*.gif"}, QDir::Files, QDir::Name), Expected);
  EXPECT_TRUE(Shown.Course().Model().LearnPath().Exclusive());
}

}  // namespace
