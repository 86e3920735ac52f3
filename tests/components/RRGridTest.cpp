#include <gtest/gtest.h>

#include <QImage>

#include "components/RRGrid.h"
#include "platform/Bitmap.h"
#include "platform/Convert.h"
#include "platform/Forms.h"
#include "platform/Picture.h"
#include "platform/PlatformClasses.h"

namespace {
// A picture control as a page's background.
class TTestImage : public TControl {
  Q_OBJECT
  Q_PROPERTY(TPicture* Picture READ Picture)
 public:
  explicit TTestImage(QWidget* Parent = nullptr) : TControl(Parent), FPicture(new TPicture(this)) {}
  TPicture* Picture() const { return FPicture; }

 private:
  TPicture* FPicture;
};

// 3 x 3 cells of 40 x 20 pixels with one-pixel grid lines and no border:
// columns start at 0, 41, 82 and rows at 0, 21, 42.
struct TGrid {
  TGrid() {
    G.SetBorderStyle(bsNone);
    G.SetBounds(10, 10, 130, 70);
    G.SetColCount(3);
    G.SetRowCount(3);
    G.SetDefaultColWidth(40);
    G.SetDefaultRowHeight(20);
  }
  QImage Paint() {
    QImage Image(G.ClientWidth(), G.ClientHeight(), QImage::Format_RGB32);
    Image.fill(Qt::magenta);
    TCanvas C(&Image);
    G.PaintClient(C);
    return Image;
  }
  TRRGrid G;
};

TColor At(const QImage& Image, int X, int Y) {
  const QRgb P = Image.pixel(X, Y);
  return RGB(qRed(P), qGreen(P), qBlue(P));
}

int DarkPixels(const QImage& Image, const QRect& Area) {
  int N = 0;
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X) N += qGray(Image.pixel(X, Y)) < 110;
  return N;
}
}  // namespace

TEST(RRGrid, StartsWithItsDefaults) {
  TRRGrid G;
  EXPECT_EQ(G.XCellTextOffset(), 4);
  EXPECT_EQ(G.YCellTextOffset(), 2);
  EXPECT_TRUE(G.Transparent());
  EXPECT_EQ(G.DefaultColWidth(), 64);
  EXPECT_EQ(G.DefaultRowHeight(), 24);
  EXPECT_EQ(G.ColCount(), 5);
  EXPECT_EQ(G.RowCount(), 5);
  EXPECT_EQ(G.FixedCols(), 1);
  EXPECT_EQ(G.FixedRows(), 1);
  EXPECT_EQ(G.GridLineWidth(), 1);
  EXPECT_FALSE(G.ParentColor());
  EXPECT_EQ(G.FormBackground(), nullptr);
}

TEST(RRGrid, CellCountsStayWithinBounds) {
  TRRGrid G;
  // A wrong design value can neither go negative nor ask for millions of cells.
  G.SetColCount(-3);
  G.SetRowCount(2000000000);
  EXPECT_EQ(G.ColCount(), 0);
  EXPECT_EQ(G.RowCount(), 10000);
  G.SetFixedCols(50000);
  EXPECT_EQ(G.FixedCols(), 10000);
  G.SetColCount(7);
  G.SetRowCount(3);
  EXPECT_EQ(G.ColCount(), 7);
  EXPECT_EQ(G.RowCount(), 3);
}

TEST(RRGrid, CellsGetTextControlsOnlyForTheirEntries) {
  TGrid T;
  T.G.SetCells({"x", "", "T(x)", "1"});
  ASSERT_NE(T.G.CellText(0), nullptr);
  EXPECT_EQ(T.G.CellText(1), nullptr);  // empty entry
  EXPECT_EQ(T.G.CellText(4), nullptr);  // no entry
  EXPECT_FALSE(T.G.CellText(2)->isVisible());
  EXPECT_EQ(T.G.CellText(2)->Lines(), QStringList({"T(x)"}));
  EXPECT_EQ(T.G.CellText(3)->Width(), 40);
  EXPECT_EQ(T.G.CellText(3)->Height(), 20);
  EXPECT_TRUE(T.G.CellText(3)->Transparent());

  // Setting Cells again replaces the text controls.
  QPointer<TMiniHTML> Old = T.G.CellText(0);
  T.G.SetCells({"neu"});
  EXPECT_TRUE(Old.isNull());
  EXPECT_EQ(T.G.CellText(0)->Lines(), QStringList({"neu"}));
  EXPECT_EQ(T.G.CellText(2), nullptr);
}

TEST(RRGrid, DrawsFixedAndNormalCellsWithFramesAndText) {
  TGrid T;
  T.G.SetFixedColor(clSilver);
  T.G.SetColor(clYellow);
  T.G.SetCells({"", "a", "", "b", "x"});  // "x" is cell (1, 1); the last row has no entries
  const QImage I = T.Paint();
  // Fixed cell (0, 0): raised frame white at top and left, grey at the
  // bottom and right on the grid line, the cell's outline inside it.
  EXPECT_EQ(At(I, 0, 0), clWhite);
  EXPECT_EQ(At(I, 0, 10), clWhite);
  EXPECT_EQ(At(I, 40, 10), clGray);
  EXPECT_EQ(At(I, 20, 20), clGray);
  EXPECT_EQ(At(I, 39, 10), clBlack);
  EXPECT_EQ(At(I, 20, 10), clSilver);
  // Normal cells: the first normal column and row keep their rectangle,
  // later ones reach over the grid line to the left and above.
  EXPECT_EQ(At(I, 41, 30), clBlack);
  EXPECT_EQ(At(I, 80, 30), clBlack);
  EXPECT_EQ(At(I, 81, 30), clBlack);   // cell (2, 1) reaches left
  EXPECT_EQ(At(I, 100, 41), clBlack);  // cell (2, 2) reaches up
  EXPECT_EQ(At(I, 100, 30), clYellow);
  // Text takes the cell colour as its background and stays dark.
  EXPECT_GT(DarkPixels(I, QRect(45, 23, 35, 17)), 0);
  EXPECT_EQ(At(I, 78, 38), clYellow);
  // Cells without an entry show their background only.
  EXPECT_EQ(DarkPixels(I, QRect(84, 44, 36, 17)), 0);
  EXPECT_EQ(DarkPixels(I, QRect(43, 44, 36, 17)), 0);
}

TEST(RRGrid, MarkupInACellIsDrawn) {
  TGrid Plain, Bold;
  Plain.G.SetCells({"", "", "", "", "T(x)"});
  Bold.G.SetCells({"", "", "", "", "<b>T(x)</b>"});
  const QRect Cell(42, 22, 38, 18);
  const int PlainInk = DarkPixels(Plain.Paint(), Cell);
  EXPECT_GT(PlainInk, 0);
  EXPECT_GT(DarkPixels(Bold.Paint(), Cell), PlainInk);
}

TEST(RRGrid, CombinesTheBackgroundPictureWithAnd) {
  TTestImage Background;
  Background.SetBounds(0, 0, 300, 200);
  QImage Picture(300, 200, QImage::Format_RGB32);
  for (int Y = 0; Y < 200; ++Y)
    for (int X = 0; X < 300; ++X) Picture.setPixel(X, Y, qRgb(X % 256, Y, 255));
  Background.Picture()->SetGraphic(std::make_unique<TBitmap>(Picture));

  TGrid T;
  T.G.SetColor(clWhite);
  T.G.SetFormBackground(&Background);
  // Grid at (10, 10): client (3, 3) takes the picture from (15, 15).
  QImage I = T.Paint();
  EXPECT_EQ(At(I, 60, 30), RGB(72, 42, 255));
  EXPECT_EQ(At(I, 1, 1), ColorToRGB(clBtnFace));  // before (3, 3): untouched

  T.G.SetTransparent(false);
  I = T.Paint();
  EXPECT_EQ(At(I, 60, 30), clWhite);

  // A picture that does not cover the whole grid leaves the rest alone:
  // its left edge now meets client column 48.
  Background.SetBounds(60, 0, 300, 200);
  T.G.SetTransparent(true);
  I = T.Paint();
  EXPECT_EQ(At(I, 47, 30), clWhite);
  EXPECT_EQ(At(I, 60, 30), RGB(12, 42, 255));
}

TEST(RRGrid, BackgroundHandlerGetsTheAreaBehindTheNormalCells) {
  TGrid T;
  std::vector<int> Args;
  int Calls = 0;
  T.G.OnFillBackground = [&](QObject* Sender, TCanvas* Canvas, int X, int Y, int W, int H, int OX, int OY,
                             int Mode) {
    EXPECT_EQ(Sender, &T.G);
    ASSERT_NE(Canvas, nullptr);
    ++Calls;
    Args = {X, Y, W, H, OX, OY, Mode};
  };
  (void)T.Paint();
  EXPECT_EQ(Calls, 1);
  EXPECT_EQ(Args, (std::vector<int>{10 + 43, 10 + 23, 130 - 43, 70 - 23, 43, 23, SRCAND}));
  T.G.SetTransparent(false);
  (void)T.Paint();
  EXPECT_EQ(Calls, 1);
}

TEST(RRGrid, ComesFromADesignAndBuildsItsTextsWithTheFinalSizes) {
  RegisterPlatformClasses();
  RegisterRRGridClasses();
  TForm Form;
  const QList<TFormProblem> Problems = Form.LoadDesignText(
      "object fmDemo: TForm\n"
      "  object RRGrid1: TRRGrid\n"
      "    Cells.Strings = (\n      'x'\n      'T(x)')\n"
      "    ColCount = 2\n    RowCount = 2\n    DefaultColWidth = 90\n"
      "    BorderStyle = bsNone\n    ScrollBars = ssNone\n    FixedColor = clSilver\n"
      "  end\n"
      "end\n",
      "grid.frm");
  for (const TFormProblem& P : Problems) ADD_FAILURE() << P.ToString().toStdString();
  auto* G = Form.Component<TRRGrid>("RRGrid1");
  EXPECT_EQ(G->ScrollBars(), ssNone);
  (void)G->grab();
  ASSERT_NE(G->CellText(1), nullptr);
  EXPECT_EQ(G->CellText(1)->Width(), 90);
}

#include "RRGridTest.moc"
