#include "scene/PixelRows.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

// ---------------------------------------------------------------- gradient

TGradientPlan PlanGradient(int Extent, int StripeRequest) {
  TGradientPlan Plan;
  Plan.StripeSize = std::max(3, StripeRequest);
  const long double Steps = std::nearbyint(static_cast<long double>(std::max(0, Extent)) / Plan.StripeSize);
  Plan.Steps = static_cast<int>(Steps);
  return Plan;
}

TColor GradientColor(TColor C1, TColor C2, int I, int Steps) {
  // With a single stripe there is no way to go: it keeps the first colour.
  const long double T = Steps > 0 ? static_cast<long double>(I) / Steps : 0.0L;
  TColor Result = 0;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    const int A = (C1 >> Shift) & 0xFF;
    const int B = (C2 >> Shift) & 0xFF;
    const int Channel = A + static_cast<int>(std::nearbyint((B - A) * T));
    Result |= (Channel & 0xFF) << Shift;
  }
  return Result;
}

void FillSolid(const TPixelRows& Dest, TColor Color) {
  const std::uint32_t Pixel = ColorToPixel(Color);
  for (int Y = 0; Y < Dest.Height; ++Y) std::fill_n(Dest.Row32(Y), Dest.Width, Pixel);
}

void FillGradient(const TPixelRows& Dest, TColor C1, TColor C2, int StripeRequest, bool Vertical) {
  const int Extent = Vertical ? Dest.Height : Dest.Width;
  const TGradientPlan Plan = PlanGradient(Extent, StripeRequest);
  for (int I = 0; I <= Plan.Steps; ++I) {
    const long long From = static_cast<long long>(Plan.StripeSize) * I;
    if (From >= Extent) break;
    const int To = static_cast<int>(std::min<long long>(From + Plan.StripeSize, Extent));
    const std::uint32_t Pixel = ColorToPixel(GradientColor(C1, C2, I, Plan.Steps));
    if (Vertical) {
      for (int Y = static_cast<int>(From); Y < To; ++Y) std::fill_n(Dest.Row32(Y), Dest.Width, Pixel);
    } else if (Dest.Height > 0) {
      std::fill(Dest.Row32(0) + From, Dest.Row32(0) + To, Pixel);
    }
  }
  // Across the width every row is the same: the first one is copied.
  if (!Vertical)
    for (int Y = 1; Y < Dest.Height; ++Y)
      std::memcpy(Dest.Row32(Y), Dest.Row32(0), static_cast<std::size_t>(Dest.Width) * sizeof(std::uint32_t));
}

// ------------------------------------------------------------------ tiles

void FillTiled(const TPixelRows& Dest, const TConstPixelRows& Tile) {
  if (Tile.Width <= 0 || Tile.Height <= 0 || Dest.Width <= 0) return;
  if (Tile.BytesPerPixel != Dest.BytesPerPixel) throw std::invalid_argument("FillTiled: pixel formats differ");
  const std::size_t Bpp = static_cast<std::size_t>(Dest.BytesPerPixel);
  const std::size_t TileBytes = Bpp * static_cast<std::size_t>(Tile.Width);
  const std::size_t RowBytes = Bpp * static_cast<std::size_t>(Dest.Width);
  for (int Y = 0; Y < Dest.Height; ++Y) {
    const std::uint8_t* Source = Tile.Row(Y % Tile.Height);
    std::uint8_t* Target = Dest.Row(Y);
    for (std::size_t Done = 0; Done < RowBytes; Done += TileBytes)
      std::memcpy(Target + Done, Source, std::min(TileBytes, RowBytes - Done));
  }
}

void BuildMirroredTile(const TConstPixelRows& Picture, const TPixelRows& Dest) {
  const int W = Picture.Width;
  const int H = Picture.Height;
  if (W <= 0 || H <= 0) return;
  if (Dest.Width < 2 * W || Dest.Height < 2 * H || Dest.BytesPerPixel != Picture.BytesPerPixel)
    throw std::invalid_argument("BuildMirroredTile: target does not fit");
  const int Bpp = Picture.BytesPerPixel;
  for (int Y = 0; Y < 2 * H; ++Y) {
    const std::uint8_t* Source = Picture.Row(Y < H ? Y : 2 * H - 1 - Y);
    std::uint8_t* Target = Dest.Row(Y);
    std::memcpy(Target, Source, static_cast<std::size_t>(W) * Bpp);
    for (int X = 0; X < W; ++X)
      std::memcpy(Target + static_cast<std::size_t>(2 * W - 1 - X) * Bpp, Source + static_cast<std::size_t>(X) * Bpp,
                  static_cast<std::size_t>(Bpp));
  }
}

// ------------------------------------------------------------------ blend

namespace {

long double Clamp01(long double F) { return F < 0 ? 0 : (F > 1 ? 1 : F); }

// The factor along one axis: the part that depends on the column (or row).
long double AxisFactor(TBlendCurve Curve, long double Offset, long double Slope, int I, int Size) {
  if (Curve == TBlendCurve::Linear) return static_cast<long double>(I) * Slope / Size + Offset;
  const long double U = static_cast<long double>(I) / Size;
  return Slope * U * U - Slope * U + Offset;
}

// RoundHalfEven for the non-negative values of a blend.
inline std::uint8_t RoundByte(double V) {
  constexpr double Shift = 6755399441055744.0;
  return static_cast<std::uint8_t>(static_cast<int>((V + Shift) - Shift));
}

// One row of 32-bit pixels: every byte of Under becomes
// round((1 - f) * Under + f * Over). Each pixel is read and written whole.
void BlendPixels32(const std::uint8_t* Over, std::uint8_t* Under, const std::vector<double>& Weights) {
  for (const double Fa : Weights) {
    const double Fb = 1.0 - Fa;
    std::uint32_t O, U;
    std::memcpy(&O, Over, 4);
    std::memcpy(&U, Under, 4);
    const auto Mix = [Fa, Fb, O, U](int Shift) {
      const double V = Fb * static_cast<double>((U >> Shift) & 0xFF) + Fa * static_cast<double>((O >> Shift) & 0xFF);
      return static_cast<std::uint32_t>(RoundByte(V)) << Shift;
    };
    const std::uint32_t Result = Mix(0) | Mix(8) | Mix(16) | Mix(24);
    std::memcpy(Under, &Result, 4);
    Over += 4;
    Under += 4;
  }
}

void BlendPixelsOf(int Bpp, const std::uint8_t* Over, std::uint8_t* Under, const std::vector<double>& Weights) {
  for (const double Fa : Weights) {
    const double Fb = 1.0 - Fa;
    for (int K = 0; K < Bpp; ++K) Under[K] = RoundByte(Fb * Under[K] + Fa * Over[K]);
    Over += Bpp;
    Under += Bpp;
  }
}

// One row where every pixel has the same weight Fa of Over. Fa = 0 keeps
// Under and Fa = 1 gives Over exactly; otherwise the two products of each
// byte come from tables, the same numbers the per-pixel blend multiplies.
class TUniformRowBlend {
 public:
  void Blend(double Fa, const std::uint8_t* Over, std::uint8_t* Under, std::size_t Bytes) {
    if (Fa == 0) return;
    if (Fa == 1) {
      std::memcpy(Under, Over, Bytes);
      return;
    }
    if (!FReady || Fa != FFa) Prepare(Fa);
    for (std::size_t K = 0; K < Bytes; ++K) Under[K] = RoundByte(FUnder[Under[K]] + FOver[Over[K]]);
  }

 private:
  void Prepare(double Fa) {
    const double Fb = 1.0 - Fa;
    for (int V = 0; V < 256; ++V) {
      FOver[V] = Fa * static_cast<double>(V);
      FUnder[V] = Fb * static_cast<double>(V);
    }
    FFa = Fa;
    FReady = true;
  }

  double FOver[256];
  double FUnder[256];
  double FFa = 0;
  bool FReady = false;
};

}  // namespace

long double BlendFactor(TBlendCurve Curve, const TBlendFactors& F, int X, int Y, int W, int H) {
  return Clamp01(AxisFactor(Curve, F.OX, F.SX, X, W) * AxisFactor(Curve, F.OY, F.SY, Y, H));
}

void BlendRows(const TConstPixelRows& A, const TPixelRows& B, int X, int Y, const TBlendFactors& F,
               TBlendCurve Curve) {
  if (A.BytesPerPixel != B.BytesPerPixel) throw std::invalid_argument("BlendRows: pixel formats differ");
  const int W = A.Width;
  const int H = A.Height;
  // The columns and rows of A that land inside B.
  const int X0 = std::max(0, -X);
  const int X1 = std::min(W, B.Width - X);
  const int Y0 = std::max(0, -Y);
  const int Y1 = std::min(H, B.Height - Y);
  if (X0 >= X1 || Y0 >= Y1) return;

  // The factors are computed with extended precision once per column and
  // once per row; the per-pixel work runs in double.
  const int Bpp = A.BytesPerPixel;
  std::vector<double> Columns(static_cast<std::size_t>(X1 - X0));
  for (int I = X0; I < X1; ++I) Columns[I - X0] = static_cast<double>(AxisFactor(Curve, F.OX, F.SX, I, W));
  std::vector<double> Weights(Columns.size());
  // Without a slope across, every pixel of a row has the same weight.
  const bool Uniform = std::all_of(Columns.begin(), Columns.end(), [&](double C) { return C == Columns.front(); });
  TUniformRowBlend RowBlend;

  for (int Row = Y0; Row < Y1; ++Row) {
    const auto Fy = static_cast<double>(AxisFactor(Curve, F.OY, F.SY, Row, H));
    if (Uniform) {
      const double Fa = Columns.front() * Fy;
      RowBlend.Blend(Fa < 0 ? 0 : (Fa > 1 ? 1 : Fa), A.Row(Row) + static_cast<std::ptrdiff_t>(X0) * Bpp,
                     B.Row(Row + Y) + static_cast<std::ptrdiff_t>(X0 + X) * Bpp,
                     Columns.size() * static_cast<std::size_t>(Bpp));
      continue;
    }
    for (std::size_t I = 0; I < Columns.size(); ++I) {
      const double Fa = Columns[I] * Fy;
      Weights[I] = Fa < 0 ? 0 : (Fa > 1 ? 1 : Fa);
    }
    const std::uint8_t* Over = A.Row(Row) + static_cast<std::ptrdiff_t>(X0) * Bpp;
    std::uint8_t* Under = B.Row(Row + Y) + static_cast<std::ptrdiff_t>(X0 + X) * Bpp;
    if (Bpp == 4)
      BlendPixels32(Over, Under, Weights);
    else
      BlendPixelsOf(Bpp, Over, Under, Weights);
  }
}
