// Every figure kind draws onto a page picture at its own place; with
// VELOTRA_SHEET_DIR set, the sheet is also saved as a PNG for looking at.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "common/Colors.h"
#include "common/Random.h"
#include "components/XShapes.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace {
constexpr int CellW = 130;
constexpr int CellH = 100;
constexpr int Columns = 8;

void Configure(TXShape& S, TShapeForm Kind) {
  using enum TShapeForm;
  S.SetShape(Kind);
  S.Brush()->SetColor(RGB(255, 220, 120));
  S.SetColor2(RGB(40, 80, 200));
  S.Pen()->SetColor(clBlack);
  S.SetCaption(QString::fromUtf8(ShapeFormToIdent(Kind)));
  S.SetDescription(true);
  S.SetLines(true);
  if (IsColorField(Kind)) S.SetScaleX(4), S.SetScaleY(4);
  if (IsShadowKind(Kind)) S.SetScaleX(3), S.SetScaleY(3);
  if (Kind == sfHLinear || Kind == sfVLinear) S.SetScaleX(8), S.SetScaleY(8);
  if (Kind == stArrowRight) S.SetScaleX(20), S.SetScaleY(10);
  if (Kind == trScaleForm) S.SetScaleX(2), S.SetScaleY(1);
  if (Kind == srLine || Kind == srArrow1 || Kind == srArrow3) S.SetRotation(30);
  if (Kind == srArrow2 || Kind == srArrow4) S.SetScaleX(0.6);
}

TEST(XShapeSheet, EveryKindDrawsAtItsPlace) {
  QWidget Page;
  const int Rows = (ShapeFormCount + Columns - 1) / Columns + 1;
  Page.resize(Columns * CellW, Rows * CellH);
  std::vector<TXShape*> Shapes;
  for (int I = 0; I < ShapeFormCount; ++I) {
    auto* S = new TXShape(&Page);
    S->setGeometry((I % Columns) * CellW + 20, (I / Columns) * CellH + 20, 90, 60);
    Configure(*S, static_cast<TShapeForm>(I));
    Shapes.push_back(S);
  }
  auto* Beam = new TBeam(&Page);
  Beam->setGeometry(20, (Rows - 1) * CellH + 20, 400, 40);
  Beam->SetMarkDistance(60);
  Beam->SetPointer(2.5);
  auto* Poly = new TXPolygon(&Page);
  Poly->setGeometry(460, (Rows - 1) * CellH + 10, 80, 80);
  Poly->Brush()->SetColor(clAqua);
  auto* Curve = new TXPolygon(&Page);
  Curve->setGeometry(580, (Rows - 1) * CellH + 10, 80, 80);
  Curve->SetKind(xpBezier);
  Curve->SetPoints({"0;1", "0,2;0", "0,8;0", "1;1"});

  QImage Sheet(Page.size(), QImage::Format_RGB32);
  const QRgb Background = qRgb(230, 230, 230);
  Sheet.fill(Background);
  {
    TCanvas C(&Sheet);
    // The dithered colour fields draw from the random generator: each
    // figure starts from its own seed, here and below.
    for (std::size_t I = 0; I < Shapes.size(); ++I) {
      RandomSeed(static_cast<unsigned>(I));
      Shapes[I]->PaintAt(C);
    }
    Beam->PaintAt(C);
    Poly->PaintAt(C);
    Curve->PaintAt(C);
  }
  if (const QByteArray Dir = qgetenv("VELOTRA_SHEET_DIR"); !Dir.isEmpty()) {
    Sheet.save(QString::fromLocal8Bit(Dir) + "/xshape_sheet.png");
    // The same controls painting themselves, each clipped to its own bounds.
    Page.setAutoFillBackground(true);
    Page.grab().save(QString::fromLocal8Bit(Dir) + "/xshape_widgets.png");
  }

  // Inside its bounds each figure on the sheet is exactly what the control
  // paints of itself, and it paints something there.
  for (std::size_t I = 0; I < Shapes.size(); ++I) {
    TXShape* S = Shapes[I];
    QImage Own(S->size(), QImage::Format_RGB32);
    Own.fill(Background);
    RandomSeed(static_cast<unsigned>(I));
    S->render(&Own, QPoint(), QRegion(), QWidget::DrawChildren);
    const QImage OnSheet = Sheet.copy(S->geometry());
    int Differ = 0, Drawn = 0;
    for (int Y = 0; Y < Own.height(); ++Y)
      for (int X = 0; X < Own.width(); ++X) {
        Differ += OnSheet.pixel(X, Y) != Own.pixel(X, Y);
        Drawn += OnSheet.pixel(X, Y) != Background;
      }
    EXPECT_EQ(Differ, 0) << ShapeFormToIdent(S->Shape());
    EXPECT_GT(Drawn, 0) << ShapeFormToIdent(S->Shape());
  }
}
}  // namespace
