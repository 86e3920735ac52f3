// Fonts and text: the substitution table, Height and Size, measures that do
// not depend on the device, clipping and formatted text.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "CanvasTestUtil.h"
#include "platform/Fonts.h"

namespace {

// The bounding box of all pixels that are not white.
QRect Inked(const QImage& I) {
  QRect R;
  for (int Y = 0; Y < I.height(); ++Y)
    for (int X = 0; X < I.width(); ++X)
      if (QRgbToTColor(I.pixel(X, Y)) != clWhite) R |= QRect(X, Y, 1, 1);
  return R;
}

}  // namespace

TEST(Fonts, DesignNamesResolveToInstalledFamilies) {
  struct Case {
    const char* Name;
    const char* Family;
  } Cases[] = {{"Tahoma", "DejaVu Sans"},
               {"tahoma", "DejaVu Sans"},
               {"Times New Roman", "Liberation Serif"},
               {"Courier New", "Liberation Mono"},
               {"Quartz", "DSEG7 Classic"}};
  for (const auto& C : Cases) {
    EXPECT_EQ(SubstituteFontFamily(QString::fromLatin1(C.Name)), QLatin1String(C.Family));
    TFontSpec FontSpec;
    FontSpec.Name = C.Name;
    EXPECT_EQ(QFontInfo(MakeQFont(FontSpec)).family(), QLatin1String(C.Family)) << C.Name;
  }
  EXPECT_EQ(SubstituteFontFamily(QStringLiteral("DejaVu Serif")), QStringLiteral("DejaVu Serif"));
}

TEST(Fonts, HeightAndSizeFollowTheDesignConventions) {
  TFont F;
  F.SetHeight(-13);
  EXPECT_EQ(F.Size(), 10);
  EXPECT_EQ(F.ToQFont().pixelSize(), 13);
  F.SetSize(12);
  EXPECT_EQ(F.Height(), -16);
  F.SetSize(8);
  EXPECT_EQ(F.Height(), -11);

  // A positive height is the cell height: ascent plus descent.
  for (int Cell : {12, 16, 24, 40}) {
    TFontSpec FontSpec;
    FontSpec.Height = Cell;
    const QFontMetrics M = MetricsFor(MakeQFont(FontSpec));
    EXPECT_NEAR(M.ascent() + M.descent(), Cell, 1) << Cell;
    EXPECT_LT(MakeQFont(FontSpec).pixelSize(), Cell);
  }
  TFontSpec Bold;
  Bold.Style = fsBold | fsItalic | fsUnderline | fsStrikeOut;
  const QFont Q = MakeQFont(Bold);
  EXPECT_TRUE(Q.bold() && Q.italic() && Q.underline() && Q.strikeOut());
}

TEST(Fonts, TextMeasuresDoNotDependOnTheDevice) {
  const QString Text = QStringLiteral("(a+b)² = a² + 2ab + b²");
  QImage Low(10, 10, QImage::Format_RGB32), High(10, 10, QImage::Format_RGB32);
  Low.setDotsPerMeterX(2835), Low.setDotsPerMeterY(2835);     // 72 dpi
  High.setDotsPerMeterX(7874), High.setDotsPerMeterY(7874);   // 200 dpi
  TCanvas A(&Low), B(&High), C;
  for (TCanvas* X : {&A, &B, &C}) X->Font().SetHeight(-13);
  const TSize Ext = C.TextExtent(Text);
  EXPECT_GT(Ext.cx, 100);
  EXPECT_EQ(A.TextExtent(Text), Ext);
  EXPECT_EQ(B.TextExtent(Text), Ext);
  // What is drawn fits the measured cell on either device.
  for (QImage* I : {&Low, &High}) {
    QImage Big(Ext.cx + 20, Ext.cy + 20, QImage::Format_RGB32);
    Big.setDotsPerMeterX(I->dotsPerMeterX()), Big.setDotsPerMeterY(I->dotsPerMeterY());
    Big.fill(Qt::white);
    {
      TCanvas D(&Big);
      D.Font().SetHeight(-13);
      D.SetBkMode(bkTransparent);
      D.TextOut(10, 10, Text);
    }
    const QRect Ink = Inked(Big);
    EXPECT_FALSE(Ink.isEmpty());
    EXPECT_TRUE(QRect(9, 9, Ext.cx + 2, Ext.cy + 2).contains(Ink)) << Ink.x() << "," << Ink.y() << " "
                                                                   << Ink.width() << "x" << Ink.height();
  }
}

TEST(Text, BackgroundFollowsTheBrushUnlessSetExplicitly) {
  TImageCanvas T(120, 40);
  T.Canvas.Font().SetHeight(-13);
  T.Canvas.Brush().SetColor(clYellow);
  EXPECT_EQ(T.Canvas.BkMode(), bkOpaque);
  T.Canvas.TextOut(2, 2, QStringLiteral("Hg"));
  const TSize Ext = T.Canvas.TextExtent(QStringLiteral("Hg"));
  EXPECT_EQ(T.Canvas.PenPos(), (TPoint{2 + Ext.cx, 2}));
  EXPECT_EQ(T.At(2, 2), clYellow);
  EXPECT_EQ(T.At(1 + Ext.cx, 1 + Ext.cy), clYellow);
  EXPECT_EQ(T.At(2 + Ext.cx, 2), clWhite);

  T.Canvas.Brush().SetStyle(bsClear);
  EXPECT_EQ(T.Canvas.BkMode(), bkTransparent);
  T.Canvas.TextOut(60, 2, QStringLiteral("Hg"));
  EXPECT_EQ(T.At(60, 2), clWhite);

  T.Canvas.Brush().SetColor(clYellow);  // a colour makes the brush solid again
  T.Canvas.SetBkMode(bkTransparent);
  T.Canvas.TextOut(60, 20, QStringLiteral("Hg"));
  EXPECT_EQ(T.At(60, 20), clWhite);
}

TEST(Text, TextRectNeverDrawsOutsideItsRectangle) {
  TImageCanvas T(100, 60);
  T.Canvas.Font().SetHeight(-20);
  T.Canvas.Brush().SetStyle(bsClear);
  const TRect R{20, 15, 50, 30};
  T.Canvas.TextRect(R, 5, 10, QStringLiteral("WWWWWWWWWWWWWW"));
  const QRect Ink = Inked(T.Done());
  EXPECT_FALSE(Ink.isEmpty());
  EXPECT_TRUE(ToQRect(R).contains(Ink));

  TImageCanvas O(100, 60);
  O.Canvas.Brush().SetColor(clAqua);
  O.Canvas.TextRect(R, 25, 17, QStringLiteral("x"));
  EXPECT_EQ(O.At(20, 15), clAqua);
  EXPECT_EQ(O.At(49, 29), clAqua);
  EXPECT_EQ(O.At(50, 29), clWhite);
  EXPECT_EQ(O.At(49, 30), clWhite);
}

TEST(Text, DrawTextCentresOneLineAndUnderlinesTheAccelerator) {
  TImageCanvas T(200, 50);
  TCanvas& C = T.Canvas;
  C.Font().SetHeight(-16);
  C.Font().SetColor(clBlack);
  C.Brush().SetStyle(bsClear);
  const int W = C.TextWidth(QStringLiteral("Weiter"));
  const int H = C.TextHeight(QStringLiteral("Weiter"));

  TRect Calc{0, 0, 0, 0};
  EXPECT_EQ(C.DrawText(QStringLiteral("&Weiter"), Calc, DT_SINGLELINE | DT_CALCRECT), H);
  EXPECT_EQ(Calc, (TRect{0, 0, W, H}));
  TRect Amp{0, 0, 0, 0};
  C.DrawText(QStringLiteral("a&&b"), Amp, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(Amp.Right, C.TextWidth(QStringLiteral("a&b")));
  TRect Plain{0, 0, 0, 0};
  C.DrawText(QStringLiteral("a&&b"), Plain, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(Plain.Right, C.TextWidth(QStringLiteral("a&&b")));

  TRect R{0, 0, 200, 50};
  C.DrawText(QStringLiteral("&Weiter"), R, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const QImage& I = T.Done();
  const int X0 = (200 - W) / 2, Y0 = (50 - H) / 2;
  const QRect Ink = Inked(I);
  EXPECT_TRUE(QRect(X0 - 1, Y0 - 1, W + 2, H + 2).contains(Ink));
  EXPECT_NEAR(Ink.center().x(), 100, 3);
  // The underline: a solid run below the baseline under the "W" only.
  const QFontMetrics M = MetricsFor(C.Font().ToQFont());
  const int UnderY = Y0 + M.ascent() + M.underlinePos();
  const int WWidth = M.horizontalAdvance(QLatin1Char('W'));
  // Darkish rather than black: the rasteriser may blend the line's ends.
  int Run = 0;
  for (int X = X0; X < X0 + W; ++X)
    if (qGray(I.pixel(X, UnderY)) < 128) ++Run;
  EXPECT_NEAR(Run, WWidth, 2);
  EXPECT_LT(Run, W / 2) << "only the accelerator letter is underlined";
}

TEST(Text, WordBreakWrapsAtSpacesInsideTheWidth) {
  TImageCanvas T(300, 200);
  TCanvas& C = T.Canvas;
  C.Font().SetHeight(-13);
  const QString Text = QStringLiteral("abcd abcd abcd abcd abcd");
  const int Line = C.TextHeight(Text);
  TRect R{0, 0, C.TextWidth(QStringLiteral("abcd abcd")) + 2, 0};
  EXPECT_EQ(C.DrawText(Text, R, DT_WORDBREAK | DT_CALCRECT), 3 * Line);
  EXPECT_EQ(R.Right, C.TextWidth(QStringLiteral("abcd abcd")));
  TRect Lines{0, 0, 300, 0};
  EXPECT_EQ(C.DrawText(QStringLiteral("a\nb\r\nc"), Lines, DT_CALCRECT), 3 * Line);
  TRect Long{0, 0, 5, 0};  // a word wider than the rectangle stays whole
  EXPECT_EQ(C.DrawText(QStringLiteral("Unterschied"), Long, DT_WORDBREAK | DT_CALCRECT), Line);
}

TEST(Text, CoreInterfaceDrawsTransparentTextAndSharesTheFont) {
  TImageCanvas T(80, 30);
  TCoreCanvas& Core = T.Canvas.Core();
  TFontSpec F = Core.GetFont();
  F.Name = "Times New Roman";
  F.Height = -15;
  Core.SetFont(F);
  EXPECT_EQ(T.Canvas.Font().Name(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(Core.TextExtent("ab"), T.Canvas.TextExtent(QStringLiteral("ab")));
  T.Canvas.Brush().SetColor(clRed);
  Core.TextOut(1, 1, "ab");
  EXPECT_EQ(T.Canvas.BkMode(), bkTransparent);
  EXPECT_EQ(ColorMask(T.Done(), clRed).find('#'), std::string::npos);
  Core.SetPenColor(clBlue);
  EXPECT_EQ(T.Canvas.Pen().Color(), clBlue);
}
