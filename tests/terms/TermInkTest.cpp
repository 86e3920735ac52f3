// The drawn ink of powers, measured in real pixels of the term face: the
// exponent stands raised and tight to its base. Antialiasing and the face's
// metrics vary a little, so the checks allow a pixel or two.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "terms/TermFace.h"
#include "terms/Terms.h"

namespace {

// Passes on what is drawn at the base's font height (the base, its
// brackets) or only what is drawn smaller (the exponent and its own
// exponents), so that each part's ink can be measured alone.
class TLayerCanvas final : public TCoreCanvas {
 public:
  TLayerCanvas(TCoreCanvas& Inner, bool Base) : FInner(Inner), FBaseHeight(Inner.GetFont().Height), FBase(Base) {}
  TFontSpec GetFont() const override { return FInner.GetFont(); }
  void SetFont(const TFontSpec& Font) override { FInner.SetFont(Font); }
  TSize TextExtent(const std::string& Text) override { return FInner.TextExtent(Text); }
  TInkSpan TextInk(const std::string& Text) override { return FInner.TextInk(Text); }
  void TextOut(int X, int Y, const std::string& Text) override {
    if (Wanted()) FInner.TextOut(X, Y, Text);
  }
  TColor PenColor() const override { return FInner.PenColor(); }
  void SetPenColor(TColor Color) override { FInner.SetPenColor(Color); }
  void MoveTo(int X, int Y) override { FInner.MoveTo(X, Y); }
  void LineTo(int X, int Y) override {
    if (Wanted()) FInner.LineTo(X, Y);
  }
  void Polyline(const std::vector<TPoint>& Points) override {
    if (Wanted()) FInner.Polyline(Points);
  }

 private:
  bool Wanted() const { return (FInner.GetFont().Height == FBaseHeight) == FBase; }
  TCoreCanvas& FInner;
  int FBaseHeight;
  bool FBase;
};

// The box around the non-white pixels of Image.
QRect Ink(const QImage& Image) {
  QRect R;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if (Image.pixel(X, Y) != qRgb(255, 255, 255)) R |= QRect(X, Y, 1, 1);
  return R;
}

// The ink of Term's base layer (Base) or exponent layer, set at FontHeight
// from (10, 10).
QRect LayerInk(const TTerm& Term, int FontHeight, bool Base) {
  QImage Image(300, 120, QImage::Format_RGB32);
  Image.fill(Qt::white);
  TCanvas Canvas(&Image);
  TFontSpec Font = TermFont({});
  Font.Height = FontHeight;
  Font.Color = clBlack;
  Canvas.Font().SetSpec(Font);
  Canvas.Pen().SetColor(clBlack);
  TLayerCanvas Layer(Canvas.Core(), Base);
  Term.Draw(Layer, 10, 10);
  return Ink(Image);
}

TEST(TermInk, ExponentIsRaisedSmallerAndTightToItsBase) {
  // Italic letters that lean far to the right, digits, a drawn bracket and
  // exponents that are powers or sums themselves.
  for (const char* Text : {"x^4", "a^2", "f^2", "y^3", "l^2", "2^10", "(a+b)^2", "(x-1)^3", "x^(n+1)", "x^(n^2)",
                           "(2*a)^(k^2)"}) {
    const std::unique_ptr<TTerm> Term = TTerm::ParseTerm(Text);
    for (const int Height : {-13, -20, -28}) {
      const QRect Base = LayerInk(*Term, Height, true);
      const QRect Exp = LayerInk(*Term, Height, false);
      SCOPED_TRACE(std::string(Text) + " at " + std::to_string(-Height) + " px");
      ASSERT_FALSE(Base.isNull());
      ASSERT_FALSE(Exp.isNull());
      // Side by side: at most one column shared, at most two blank ones between.
      EXPECT_GE(Exp.left(), Base.right());
      EXPECT_LE(Exp.left(), Base.right() + 3);
      // Raised: the exponent's foot clearly above the base's.
      EXPECT_LE(Exp.bottom(), Base.bottom() - Base.height() / 3);
      // Smaller, but not too small to read.
      EXPECT_GE(Exp.height(), 5);
    }
  }
}

}  // namespace
