// Pen, brush and font as published objects (set through the meta-object
// system like a form file does), their copying and change notification, and
// colour conversions.
#include <gtest/gtest.h>

#include <QMetaEnum>

#include "platform/Convert.h"
#include "platform/Graphics.h"

TEST(Graphics, PublishedPropertiesAreReachableByName) {
  TFont Font;
  QObject* F = &Font;
  EXPECT_TRUE(F->setProperty("Name", QStringLiteral("Courier New")));
  EXPECT_TRUE(F->setProperty("Height", -13));
  EXPECT_TRUE(F->setProperty("Style", int(fsBold | fsItalic)));
  EXPECT_TRUE(F->setProperty("Color", clMaroon));
  EXPECT_EQ(Font.Name(), QStringLiteral("Courier New"));
  EXPECT_EQ(Font.Height(), -13);
  EXPECT_EQ(Font.Style(), int(fsBold | fsItalic));
  EXPECT_EQ(Font.Color(), clMaroon);
  EXPECT_TRUE(F->setProperty("Size", 12));
  EXPECT_EQ(Font.Height(), -16);

  TPen Pen;
  QObject* P = &Pen;
  const QMetaProperty Style = P->metaObject()->property(P->metaObject()->indexOfProperty("Style"));
  ASSERT_TRUE(Style.isEnumType());
  EXPECT_EQ(Style.enumerator().keyToValue("psDash"), int(psDash));
  EXPECT_TRUE(P->setProperty("Style", QStringLiteral("psDot")));
  EXPECT_EQ(Pen.Style(), psDot);
  EXPECT_TRUE(P->setProperty("Mode", QStringLiteral("pmXor")));
  EXPECT_EQ(Pen.Mode(), pmXor);
  EXPECT_TRUE(P->setProperty("Width", 3));
  EXPECT_EQ(Pen.Width(), 3);

  TBrush Brush;
  QObject* B = &Brush;
  EXPECT_TRUE(B->setProperty("Style", QStringLiteral("bsClear")));
  EXPECT_EQ(Brush.Style(), bsClear);
  const QMetaProperty BStyle = B->metaObject()->property(B->metaObject()->indexOfProperty("Style"));
  EXPECT_EQ(BStyle.enumerator().keyToValue("bsDiagCross"), int(bsDiagCross));
}

TEST(Graphics, AssignCopiesAndAnnouncesOnlyRealChanges) {
  TPen A, B;
  int Changes = 0;
  QObject::connect(&B, &TPen::Changed, [&] { ++Changes; });
  B.Assign(A);
  EXPECT_EQ(Changes, 0);
  A.SetColor(clRed);
  A.SetWidth(2);
  A.SetStyle(psDashDot);
  B.Assign(A);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(B.Color(), clRed);
  EXPECT_EQ(B.Width(), 2);
  EXPECT_EQ(B.Style(), psDashDot);
  B.SetColor(clRed);
  EXPECT_EQ(Changes, 1);
  A.SetColor(clBlue);
  EXPECT_EQ(B.Color(), clRed);  // a copy, not a reference

  TFont F, G;
  int FontChanges = 0;
  QObject::connect(&G, &TFont::Changed, [&] { ++FontChanges; });
  F.SetName(QStringLiteral("Quartz"));
  F.SetHeight(-40);
  G.Assign(F);
  EXPECT_EQ(FontChanges, 1);
  EXPECT_EQ(G.FontSpec(), F.FontSpec());

  TBrush Br;
  Br.SetStyle(bsClear);
  Br.SetColor(clYellow);
  EXPECT_EQ(Br.Style(), bsSolid);  // choosing a colour makes the brush solid
}

TEST(Graphics, DefaultsMatchTheDesigns) {
  TPen P;
  EXPECT_EQ(P.Color(), clBlack);
  EXPECT_EQ(P.Style(), psSolid);
  EXPECT_EQ(P.Width(), 1);
  EXPECT_EQ(P.Mode(), pmCopy);
  TBrush B;
  EXPECT_EQ(B.Color(), clWhite);
  EXPECT_EQ(B.Style(), bsSolid);
  TFont F;
  EXPECT_EQ(F.Name(), QStringLiteral("Tahoma"));
  EXPECT_EQ(F.Height(), -11);
  EXPECT_EQ(F.Size(), 8);
  EXPECT_EQ(F.Color(), clWindowText);
}

TEST(Colors, ConvertBetweenTColorAndQtColours) {
  struct Case {
    TColor Color;
    QRgb Rgb;
  } Cases[] = {
      {clRed, qRgb(255, 0, 0)},          {clBlue, qRgb(0, 0, 255)},       {RGB(1, 2, 3), qRgb(1, 2, 3)},
      {clBtnFace, qRgb(0xD4, 0xD0, 0xC8)}, {clWindow, qRgb(255, 255, 255)}, {clWindowText, qRgb(0, 0, 0)},
      {clBtnShadow, qRgb(128, 128, 128)}, {clInfoBk, qRgb(0xFF, 0xFF, 0xE1)}, {14737632, qRgb(224, 224, 224)},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(TColorToQRgb(C.Color), C.Rgb) << std::hex << C.Color;
    EXPECT_EQ(TColorToQColor(C.Color), QColor::fromRgb(C.Rgb));
  }
  EXPECT_EQ(qAlpha(TColorToQRgb(clNone)), 0);
  EXPECT_EQ(QRgbToTColor(qRgba(0x12, 0x34, 0x56, 0x00)), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(QColorToTColor(QColor(200, 100, 50)), RGB(200, 100, 50));
  EXPECT_EQ(ToQRect({1, 2, 11, 22}), QRect(1, 2, 10, 20));
  EXPECT_EQ(FromQRect(QRect(1, 2, 10, 20)), (TRect{1, 2, 11, 22}));
}
