#pragma once
// Colour arithmetic of the extended shapes: the cell-by-cell colour fields
// with their weight functions and dithering, and the linear colour bands.
#include <functional>

#include "common/Types.h"
#include "components/XShapeTypes.h"

// Per channel A * T + B * (1 - T), rounded; a channel outside 0 .. 255 keeps
// only its low 8 bits. System colours are resolved first.
TColor BlendColor(TColor A, TColor B, long double T);

// Weight of cell (I, J) in a field of C columns and R rows; Rho is the
// figure's rotation value, which some kinds use as a shape parameter. The
// random kinds (stFloatColorH, stFloatColorV) draw a fresh number.
long double ColorFieldWeight(TShapeForm Kind, int I, int C, int J, int R, long double Rho);

// The cells cover the control with round(ScaleX) x round(ScaleY) pixels each
// (at least 2 x 2); the last column and row may stick out of the control.
struct TCellGrid {
  int CellWidth = 2;
  int CellHeight = 2;
  int Columns = 0;
  int Rows = 0;
};
TCellGrid ColorFieldGrid(int Width, int Height, long double ScaleX, long double ScaleY);

// Visits the cells with their rectangles (offset by X, Y, cut to the
// control) and colours, column by column. Only cells that meet Clip are
// visited, so a huge control costs no more than its visible part. With
// Dither the cell is either Brush or Color2: Brush when the weight is at
// least a fresh random number in [0, 1).
struct TColorFieldSpec {
  TShapeForm Kind = TShapeForm::stFloatColorD;
  int Width = 65;
  int Height = 65;
  long double ScaleX = 1;
  long double ScaleY = 1;
  long double Rotation = 0;
  TColor Brush = 0xFFFFFF;
  TColor Color2 = 0;
  bool Dither = false;
  TRect Clip{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};
};
void ForEachColorCell(const TColorFieldSpec& FieldSpec, int X, int Y,
                      const std::function<void(const TRect&, TColor)>& Fill);

// Linear bands along one axis of Length pixels: band width Scale (3 when
// below 3), n = round(Length / width) + 1 bands fading from Brush to Color2.
// Band k spans From .. To (To exclusive, one pixel beyond round((k+1) b), so
// neighbours overlap by a pixel and the later one wins).
struct TBand {
  int From = 0;
  int To = 0;
  TColor Color = 0;
};
void ForEachBand(int Length, long double Scale, TColor Brush, TColor Color2,
                 const std::function<void(const TBand&)>& Fill);
