#pragma once
// Pixel-row arithmetic of the background panel and its translucent shapes:
// colour gradients in stripes, tiling, the mirrored tile, and the blend of
// two pictures with a transparency that varies across them. Everything
// works on raw rows of bytes; no canvas is involved.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/Types.h"

// A block of pixel rows: row Y starts at Bits + Y * Stride. A 32-bit pixel
// is blue, green, red and a fourth byte, as in the platform's bitmaps.
struct TPixelRows {
  std::uint8_t* Bits = nullptr;
  std::ptrdiff_t Stride = 0;
  int Width = 0;
  int Height = 0;
  int BytesPerPixel = 4;

  std::uint8_t* Row(int Y) const { return Bits + Y * Stride; }
  std::uint32_t* Row32(int Y) const { return reinterpret_cast<std::uint32_t*>(Row(Y)); }
};

// The same for rows that are only read.
struct TConstPixelRows {
  const std::uint8_t* Bits = nullptr;
  std::ptrdiff_t Stride = 0;
  int Width = 0;
  int Height = 0;
  int BytesPerPixel = 4;

  TConstPixelRows() = default;
  TConstPixelRows(const std::uint8_t* B, std::ptrdiff_t S, int W, int H, int Bpp)
      : Bits(B), Stride(S), Width(W), Height(H), BytesPerPixel(Bpp) {}
  TConstPixelRows(const TPixelRows& R)  // NOLINT: a writable block may always be read
      : Bits(R.Bits), Stride(R.Stride), Width(R.Width), Height(R.Height), BytesPerPixel(R.BytesPerPixel) {}

  const std::uint8_t* Row(int Y) const { return Bits + Y * Stride; }
  const std::uint32_t* Row32(int Y) const { return reinterpret_cast<const std::uint32_t*>(Row(Y)); }
};

// A colour (red in the low byte) as an opaque 32-bit pixel value.
constexpr std::uint32_t ColorToPixel(TColor Color) {
  const auto C = static_cast<std::uint32_t>(Color);
  return 0xFF000000u | ((C & 0xFFu) << 16) | (C & 0xFF00u) | ((C >> 16) & 0xFFu);
}
// The colour of a 32-bit pixel value.
constexpr TColor PixelToColor(std::uint32_t Pixel) {
  return static_cast<TColor>(((Pixel >> 16) & 0xFFu) | (Pixel & 0xFF00u) | ((Pixel & 0xFFu) << 16));
}

// Rounds to the nearest integer, halves to the even one (for |V| < 2^51).
inline double RoundHalfEven(double V) {
  constexpr double Shift = 6755399441055744.0;  // 1.5 * 2^52
  return V >= 0 ? (V + Shift) - Shift : (V - Shift) + Shift;
}

// ---------------------------------------------------------------- gradient

// A gradient of Count + 1 stripes of StripeSize pixels along the gradient
// axis; stripe I starts at StripeSize * I. Stripes past the end are clipped.
struct TGradientPlan {
  int StripeSize = 3;
  int Steps = 0;  // the last stripe index; it has exactly the second colour
};

// StripeRequest is the extent div 50; stripes are never thinner than 3.
TGradientPlan PlanGradient(int Extent, int StripeRequest);

// The colour of stripe I of Steps: each channel moves from C1 by the rounded
// share I / Steps of its distance to C2 (a single stripe keeps C1). Colours
// are read as plain bytes, red in the low one.
TColor GradientColor(TColor C1, TColor C2, int I, int Steps);

// Fills 32-bit rows with the gradient from C1 to C2, top to bottom when
// Vertical, else left to right. StripeRequest as for PlanGradient.
void FillGradient(const TPixelRows& Dest, TColor C1, TColor C2, int StripeRequest, bool Vertical);

// Fills 32-bit rows with one colour.
void FillSolid(const TPixelRows& Dest, TColor Color);

// ------------------------------------------------------------------ tiles

// Repeats Tile over Dest from (0, 0) on (whole tiles, the last ones
// clipped). Both must have the same bytes per pixel; an empty tile leaves
// Dest as it is.
void FillTiled(const TPixelRows& Dest, const TConstPixelRows& Tile);

// Builds the symmetric tile of twice Picture's width and height: the
// picture top left, mirrored left-right beside it, mirrored top-bottom
// below it, and mirrored both ways diagonally. Dest must be that large and
// have the picture's bytes per pixel.
void BuildMirroredTile(const TConstPixelRows& Picture, const TPixelRows& Dest);

// ------------------------------------------------------------------ blend

// Factors of a blend: offset and slope across the width (OX, SX) and the
// height (OY, SY).
struct TBlendFactors {
  long double OX = 0;
  long double SX = 0;
  long double OY = 0;
  long double SY = 0;
};

enum class TBlendCurve {
  Linear,     // f = (x*SX/W + OX) * (y*SY/H + OY)
  Quadratic,  // f = (SX*u^2 - SX*u + OX) * (SY*v^2 - SY*v + OY), u = x/W, v = y/H
};

// The weight f of A at column X, row Y of a W x H picture, clamped to 0..1.
long double BlendFactor(TBlendCurve Curve, const TBlendFactors& F, int X, int Y, int W, int H);

// Blends A over the part of B at (X, Y): every byte becomes
// round((1 - f) * B + f * A), halves to even, with f the weight of A at that
// pixel of A. The result replaces that part of B; parts of A outside B are
// left out. A and B must have the same bytes per pixel (std::invalid_argument
// otherwise).
void BlendRows(const TConstPixelRows& A, const TPixelRows& B, int X, int Y, const TBlendFactors& F,
               TBlendCurve Curve);
