#include <gtest/gtest.h>

#include <cmath>

#include "ControlsTestUtil.h"
#include "scene/PCBitmapRows.h"
#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"

namespace {

constexpr TColor PanelColor = 0xC9C9C9;  // 201 in each channel

TColor ShapeAt(TPCShape& S, int X, int Y) {
  TBitmap Copy(S.ShapeBuffer());
  return PixelToColor(PixelRowsOf(Copy).Row32(Y)[X]);
}

// A plain panel with a clear pen, so its colour reaches the edges.
struct TPanelScene {
  TPCPanel Panel;
  TPanelScene() {
    Panel.Pen()->SetStyle(psClear);
    Panel.SetColor(PanelColor);
    Panel.SetBounds(0, 0, 300, 200);
    Panel.SetColor2(0);  // renders with the colour
  }
  template <class T>
  T* Add(int X, int Y, int W, int H, TColor Color) {
    auto* S = new T(&Panel);
    S->SetBounds(X, Y, W, H);
    S->SetColor(Color);
    S->Pen()->SetColor(Color);
    S->Loaded();
    return S;
  }
};

TEST(PCShape, Defaults) {
  TPCShape S;
  EXPECT_EQ(S.Width(), 30);
  EXPECT_EQ(S.Height(), 30);
  EXPECT_EQ(S.Color(), clWindow);
  EXPECT_EQ(S.EnhancedColor(), 65535);
  EXPECT_EQ(S.ShapeForm(), sfRectangle);
  EXPECT_TRUE(S.LoadingState());
  TPCVGlass G;
  EXPECT_EQ(G.Radius(), 25);
  EXPECT_DOUBLE_EQ(G.TransparentOX(), 0.8);
  EXPECT_DOUBLE_EQ(G.TransparentOY(), 2.0);
  EXPECT_DOUBLE_EQ(G.TransparentSY(), 7.0);
  EXPECT_EQ(G.Color(), 14737632);
  EXPECT_EQ(G.Font()->Size(), 12);
  EXPECT_EQ(G.Font()->Style(), fsBold);
  EXPECT_EQ(G.Font()->Color(), clWhite);
}

TEST(PCShape, NothingIsRenderedWhileLoading) {
  TPanelScene Scene;
  auto* S = new TPCShape(&Scene.Panel);
  S->SetBounds(10, 10, 20, 20);
  EXPECT_TRUE(S->ShapeBuffer().Empty());
  S->Loaded();
  EXPECT_FALSE(S->LoadingState());
  EXPECT_EQ(S->ShapeBuffer().Width(), 20);
}

TEST(PCShape, ZeroFactorsMakeItOpaque) {
  TPanelScene Scene;
  auto* S = Scene.Add<TPCShape>(10, 10, 40, 20, 0x102030);
  for (int X : {0, 20, 39}) EXPECT_EQ(ShapeAt(*S, X, 10), 0x102030);
}

TEST(PCShape, SideStripeFadesLinearlyFromTheLeft) {
  TPanelScene Scene;
  auto* S = Scene.Add<TPCShape>(10, 10, 40, 20, 0x111111);  // 17 in each channel
  S->SetTransparentOX(1.0);
  S->SetTransparentSX(-1.0);
  S->SetTransparentOY(1.0);
  for (int X = 0; X < 40; ++X) {
    // 17 + 184 * (1 - x/40) never ends in a half.
    const int Channel = static_cast<int>(std::lround(201 - 4.6 * X));
    EXPECT_EQ(ShapeAt(*S, X, 5), Channel * 0x010101) << X;
  }
  EXPECT_EQ(ShapeAt(*S, 0, 0), PanelColor);  // background only at the left edge
}

TEST(PCShape, EllipseCornersShowTheBackground) {
  TPanelScene Scene;
  auto* S = Scene.Add<TPCShape>(10, 10, 40, 20, 0x0000FF);
  S->SetShapeForm(sfEllipse);
  EXPECT_EQ(ShapeAt(*S, 0, 0), PanelColor);
  EXPECT_EQ(ShapeAt(*S, 20, 10), 0x0000FF);
}

TEST(PCShape, ShapesBelowAreTheBackgroundOfShapesAbove) {
  TPanelScene Scene;
  auto* Low = Scene.Add<TPCShape>(10, 10, 40, 40, 0x0000FF);
  auto* Clear = Scene.Add<TPCShape>(30, 30, 40, 40, 0x00FF00);
  Clear->SetTransparentOX(1.0);
  Clear->SetTransparentOY(1.0);  // f = 1: background only
  auto* Far = Scene.Add<TPCShape>(200, 100, 40, 40, 0xFF0000);
  Far->SetTransparentOX(1.0);
  Far->SetTransparentOY(1.0);
  EXPECT_EQ(ShapeAt(*Clear, 5, 5), 0x0000FF);  // over the low shape
  EXPECT_EQ(ShapeAt(*Clear, 25, 25), PanelColor);
  EXPECT_EQ(ShapeAt(*Far, 5, 5), PanelColor);

  // Moving the low shape far away repaints the shapes above it at the old
  // and at the new place.
  Low->SetBounds(200, 100, 40, 40);
  EXPECT_EQ(ShapeAt(*Clear, 5, 5), PanelColor);
  EXPECT_EQ(ShapeAt(*Far, 5, 5), 0x0000FF);

  // A hidden shape is no longer part of their background.
  Low->SetVisible(false);
  EXPECT_EQ(ShapeAt(*Far, 5, 5), PanelColor);
}

TEST(PCShape, ChangingTheBackgroundModeRendersEveryShape) {
  TPanelScene Scene;
  auto* S = Scene.Add<TPCShape>(10, 10, 40, 40, 0);
  S->SetTransparentOX(1.0);
  S->SetTransparentOY(1.0);
  Scene.Panel.SetColor(0x00FFFF);
  Scene.Panel.SetBackgroundMode(bmMonochrom);
  EXPECT_EQ(ShapeAt(*S, 5, 5), 0x00FFFF);
}

TEST(PCShape, ShapeOffAPanelPaintsAPlainRectangle) {
  THost Host(clWhite, 60, 60);
  auto* S = new TPCShape(&Host);
  S->SetBounds(10, 10, 20, 20);
  S->SetColor(0x0000FF);
  S->Loaded();
  EXPECT_TRUE(S->ShapeBuffer().Empty());
  const QImage I = Snapshot(*S);
  EXPECT_EQ(PixelAt(I, 10, 10), 0x0000FF);
  EXPECT_EQ(PixelAt(I, 0, 0), clBlack);
}

// ----------------------------------------------------------------- glass

TEST(PCVGlass, MiddleBandIsAFifthOpaqueAndEdgesOpaque) {
  TPanelScene Scene;
  auto* G = Scene.Add<TPCVGlass>(10, 10, 200, 40, 14737632);
  // Middle row (v = 0.5): f = 0.8 * 0.25 = 0.2 of the body colour 224.
  EXPECT_EQ(ShapeAt(*G, 100, 20), static_cast<int>(std::nearbyint(0.8 * 201 + 0.2 * 224)) * 0x010101);
  // Second row: 0.8 * (7v^2 - 7v + 2) > 1 there, so the body alone.
  EXPECT_EQ(ShapeAt(*G, 100, 1), 14737632);
  EXPECT_EQ(ShapeAt(*G, 6, 6), clWhite);  // the glint
}

TEST(PCVGlassButton, EnhancedShowsTheCaptionInEnhancedColourOnTop) {
  TPanelScene Scene;
  auto* B = Scene.Add<TPCVGlassButton>(10, 10, 200, 40, 14737632);
  B->SetCaption("&Weiter");
  B->SetEnhancedColor(0x00FFFF);
  EXPECT_EQ(CountColor(B->ShapeBuffer().Image().convertToFormat(QImage::Format_RGB32), 0x00FFFF), 0);
  B->MouseEnter();
  EXPECT_TRUE(B->Enhanced());
  EXPECT_GT(CountColor(B->ShapeBuffer().Image().convertToFormat(QImage::Format_RGB32), 0x00FFFF), 20);
  B->MouseLeave();
  EXPECT_FALSE(B->Enhanced());
}

TEST(PCVGlassButton, DisabledNeverLightsUpNorClicks) {
  TPanelScene Scene;
  auto* B = Scene.Add<TPCVGlassButton>(10, 10, 200, 40, 14737632);
  B->SetCaption("&Weiter");
  int Clicks = 0;
  B->OnClick = [&](QObject* Sender) {
    EXPECT_EQ(Sender, B);
    ++Clicks;
  };
  EXPECT_TRUE(B->DialogChar('w'));
  EXPECT_FALSE(B->DialogChar('x'));
  EXPECT_EQ(Clicks, 1);
  B->MouseEnter();
  B->SetEnabled(false);
  EXPECT_FALSE(B->Enhanced());
  B->MouseEnter();
  EXPECT_FALSE(B->Enhanced());
  EXPECT_FALSE(B->DialogChar('w'));
  EXPECT_EQ(Clicks, 1);
}

}  // namespace
