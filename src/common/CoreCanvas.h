#pragma once
// The small drawing surface that core code (term layout, mini-HTML word view)
// draws on. The platform's TCanvas implements it for the screen; tests
// implement it with fixed character metrics.
#include <string>
#include <vector>

#include "common/Colors.h"
#include "common/Types.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// MulDiv with rounding to nearest, halves away from zero.
int MulDiv(int Number, int Numerator, int Denominator);

struct TFontSpec {
  std::string Name = "Tahoma";
  int Height = -11;  // negative: character height in pixels; positive: cell height
  TFontStyles Style = 0;
  TColor Color = clWindowText;

  // Points at 96 dpi, derived from Height as the form designs expect.
  int Size() const { return -MulDiv(Height, 72, 96); }
  void SetSize(int Points) { Height = -MulDiv(Points, 96, 72); }
  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

// The columns the ink of a text covers, counted from the left edge of its
// cell: Left is the first, Right one past the last.
struct TInkSpan {
  int Left = 0;
  int Right = 0;
  friend bool operator==(const TInkSpan&, const TInkSpan&) = default;
};

class TCoreCanvas {
 public:
  virtual ~TCoreCanvas() = default;
  virtual TFontSpec GetFont() const = 0;
  virtual void SetFont(const TFontSpec& Font) = 0;
  virtual TSize TextExtent(const std::string& Text) = 0;
  // Where the glyphs of Text put ink; a canvas that cannot tell gives the
  // whole cell.
  virtual TInkSpan TextInk(const std::string& Text) { return {0, TextExtent(Text).cx}; }
  // Text with a transparent background; (X, Y) is the top left of the cell.
  virtual void TextOut(int X, int Y, const std::string& Text) = 0;
  virtual TColor PenColor() const = 0;
  virtual void SetPenColor(TColor Color) = 0;
  virtual void MoveTo(int X, int Y) = 0;
  virtual void LineTo(int X, int Y) = 0;  // end pixel excluded
  virtual void Polyline(const std::vector<TPoint>& Points) = 0;
};
