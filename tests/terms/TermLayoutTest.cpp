#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/CoreCanvas.h"
#include "terms/Terms.h"

namespace {

// A canvas with fixed metrics that records what is drawn. For a font of
// pixel height h every character is (6h) div 10 wide and a line is h + 3 high.
class TRecordingCanvas : public TCoreCanvas {
 public:
  struct TText {
    int X, Y;
    std::string Text;
    int Points;
    TFontStyles Style;
  };
  struct TLine {
    TPoint From, To;
    TColor Color;
  };
  struct TPolyline {
    std::vector<TPoint> Points;
    TColor Color;
  };

  TFontSpec Font;
  int MinusWidth = 0;  // the minus sign's width when not a character's
  TColor Pen = clBlack;
  TPoint PenPos;
  std::vector<TText> Texts;
  std::vector<TLine> Lines;
  std::vector<TPolyline> Polylines;
  int SmallestPoints = 1000;

  TFontSpec GetFont() const override { return Font; }
  void SetFont(const TFontSpec& F) override {
    Font = F;
    SmallestPoints = std::min(SmallestPoints, F.Size());
  }
  static int Chars(const std::string& Text) {
    int N = 0;
    for (unsigned char C : Text) N += (C & 0xC0) != 0x80;  // code points of UTF-8
    return N;
  }
  int CharWidth() const { return 6 * -Font.Height / 10; }
  int LineHeight() const { return -Font.Height + 3; }
  TSize TextExtent(const std::string& Text) override {
    if (Text == "\xE2\x88\x92" && MinusWidth > 0) return {MinusWidth, LineHeight()};
    return {Chars(Text) * CharWidth(), LineHeight()};
  }
  void TextOut(int X, int Y, const std::string& Text) override {
    Texts.push_back({X, Y, Text, Font.Size(), Font.Style});
  }
  TColor PenColor() const override { return Pen; }
  void SetPenColor(TColor Color) override { Pen = Color; }
  void MoveTo(int X, int Y) override { PenPos = {X, Y}; }
  void LineTo(int X, int Y) override {
    Lines.push_back({PenPos, {X, Y}, Pen});
    PenPos = {X, Y};
  }
  void Polyline(const std::vector<TPoint>& Points) override { Polylines.push_back({Points, Pen}); }

  const TText& TextOf(const std::string& S) const {
    for (const TText& T : Texts)
      if (T.Text == S) return T;
    throw std::runtime_error("not drawn: " + S);
  }
};

// Tahoma 13 pixels high, 10 points: characters 7 wide, lines 16 high.
// 8 points (fractions) is 11 pixels: 6 wide, 14 high; 7 points (exponents)
// is 9 pixels: 5 wide, 12 high.
TRecordingCanvas MakeCanvas(int Height = -13) {
  TRecordingCanvas C;
  C.Font.Height = Height;
  C.Font.Color = 0x0000FF;
  return C;
}

std::unique_ptr<TTerm> Parse(const std::string& Text) { return TTerm::ParseTerm(Text); }

TEST(TermLayout, LeavesAreTheirTextAtTheGivenCorner) {
  TRecordingCanvas C = MakeCanvas();
  const auto T = Parse("x");
  EXPECT_EQ(T->Measure(C), (TSize{7, 16}));
  EXPECT_EQ(T->GetVerticalExtent(C), (TVerticalExtent{16, 0}));
  T->Draw(C, 4, 4);
  ASSERT_EQ(C.Texts.size(), 1u);
  EXPECT_EQ(C.Texts[0].X, 4);
  EXPECT_EQ(C.Texts[0].Y, 4);
  EXPECT_EQ(C.Texts[0].Text, "x");
  EXPECT_EQ(Parse("0,5")->Measure(C).cx, 21);
}

TEST(TermLayout, ColonQuotientStaysOnOneLine) {
  TRecordingCanvas C = MakeCanvas();
  const auto T = Parse("a:b");
  // a (7) + gap 2 + ":" (7) + gap 2 + b (7).
  EXPECT_EQ(T->Measure(C), (TSize{25, 16}));
  T->Draw(C, 4, 4);
  ASSERT_EQ(C.Texts.size(), 3u);
  EXPECT_EQ(C.TextOf("a").X, 4);
  EXPECT_EQ(C.TextOf(":").X, 13);
  EXPECT_EQ(C.TextOf("b").X, 22);
  for (const auto& Text : C.Texts) EXPECT_EQ(Text.Y, 4);
  EXPECT_TRUE(C.Lines.empty());
  EXPECT_TRUE(C.Polylines.empty());
}

TEST(TermLayout, ProductShowsACentredDotWithAThirdOfItsWidthAsGap) {
  TRecordingCanvas C = MakeCanvas();
  Parse("2*a")->Draw(C, 0, 0);
  ASSERT_EQ(C.Texts.size(), 3u);
  EXPECT_EQ(C.Texts[0].Text, "2");
  EXPECT_EQ(C.Texts[1].Text, "\xC2\xB7");
  EXPECT_EQ(C.Texts[1].X, 7 + 7 / 3);
  EXPECT_EQ(C.Texts[2].X, 7 + 7 / 3 + 7 + 7 / 3);
}

TEST(TermLayout, OperatorGaps) {
  struct Case {
    const char* Term;
    int Width;
  } Cases[] = {
      {"a+b", 7 + 3 + 7 + 3 + 7},  // half the symbol width
      {"a-b", 7 + 3 + 7 + 3 + 7},
      {"a=b", 7 + 7 + 7 + 7 + 7},  // the whole symbol width
      {"a*b", 7 + 2 + 7 + 2 + 7},
  };
  for (const Case& K : Cases) {
    TRecordingCanvas C = MakeCanvas();
    EXPECT_EQ(Parse(K.Term)->Measure(C).cx, K.Width) << K.Term;
  }
}

TEST(TermLayout, FractionHasTheSmallerFontAndABarAsWideAsTheWiderPart) {
  TRecordingCanvas C = MakeCanvas();
  const auto F = Parse("(a+b)/c");
  // (a+b) at 8 points: 6 + 3 + 6 + 3 + 6 = 24 wide; c is 6.
  EXPECT_EQ(F->Measure(C), (TSize{24, 28}));
  // Extent: measuring lowers the size; "O" is 16 high at 10 points.
  EXPECT_EQ(F->GetVerticalExtent(C), (TVerticalExtent{22, 6}));
  F->Draw(C, 10, 20);
  const auto& Num = C.TextOf("a");
  const auto& Den = C.TextOf("c");
  EXPECT_EQ(Num.Points, 8);
  EXPECT_EQ(Den.Points, 8);
  // Drawn at 8 points the own extent is measured at 6 points (8 px, 11 high):
  // 22 high, "O" 14 high, so the parts start 4 pixels low.
  EXPECT_EQ(Num.Y, 24);
  EXPECT_EQ(Den.X, 10 + (24 - 6) / 2);
  EXPECT_EQ(Den.Y, 24 + 14);
  ASSERT_EQ(C.Lines.size(), 1u);
  EXPECT_EQ(C.Lines[0].From, (TPoint{10, 38}));
  EXPECT_EQ(C.Lines[0].To, (TPoint{34, 38}));
  EXPECT_EQ(C.Lines[0].Color, 0x0000FF);
  EXPECT_EQ(C.Font.Height, -13);
}

TEST(TermLayout, FractionBarSpansTheWiderOfBothParts) {
  for (const char* Text : {"a/b", "abc/d"}) {
    TRecordingCanvas C = MakeCanvas();
    const auto T = Parse(Text);
    const TSize S = T->Measure(C);
    T->Draw(C, 0, 0);
    ASSERT_EQ(C.Lines.size(), 1u) << Text;
    EXPECT_EQ(C.Lines[0].To.X - C.Lines[0].From.X, S.cx) << Text;
  }
}

TEST(TermLayout, BracketedBaseAndRaisedSmallExponent) {
  TRecordingCanvas C = MakeCanvas();
  const auto T = Parse("(a+b)^2");
  // Base a + b: 7+3+7+3+7 = 27, plus 8 for the brackets; exponent at
  // 7 points: "2" 5 wide plus a one-pixel gap, 12 + 16 / 2 high.
  EXPECT_EQ(T->Measure(C), (TSize{41, 20}));
  T->Draw(C, 0, 0);
  ASSERT_EQ(C.Polylines.size(), 2u);
  // Opening bracket at x 0 over the base's 16 pixels, which stand on y 20.
  EXPECT_EQ(C.Polylines[0].Points, (std::vector<TPoint>{{4, 4}, {0, 8}, {0, 16}, {4, 20}}));
  EXPECT_EQ(C.Polylines[1].Points, (std::vector<TPoint>{{31, 4}, {35, 8}, {35, 16}, {31, 20}}));
  EXPECT_EQ(C.Polylines[0].Color, 0x0000FF);
  EXPECT_EQ(C.TextOf("a").X, 4);
  EXPECT_EQ(C.TextOf("a").Y, 4);
  const auto& Exp = C.TextOf("2");
  EXPECT_EQ(Exp.Points, 7);
  EXPECT_EQ(Exp.X, 35 + 1);  // tight to the closing bracket
  EXPECT_EQ(Exp.Y, 0);
  EXPECT_EQ(C.Font.Height, -13);
}

TEST(TermLayout, PlainBaseHasNoBrackets) {
  TRecordingCanvas C = MakeCanvas();
  Parse("a^2")->Draw(C, 0, 0);
  EXPECT_TRUE(C.Polylines.empty());
  EXPECT_EQ(C.TextOf("a").Y, 4);
  EXPECT_EQ(C.TextOf("2").X, 7 + 1);
}

TEST(TermLayout, VariablesInItalicsNumbersAndSignsUpright) {
  TRecordingCanvas C = MakeCanvas();
  Parse("2*l-x^3")->Draw(C, 0, 0);
  for (const auto& Text : C.Texts) {
    const bool Letter = Text.Text == "l" || Text.Text == "x";
    EXPECT_EQ((Text.Style & fsItalic) != 0, Letter) << Text.Text;
  }
  EXPECT_EQ(C.Font.Style, 0u);  // the canvas font is as before
}

TEST(TermLayout, MinusIsTheMinusSignInThePlusSignsCell) {
  TRecordingCanvas C = MakeCanvas();
  C.MinusWidth = 5;  // narrower than the plus sign's 7
  const auto T = Parse("a-b");
  EXPECT_EQ(T->Measure(C).cx, Parse("a+b")->Measure(C).cx);
  T->Draw(C, 0, 0);
  const auto& Minus = C.TextOf("\xE2\x88\x92");
  EXPECT_EQ(Minus.X, 7 + 3 + 1);            // centred in the 7 pixels of "+"
  EXPECT_EQ(C.TextOf("b").X, 7 + 3 + 7 + 3);
  // A negated term starts with the same sign in the same cell.
  TRecordingCanvas N = MakeCanvas();
  N.MinusWidth = 5;
  Parse("-x")->Draw(N, 0, 0);
  EXPECT_EQ(N.TextOf("\xE2\x88\x92").X, 1);
  EXPECT_EQ(N.TextOf("x").X, 7 + 3 / 2);
}

TEST(TermLayout, BracketsInASumReachBelowTheLine) {
  TRecordingCanvas C = MakeCanvas();
  // The right child of a difference that is a sum is bracketed.
  Parse("a-(b+c)")->Draw(C, 0, 0);
  ASSERT_EQ(C.Polylines.size(), 2u);
  // a (7) + 3 + "-" (7) + 3 = 20: the bracket opens there, 16 high.
  EXPECT_EQ(C.Polylines[0].Points.front(), (TPoint{24, 0}));
  EXPECT_EQ(C.Polylines[0].Points.back(), (TPoint{24, 16}));
  EXPECT_EQ(C.TextOf("b").X, 24);
}

TEST(TermLayout, MixedTermStandsOnOneLineAndHangsBelowWithAFraction) {
  TRecordingCanvas C = MakeCanvas();
  const auto T = Parse("x+a/b");
  const TSize S = T->Measure(C);
  EXPECT_EQ(S.cy, 28);  // the fraction's height
  const TVerticalExtent E = T->GetVerticalExtent(C);
  EXPECT_EQ(E.Below, 6);
  T->Draw(C, 0, 0);
  EXPECT_EQ(C.TextOf("x").Y, 28 - 16);  // bottom-aligned with the fraction
  EXPECT_EQ(C.TextOf("+").Y, 28 - 16);
}

TEST(TermLayout, FontIsExactlyAsBeforeAfterAnyTerm) {
  for (int Height : {-13, -14, -15, -16, -11, -20}) {
    for (const char* Text : {"a/b", "(a+b)^2", "x^(1/2)", "((a/b)/(c/d))^(n^2)", "2*a-3:b", "?"}) {
      TRecordingCanvas C = MakeCanvas(Height);
      const TFontSpec Before = C.Font;
      const auto T = Parse(Text);
      T->Measure(C);
      T->GetVerticalExtent(C);
      T->Draw(C, 0, 0);
      EXPECT_EQ(C.Font, Before) << Text << " " << Height;
    }
  }
}

TEST(TermLayout, DeepNestingNeverAsksForAFontBelowOnePoint) {
  TRecordingCanvas C = MakeCanvas(-8);
  std::string Text = "a";
  for (int I = 0; I < 12; ++I) Text = "(" + Text + ")/b";
  const auto T = Parse(Text);
  T->Draw(C, 0, 0);
  EXPECT_GE(C.SmallestPoints, 1);
  EXPECT_EQ(C.Font.Height, -8);
}

}  // namespace

TEST(TermLayout, FittingStepsTheFontDownToTheFirstSizeThatFits) {
  const auto Sum = Parse("a+b");  // at height h: three characters and two gaps of half a character
  struct TCase {
    TSize Room;
    int MinHeight;
    int Height;  // the font found
    bool Fits;
  };
  const TCase Cases[] = {
      {{48, 23}, 9, -20, true},   // fits as it is: 12 + 6 + 12 + 6 + 12 wide, 23 high
      {{40, 23}, 9, -18, true},   // 10-pixel characters from height 18 on
      {{40, 20}, 9, -17, true},   // the height decides
      {{10, 10}, 9, -9, false},   // never below the smallest size
      {{40, 23}, 19, -19, false},
  };
  for (const TCase& C : Cases) {
    TRecordingCanvas Canvas = MakeCanvas(-20);
    EXPECT_EQ(FitTermFont(Canvas, *Sum, C.Room, C.MinHeight), C.Fits) << C.Room.cx << "x" << C.Room.cy;
    EXPECT_EQ(Canvas.Font.Height, C.Height) << C.Room.cx << "x" << C.Room.cy;
    EXPECT_TRUE(Canvas.Texts.empty());  // measured, not drawn
  }
}
