// Mathematical layout of term trees, set as in an exercise book: fractions
// with a bar and smaller parts, exponents raised, smaller and tight to their
// base, a centred dot for products, the minus sign "−" in the plus sign's
// cell, variables in italics, brackets drawn as lines. Everything is drawn
// through the core canvas, so the rules can be checked with fixed character
// metrics.
#include <algorithm>
#include <cmath>

#include "common/CoreCanvas.h"
#include "terms/Terms.h"

namespace {

const std::string MulDot = "\xC2\xB7";      // the centred dot of products
const std::string MinusSign = "\xE2\x88\x92";  // U+2212, not the hyphen

// The gap on each side of an operator symbol of text width W.
int SymbolGap(const std::string& Op, int W) {
  if (Op == "+" || Op == MinusSign) return W / 2;
  if (Op == ":" || Op == "/" || Op == MulDot) return W / 3;
  if (Op == "^") return 1;
  return W;
}

const std::string& DrawnSymbol(const std::string& Op) { return Op == "*" ? MulDot : Op; }

// The symbol a dyad class shows between its children.
std::string DyadSymbol(const TDyad& Dyad) {
  if (Dyad.IsA<TDif>()) return MinusSign;
  if (Dyad.IsA<TSum>()) return "+";
  if (Dyad.IsA<TDiv>()) return ":";
  if (Dyad.IsA<TMul>()) return MulDot;
  if (Dyad.IsA<TPower>()) return "^";
  return "=";
}

// Changes the canvas font size for a while and puts the font back exactly
// as it was (not just its size in points) when it ends.
class TFontSizeScope {
 public:
  TFontSizeScope(TCoreCanvas& Canvas, int Points) : FCanvas(Canvas), FSaved(Canvas.GetFont()) {
    TFontSpec Font = FSaved;
    Font.SetSize(std::max(1, Points));  // never below one point, however deep the nesting
    FCanvas.SetFont(Font);
  }
  ~TFontSizeScope() { FCanvas.SetFont(FSaved); }
  TFontSizeScope(const TFontSizeScope&) = delete;
  TFontSizeScope& operator=(const TFontSizeScope&) = delete;

 private:
  TCoreCanvas& FCanvas;
  TFontSpec FSaved;
};

int FractionSize(const TCoreCanvas& Canvas) { return Canvas.GetFont().Size() - 2; }
int ExponentSize(const TCoreCanvas& Canvas) {
  return static_cast<int>(std::nearbyint(Canvas.GetFont().Size() * 0.7L));
}

// The cell an operator symbol takes: the minus sign takes the plus sign's,
// so that "a − b" and "a + b" are spaced alike.
TSize SymbolCell(TCoreCanvas& Canvas, const std::string& Symbol) {
  return Canvas.TextExtent(Symbol == MinusSign ? std::string("+") : Symbol);
}

// Writes Symbol centred in its cell at X, Y.
void DrawSymbol(TCoreCanvas& Canvas, int X, int Y, const std::string& Symbol) {
  const int Offset = Symbol == MinusSign ? (SymbolCell(Canvas, Symbol).cx - Canvas.TextExtent(Symbol).cx) / 2 : 0;
  Canvas.TextOut(X + Offset, Y, Symbol);
}

// Variables are set in italics, everything else upright, as in print.
class TLeafStyleScope {
 public:
  TLeafStyleScope(TCoreCanvas& Canvas, const TTerm& Leaf) : FCanvas(Canvas), FSaved(Canvas.GetFont()) {
    if (!Leaf.IsA<TVariable>()) return;
    TFontSpec Font = FSaved;
    Font.Style |= fsItalic;
    FCanvas.SetFont(Font);
  }
  ~TLeafStyleScope() { FCanvas.SetFont(FSaved); }
  TLeafStyleScope(const TLeafStyleScope&) = delete;
  TLeafStyleScope& operator=(const TLeafStyleScope&) = delete;

 private:
  TCoreCanvas& FCanvas;
  TFontSpec FSaved;
};


// Lines of brackets and fraction bars: thin and solid in the font colour.
void UseFontColorPen(TCoreCanvas& Canvas) { Canvas.SetPenColor(Canvas.GetFont().Color); }

void OpeningBracket(TCoreCanvas& Canvas, int X, int Top, int H) {
  Canvas.Polyline({{X + 4, Top}, {X, Top + 4}, {X, Top + H - 4}, {X + 4, Top + H}});
}
void ClosingBracket(TCoreCanvas& Canvas, int X, int Top, int H) {
  Canvas.Polyline({{X, Top}, {X + 4, Top + 4}, {X + 4, Top + H - 4}, {X, Top + H}});
}

}  // namespace

// ------------------------------------------------------------------ leaves

TSize TTerm::Measure(TCoreCanvas& Canvas) const {
  const TLeafStyleScope Style(Canvas, *this);
  return Canvas.TextExtent(ToString());
}

TVerticalExtent TTerm::GetVerticalExtent(TCoreCanvas& Canvas) const { return {Measure(Canvas).cy, 0}; }

void TTerm::DrawText(TCoreCanvas& Canvas, int X, int Y, const std::string& Text) const {
  Canvas.TextOut(X, Y, Text);  // the core canvas writes without background
}

void TTerm::Draw(TCoreCanvas& Canvas, int X, int Y) const {
  const TLeafStyleScope Style(Canvas, *this);
  DrawText(Canvas, X, Y, ToString());
}

// --------------------------------------------------------------- negation

// The sign (the minus sign in the plus sign's cell, as between two terms)
// stands before its operand with half the gap a minus has between two terms
// on its right only; a bracketed operand gets drawn brackets.
TSize TNeg::Measure(TCoreCanvas& Canvas) const {
  const TSize Sign = SymbolCell(Canvas, MinusSign);
  TSize Op = Operand()->Measure(Canvas);
  if (NeedsBrackets()) Op.cx += 8;
  return {Sign.cx + SymbolGap(MinusSign, Sign.cx) / 2 + Op.cx, std::max(Sign.cy, Op.cy)};
}

TVerticalExtent TNeg::GetVerticalExtent(TCoreCanvas& Canvas) const { return Operand()->GetVerticalExtent(Canvas); }

void TNeg::Draw(TCoreCanvas& Canvas, int X, int Y) const {
  const TSize Sign = SymbolCell(Canvas, MinusSign);
  const TSize Op = Operand()->Measure(Canvas);
  const int H = std::max(Sign.cy, Op.cy);
  DrawSymbol(Canvas, X, Y + H - Sign.cy, MinusSign);
  X += Sign.cx + SymbolGap(MinusSign, Sign.cx) / 2;
  UseFontColorPen(Canvas);
  const bool Bracketed = NeedsBrackets();
  const int Below = Operand()->GetVerticalExtent(Canvas).Below;
  if (Bracketed) {
    OpeningBracket(Canvas, X, Y, H + Below);
    X += 4;
  }
  Operand()->Draw(Canvas, X, Y + H - Op.cy);
  if (Bracketed) ClosingBracket(Canvas, X + Op.cx, Y, H + Below);
}

// ------------------------------------------------------------------- dyads

TSize TDyad::Measure(TCoreCanvas& Canvas) const { return MeasureDyad(Canvas, DyadSymbol(*this)); }

TVerticalExtent TDyad::GetVerticalExtent(TCoreCanvas& Canvas) const {
  const TVerticalExtent A = L().GetVerticalExtent(Canvas);
  const TVerticalExtent B = R().GetVerticalExtent(Canvas);
  return {std::max(A.Above, B.Above), std::max(A.Below, B.Below)};
}

void TDyad::Draw(TCoreCanvas& Canvas, int X, int Y) const { DrawDyad(Canvas, X, Y, DyadSymbol(*this)); }

void TDyad::DrawDyad(TCoreCanvas& Canvas, int X, int Y, const std::string& Op) const {
  const std::string& Symbol = DrawnSymbol(Op);
  const TSize Left = L().Measure(Canvas);
  const TSize Right = R().Measure(Canvas);
  const TSize Sym = SymbolCell(Canvas, Symbol);
  const int H = std::max({Left.cy, Right.cy, Sym.cy});
  const int Gap = SymbolGap(Symbol, Sym.cx);
  UseFontColorPen(Canvas);

  // Children stand on the line Y + H; brackets reach down by their below-part.
  const auto DrawChild = [&](const TTerm& Child, const TSize& Size, bool Bracketed) {
    const int Below = Child.GetVerticalExtent(Canvas).Below;
    if (Bracketed) {
      OpeningBracket(Canvas, X, Y, H + Below);
      X += 4;
    }
    Child.Draw(Canvas, X, Y + H - Size.cy);
    X += Size.cx;
    if (Bracketed) {
      ClosingBracket(Canvas, X, Y, H + Below);
      X += 4;
    }
  };
  DrawChild(L(), Left, NeedsBrackets(0));
  X += Gap;
  DrawSymbol(Canvas, X, Y + H - Sym.cy, Symbol);
  X += Sym.cx + Gap;
  DrawChild(R(), Right, NeedsBrackets(1));
}

TSize TDyad::MeasureDyad(TCoreCanvas& Canvas, const std::string& Op) const {
  TSize Left = L().Measure(Canvas);
  TSize Right = R().Measure(Canvas);
  if (NeedsBrackets(0)) Left.cx += 8;
  if (NeedsBrackets(1)) Right.cx += 8;
  const std::string& Symbol = DrawnSymbol(Op);
  const TSize Sym = SymbolCell(Canvas, Symbol);
  return {Left.cx + Right.cx + Sym.cx + 2 * SymbolGap(Symbol, Sym.cx), std::max({Left.cy, Right.cy, Sym.cy})};
}

// --------------------------------------------------------------- fractions

TSize TFrac::Measure(TCoreCanvas& Canvas) const {
  TFontSizeScope Smaller(Canvas, FractionSize(Canvas));
  const TSize N = L().Measure(Canvas);
  const TSize D = R().Measure(Canvas);
  return {std::max(N.cx, D.cx), N.cy + D.cy};
}

// The bar lies at the middle of the neighbouring text: the fraction hangs
// below the line by half of what it is taller than an "O".
TVerticalExtent TFrac::GetVerticalExtent(TCoreCanvas& Canvas) const {
  const TSize S = Measure(Canvas);
  const int O = Canvas.TextExtent("O").cy;
  const int Below = (S.cy - O) / 2;
  return {S.cy - Below, Below};
}

void TFrac::Draw(TCoreCanvas& Canvas, int X, int Y) const {
  TFontSizeScope Smaller(Canvas, FractionSize(Canvas));
  const TSize N = L().Measure(Canvas);
  const TSize D = R().Measure(Canvas);
  const int W = std::max(N.cx, D.cx);
  const int Below = GetVerticalExtent(Canvas).Below;
  L().Draw(Canvas, X + (W - N.cx) / 2, Y + Below);
  const int Yb = Y + Below + N.cy + L().GetVerticalExtent(Canvas).Below;
  R().Draw(Canvas, X + (W - D.cx) / 2, Yb);
  UseFontColorPen(Canvas);
  Canvas.MoveTo(X, Yb);
  Canvas.LineTo(X + W, Yb);
}

// ------------------------------------------------------------------ powers

namespace {

// The text a term's drawing starts with on the left, or null when it starts
// with a line or a sign (a bracket, a fraction bar, a minus sign).
const TTerm* LeadingLeaf(const TTerm& T) {
  if (T.IsA<TConstant>() || T.IsA<TText>()) return &T;
  if (T.IsA<TFrac>()) return nullptr;
  if (const auto* D = dynamic_cast<const TDyad*>(&T)) return D->NeedsBrackets(0) ? nullptr : LeadingLeaf(*D->Left());
  return nullptr;
}

// The ink of a leaf's text, in the style the leaf is drawn in.
TInkSpan LeafInk(TCoreCanvas& Canvas, const TTerm& Leaf) {
  const TLeafStyleScope Style(Canvas, Leaf);
  return Canvas.TextInk(Leaf.ToString());
}

// The exponent's cell starts this far right of the base's cell (brackets
// included), so that between the last ink of the base (an italic "f" leans
// out of its cell, a "2" ends inside) and the first ink of the exponent (a
// "1" starts well inside) there stays a gap of a pixel, two in large print:
// the two read as one. The canvas font is the base's.
int ExponentOffset(TCoreCanvas& Canvas, const TPower& Power) {
  const TTerm& Base = *Power.Left();
  // A bracketed base ends with the closing bracket's line, on its cell's edge.
  const bool Leaf = Base.IsA<TConstant>() || Base.IsA<TText>();
  const int Overhang = Leaf && !Power.NeedsBrackets(0) ? LeafInk(Canvas, Base).Right - Base.Measure(Canvas).cx : 0;
  const int Pixels = std::abs(Canvas.GetFont().Height);
  const int Gap = std::max(1, Pixels / 14);
  TFontSizeScope Small(Canvas, ExponentSize(Canvas));
  const TTerm* Lead = LeadingLeaf(*Power.Right());
  const int Bearing = Lead ? LeafInk(Canvas, *Lead).Left : 0;
  return Overhang + Gap - Bearing;
}

}  // namespace

TSize TPower::Measure(TCoreCanvas& Canvas) const {
  TSize B = L().Measure(Canvas);
  if (NeedsBrackets(0)) B.cx += 8;
  const int Offset = ExponentOffset(Canvas, *this);
  TSize E;
  {
    TFontSizeScope Small(Canvas, ExponentSize(Canvas));
    E = R().Measure(Canvas);
  }
  E.cy += B.cy / 2;
  return {std::max(B.cx, B.cx + Offset + E.cx), std::max(B.cy, E.cy)};
}

void TPower::Draw(TCoreCanvas& Canvas, int X, int Y) const {
  const int H = Measure(Canvas).cy;
  const TSize B = L().Measure(Canvas);
  const int Offset = ExponentOffset(Canvas, *this);
  const bool Bracketed = NeedsBrackets(0);
  UseFontColorPen(Canvas);
  if (Bracketed) {
    OpeningBracket(Canvas, X, Y + H - B.cy, B.cy);
    X += 4;
  }
  L().Draw(Canvas, X, Y + H - B.cy);
  X += B.cx;
  if (Bracketed) {
    ClosingBracket(Canvas, X, Y + H - B.cy, B.cy);
    X += 4;
  }
  TFontSizeScope Small(Canvas, ExponentSize(Canvas));
  R().Draw(Canvas, X + Offset, Y);  // the exponent's top meets the power's top
}

bool FitTermFont(TCoreCanvas& Canvas, const TTerm& Term, TSize Room, int MinHeight) {
  const auto Fits = [&] {
    const TSize S = Term.Measure(Canvas);
    return S.cx <= Room.cx && S.cy <= Room.cy;
  };
  for (;;) {
    if (Fits()) return true;
    TFontSpec Font = Canvas.GetFont();
    // A negative height is the character height, a positive one the cell
    // height; either way one pixel smaller.
    const int Pixels = Font.Height < 0 ? -Font.Height : Font.Height;
    if (Pixels <= MinHeight) return false;
    Font.Height = Font.Height < 0 ? -(Pixels - 1) : Pixels - 1;
    Canvas.SetFont(Font);
  }
}
