#include <gtest/gtest.h>

#include <QTimer>

#include "ControlsTestUtil.h"
#include "platform/Bitmap.h"
#include "scene/MMButton.h"

namespace {

constexpr TColor White = 0xFFFFFF;
constexpr TColor Grey = 0x808080;
constexpr TColor Face = 0xE0E0E0;
constexpr TColor Back = 0x996633;

struct TButtonOnHost {
  THost Host{Back};
  TMMButton* Button = new TMMButton(&Host);
  TButtonOnHost() {
    Button->SetBounds(10, 10, 40, 20);
    Button->SetTransparent(false);
  }
};

TEST(MMButton, Defaults) {
  TMMButton B;
  EXPECT_EQ(B.Width(), 100);
  EXPECT_EQ(B.Height(), 30);
  EXPECT_EQ(B.Brush()->Color(), 14737632);
  EXPECT_EQ(B.Pen()->Color(), clBlack);
  EXPECT_EQ(B.Pen()->Width(), 1);
  EXPECT_TRUE(B.Transparent());
  EXPECT_TRUE(B.Ctl3D());
  EXPECT_TRUE(B.ParentFont());
  EXPECT_EQ(B.Font()->Name(), "Tahoma");
  EXPECT_EQ(B.Font()->Size(), 11);
  EXPECT_EQ(B.Kind(), mmFree);
  EXPECT_FALSE(B.Down());
}

// Pixels along the diagonal from the top-left corner and from the
// bottom-right corner, for each face state.
TEST(MMButton, FramesOfTheFaceStates) {
  struct Case {
    int State;
    bool Ctl3D;
    TColor TopLeft[4];      // (0,0) (1,1) (2,2) (3,3)
    TColor BottomRight[3];  // (W-1,H-1) (W-2,H-2) (W-3,H-3)
  } Cases[] = {
      {0, true, {Back, White, Grey, Face}, {White, Grey, Face}},
      {0, false, {Back, Grey, Grey, Face}, {Grey, Grey, Face}},
      {1, true, {White, White, Face, Face}, {Grey, Grey, Face}},
      {1, false, {Back, Back, Face, Face}, {Face, Face, Face}},
      {2, true, {Grey, Grey, Grey, Face}, {White, White, White}},
      {3, true, {Grey, Grey, Face, Face}, {White, White, Face}},
  };
  for (const Case& C : Cases) {
    TButtonOnHost T;
    T.Button->SetCtl3D(C.Ctl3D);
    T.Button->SetState(C.State == 1 || C.State == 3 ? C.State - 1 : C.State);
    if (C.State == 1 || C.State == 3) T.Button->MouseEnter();
    ASSERT_EQ(T.Button->ShownState(), C.State);
    const QImage I = Snapshot(*T.Button);
    for (int K = 0; K < 4; ++K) EXPECT_EQ(PixelAt(I, K, K), C.TopLeft[K]) << C.State << C.Ctl3D << " at " << K;
    for (int K = 0; K < 3; ++K)
      EXPECT_EQ(PixelAt(I, 39 - K, 19 - K), C.BottomRight[K]) << C.State << C.Ctl3D << " at -" << K;
  }
}

TEST(MMButton, WithoutCtl3DStateZeroShowsOnlyTheGreyRectangle) {
  TButtonOnHost T;
  T.Button->SetCtl3D(false);
  const QImage I = Snapshot(*T.Button);
  EXPECT_EQ(CountColor(I, White), 0);
  // The 2-pixel grey ring: rows 1, 2 and 18, 19; columns 1, 2 and 38, 39.
  for (int X = 1; X < 40; ++X) EXPECT_EQ(PixelAt(I, X, 1), Grey) << X;
  for (int Y = 1; Y < 20; ++Y) EXPECT_EQ(PixelAt(I, 38, Y), Grey) << Y;
  EXPECT_EQ(PixelAt(I, 0, 5), Back);
  EXPECT_EQ(PixelAt(I, 3, 5), Face);
}

TEST(MMButton, TransparentFaceIsAndedOrMergePainted) {
  TButtonOnHost T;
  T.Button->SetTransparent(true);
  QImage I = Snapshot(*T.Button);
  EXPECT_EQ(PixelAt(I, 10, 10), Back & Face);
  T.Button->MouseEnter();
  I = Snapshot(*T.Button);
  EXPECT_EQ(PixelAt(I, 10, 10), Back | (~Face & 0xFFFFFF));
}

TEST(MMButton, HoverRaisesTheStateAndShowsTheHand) {
  TButtonOnHost T;
  T.Button->SetDown(true);
  EXPECT_EQ(T.Button->State(), 2);
  T.Button->MouseEnter();
  EXPECT_EQ(T.Button->ShownState(), 3);
  EXPECT_EQ(T.Button->Cursor(), crHandPoint);
  T.Button->MouseLeave();
  EXPECT_EQ(T.Button->ShownState(), 2);
  EXPECT_EQ(T.Button->Cursor(), crDefault);

  // A cursor of its own stays while the mouse is over the button.
  T.Button->SetCursor(crCross);
  T.Button->MouseEnter();
  EXPECT_EQ(T.Button->Cursor(), crCross);
  T.Button->MouseLeave();
  EXPECT_EQ(T.Button->Cursor(), crDefault);

  T.Button->SetEnabled(false);
  T.Button->MouseEnter();
  EXPECT_EQ(T.Button->ShownState(), 2);
  EXPECT_EQ(T.Button->Cursor(), crDefault);
}

TEST(MMButton, PresetKindsSetCaptionAndSize) {
  TMMButton B;
  B.SetCaption("x");
  B.SetKind(mmCheck);
  EXPECT_EQ(B.Caption(), "&Auswerten");
  EXPECT_EQ(B.Width(), 160);
  EXPECT_EQ(B.Height(), 30);
  B.SetBounds(0, 0, 50, 20);
  B.SetKind(mmFree);
  EXPECT_EQ(B.Caption(), "&Auswerten");
  EXPECT_EQ(B.Width(), 50);
  B.SetKind(mmReset);
  EXPECT_EQ(B.Caption(), QString::fromUtf8("&Zurücksetzen"));
}

TEST(MMButton, ClickFlashesWhileHandlingPendingEventsThenRaisesOnClick) {
  TButtonOnHost T;
  T.Host.show();
  std::vector<int> Seen;
  QTimer::singleShot(0, [&] { Seen.push_back(T.Button->ShownState()); });
  QObject* Sender = nullptr;
  T.Button->OnClick = [&](QObject* S) {
    Sender = S;
    Seen.push_back(100 + T.Button->ShownState());
  };
  T.Button->Click();
  EXPECT_EQ(Seen, (std::vector<int>{1, 100}));  // the timer ran during the flash
  EXPECT_EQ(Sender, T.Button);
  EXPECT_EQ(T.Button->Cursor(), crDefault);
}

TEST(MMButton, ButtonFreedDuringTheFlashIsNotTouchedAgain) {
  THost Host(Back);
  auto* B = new TMMButton(&Host);
  bool Clicked = false;
  B->OnClick = [&](QObject*) { Clicked = true; };
  QTimer::singleShot(0, [B] { delete B; });
  B->Click();
  EXPECT_FALSE(Clicked);
}

TEST(MMButton, AcceleratorClicksOnlyWhenEnabled) {
  TButtonOnHost T;
  T.Button->SetCaption("&Auswerten");
  int Clicks = 0;
  T.Button->OnClick = [&](QObject*) { ++Clicks; };
  EXPECT_TRUE(T.Button->DialogChar('a'));
  EXPECT_TRUE(T.Button->DialogChar('A'));
  EXPECT_FALSE(T.Button->DialogChar('u'));
  EXPECT_EQ(Clicks, 2);
  T.Button->SetEnabled(false);
  EXPECT_FALSE(T.Button->DialogChar('a'));
  EXPECT_EQ(Clicks, 2);
}

TEST(MMButton, AcceleratorLetters) {
  EXPECT_EQ(AcceleratorChar("&Weiter"), QChar('W'));
  EXPECT_EQ(AcceleratorChar(QString::fromUtf8("Gr&ö&ße")), QChar(0xF6));
  EXPECT_EQ(AcceleratorChar("a && b &c"), QChar('c'));
  EXPECT_TRUE(AcceleratorChar("a && b").isNull());
  EXPECT_TRUE(AcceleratorChar("end&").isNull());
  EXPECT_TRUE(IsAccel(QChar(0xD6), QString::fromUtf8("&östlich")));
}

TEST(MMButton, GlyphIsCentredWithTheCaptionAndItsCornerColourLeftOut) {
  TButtonOnHost T;
  T.Button->SetBounds(0, 0, 100, 30);
  QImage Glyph(10, 10, QImage::Format_RGB32);
  Glyph.fill(qRgb(255, 0, 0));
  Glyph.setPixel(0, 9, qRgb(0, 255, 0));  // the bottom-left pixel names the transparent colour
  Glyph.setPixel(5, 5, qRgb(0, 255, 0));
  TPicture Picture;
  Picture.SetGraphic(std::make_unique<TBitmap>(Glyph));
  T.Button->SetGlyph(&Picture);
  const QImage I = Snapshot(*T.Button);
  // No caption: left = (100 - 10) div 2 = 45; the glyph goes to (41, 12).
  EXPECT_EQ(PixelAt(I, 41, 12), 0x0000FF);
  EXPECT_EQ(PixelAt(I, 50, 21), 0x0000FF);
  EXPECT_EQ(PixelAt(I, 40, 12), Face);
  EXPECT_EQ(PixelAt(I, 51, 12), Face);
  EXPECT_EQ(PixelAt(I, 46, 17), Face);  // transparent
}

TEST(MMButton, DisabledCaptionIsGrey) {
  int GreyPixels[2] = {0, 0};
  for (bool Enabled : {true, false}) {
    TButtonOnHost T;
    T.Button->SetBounds(0, 0, 120, 30);
    T.Button->SetCaption("IIII");
    T.Button->Font()->SetColor(clBlack);
    T.Button->SetEnabled(Enabled);
    const QImage I = Snapshot(*T.Button);
    GreyPixels[Enabled] = CountNear(I, Grey, 24);
    EXPECT_EQ(CountNear(I, clBlack, 40) > 0, Enabled);
  }
  // The stems of the letters, whatever the font's exact pixels.
  EXPECT_GE(GreyPixels[false], GreyPixels[true] + 10);
}

}  // namespace
