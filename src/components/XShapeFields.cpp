#include "components/XShapeFields.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/Colors.h"
#include "common/Random.h"
#include "components/XShapeMath.h"

namespace {
constexpr long double Pi = std::numbers::pi_v<long double>;

long double Sq(long double V) { return V * V; }

int CellSide(long double Scale) { return std::max(2, XRoundCoord(Scale)); }

TRect Intersect(const TRect& A, const TRect& B) {
  return Rect(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
              std::min(A.Bottom, B.Bottom));
}
}  // namespace

TColor BlendColor(TColor A, TColor B, long double T) {
  A = ColorToRGB(A);
  B = ColorToRGB(B);
  auto Mix = [T](int Ca, int Cb) { return XRoundChannel(Ca * T + Cb * (1 - T)); };
  return RGB(Mix(GetRValue(A), GetRValue(B)), Mix(GetGValue(A), GetGValue(B)),
             Mix(GetBValue(A), GetBValue(B)));
}

long double ColorFieldWeight(TShapeForm Kind, int I, int C, int J, int R, long double Rho) {
  using enum TShapeForm;
  const long double Il = I, Jl = J, Cl = C, Rl = R;
  const long double U = Il / Cl;
  const long double V = Jl / Rl;
  switch (Kind) {
    case stFloatColorH:
    case stFloatColorV: return RandomFloat();
    case stFloatColorD: return (U + V) / 2;
    case stFloatColorR: return std::sqrt(2 * Sq(U - 0.5L) + 2 * Sq(V - 0.5L));
    case stFloatColorA: return std::fabs(std::atan2(Il - Cl / 2, Jl - Rl / 2)) / Pi;
    case stFloatColorB: return std::sqrt(std::fabs(std::fabs(V - 0.5L) - std::fabs(U - 0.5L)));
    case stFloatColorX:
      return std::sqrt(std::fabs(std::fabs(V - 1.0L / 6) - std::fabs(U - 1.0L / 3)));
    case stFloatColorS1: return Sq((std::cos(V * Pi) + std::sin(U * (Rho + 1) * Pi)) * 0.5L);
    case stFloatColorS2: return (std::cos(8 * Pi * U) + std::sin(8 * Pi * V)) * (Rho + 1);
    case stFloatColorS3:
      return std::fabs(std::sin((Rho - 0.15L) * Rl / std::sqrt(std::fabs(Jl / 2) + 3)) *
                       std::sin((Rho + 0.15L) * Cl / (std::fabs(Il / 2) + 3)));
    case stFloatColorS4: return Sq(std::sin((Rho + 0.15L) * Il * Jl) * std::sin((Rho - 0.15L) * Il * Jl));
    case stFloatColorS5: return Sq(std::sin((Rho + 0.15L) * Il * Jl) * std::sin((Rho - 0.15L) * Jl));
    default: return 0;
  }
}

TCellGrid ColorFieldGrid(int Width, int Height, long double ScaleX, long double ScaleY) {
  TCellGrid G;
  G.CellWidth = CellSide(ScaleX);
  G.CellHeight = CellSide(ScaleY);
  G.Columns = Width > 0 ? (Width - 1) / G.CellWidth + 1 : 0;
  G.Rows = Height > 0 ? (Height - 1) / G.CellHeight + 1 : 0;
  return G;
}

void ForEachColorCell(const TColorFieldSpec& FieldSpec, int X, int Y,
                      const std::function<void(const TRect&, TColor)>& Fill) {
  const TCellGrid G = ColorFieldGrid(FieldSpec.Width, FieldSpec.Height, FieldSpec.ScaleX, FieldSpec.ScaleY);
  const TColor Brush = ColorToRGB(FieldSpec.Brush);
  const TColor Color2 = ColorToRGB(FieldSpec.Color2);
  const TRect Bounds = Rect(X, Y, X + std::max(0, FieldSpec.Width), Y + std::max(0, FieldSpec.Height));
  const TRect Area = Intersect(Bounds, FieldSpec.Clip);
  if (Area.Width() <= 0 || Area.Height() <= 0) return;
  const int FirstI = (Area.Left - X) / G.CellWidth;
  const int LastI = std::min(G.Columns - 1, (Area.Right - 1 - X) / G.CellWidth);
  const int FirstJ = (Area.Top - Y) / G.CellHeight;
  const int LastJ = std::min(G.Rows - 1, (Area.Bottom - 1 - Y) / G.CellHeight);
  for (int I = FirstI; I <= LastI; ++I)
    for (int J = FirstJ; J <= LastJ; ++J) {
      const long double T = ColorFieldWeight(FieldSpec.Kind, I, G.Columns, J, G.Rows, FieldSpec.Rotation);
      TColor Color;
      if (FieldSpec.Dither)
        Color = T >= RandomFloat() ? Brush : Color2;
      else
        Color = BlendColor(Brush, Color2, T);
      const int Left = X + I * G.CellWidth;
      const int Top = Y + J * G.CellHeight;
      Fill(Intersect(Rect(Left, Top, Left + G.CellWidth, Top + G.CellHeight), Bounds), Color);
    }
}

void ForEachBand(int Length, long double Scale, TColor Brush, TColor Color2,
                 const std::function<void(const TBand&)>& Fill) {
  const long double B = Scale >= 3 ? Scale : 3.0L;  // NaN falls back to 3 as well
  const int N = std::max(0, XRoundCoord(Length / B));
  const TColor A = ColorToRGB(Brush);
  const TColor Z = ColorToRGB(Color2);
  auto Channel = [N](int K, int Ca, int Cz) {
    // A field narrower than half a band has just one band, in Brush.
    if (N == 0) return Ca;
    return Ca + XRoundCoord(static_cast<long double>(K) / N * (Cz - Ca));
  };
  for (int K = 0; K <= N; ++K) {
    TBand Band;
    Band.From = XRoundCoord(K * B);
    Band.To = XRoundCoord((K + 1) * B) + 1;
    Band.Color = RGB(Channel(K, GetRValue(A), GetRValue(Z)), Channel(K, GetGValue(A), GetGValue(Z)),
                     Channel(K, GetBValue(A), GetBValue(Z)));
    Fill(Band);
  }
}
