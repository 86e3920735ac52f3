#include "platform/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A tiny tolerance so that pixel centres exactly on the outline count as
// inside on both sides alike.
constexpr double Epsilon = 1e-9;

// Horizontal inset of the figure's outline at pixel-centre height Yc.
double RowInset(double Yc, double Top, double Bottom, double A, double B) {
  if (A <= 0 || B <= 0) return 0;
  double Dy = 0;
  if (Yc < Top + B)
    Dy = Top + B - Yc;
  else if (Yc > Bottom - B)
    Dy = Yc - (Bottom - B);
  else
    return 0;
  const double T = Dy / B;
  return A - A * std::sqrt(std::max(0.0, 1.0 - T * T));
}

// Subtracts the spans of Inner from the spans of Outer (both top to bottom,
// at most one span per row).
std::vector<TSpan> Subtract(const std::vector<TSpan>& Outer, const std::vector<TSpan>& Inner) {
  std::vector<TSpan> Result;
  std::size_t J = 0;
  for (const TSpan& S : Outer) {
    while (J < Inner.size() && Inner[J].Y < S.Y) ++J;
    if (J < Inner.size() && Inner[J].Y == S.Y && Inner[J].X1 < Inner[J].X2) {
      const TSpan& I = Inner[J];
      if (I.X1 > S.X1) Result.push_back({S.Y, S.X1, std::min(I.X1, S.X2)});
      if (I.X2 < S.X2) Result.push_back({S.Y, std::max(I.X2, S.X1), S.X2});
    } else {
      Result.push_back(S);
    }
  }
  return Result;
}

}  // namespace

std::vector<TSpan> RoundRectSpans(const TRect& R, int CornerW, int CornerH, const TRect& Clip) {
  std::vector<TSpan> Spans;
  if (R.Right <= R.Left || R.Bottom <= R.Top) return Spans;
  const double W = static_cast<double>(R.Right) - R.Left;
  const double H = static_cast<double>(R.Bottom) - R.Top;
  const double A = std::clamp<double>(CornerW, 0, W) / 2.0;
  const double B = std::clamp<double>(CornerH, 0, H) / 2.0;
  const int Y1 = std::max(R.Top, Clip.Top);
  const int Y2 = std::min(R.Bottom, Clip.Bottom);
  for (int Y = Y1; Y < Y2; ++Y) {
    const double Inset = RowInset(Y + 0.5, R.Top, R.Bottom, A, B);
    const double Left = std::ceil(R.Left + Inset - 0.5 - Epsilon);
    const double Right = std::floor(R.Right - Inset - 0.5 + Epsilon) + 1;
    const int X1 = static_cast<int>(std::max<double>(Left, Clip.Left));
    const int X2 = static_cast<int>(std::min<double>(Right, Clip.Right));
    if (X1 < X2) Spans.push_back({Y, X1, X2});
  }
  return Spans;
}

TShapeSpans RoundRectShape(const TRect& R, int CornerW, int CornerH, int Width, const TRect& Clip) {
  TShapeSpans Shape;
  const std::vector<TSpan> Outer = RoundRectSpans(R, CornerW, CornerH, Clip);
  if (Width <= 0) {
    Shape.Interior = Outer;
    return Shape;
  }
  const TRect InnerRect{R.Left + Width, R.Top + Width, R.Right - Width, R.Bottom - Width};
  const bool Elliptic = CornerW >= R.Width() && CornerH >= R.Height();
  const int InnerW = Elliptic ? InnerRect.Width() : std::max(0, CornerW - 2 * Width);
  const int InnerH = Elliptic ? InnerRect.Height() : std::max(0, CornerH - 2 * Width);
  Shape.Interior = RoundRectSpans(InnerRect, InnerW, InnerH, Clip);
  Shape.Outline = Subtract(Outer, Shape.Interior);
  return Shape;
}

std::vector<TLinePixel> LinePixels(TPoint A, TPoint B, const TRect& Clip) {
  std::vector<TLinePixel> Pixels;
  const long long Dx = static_cast<long long>(B.X) - A.X;
  const long long Dy = static_cast<long long>(B.Y) - A.Y;
  const bool XMajor = std::llabs(Dx) >= std::llabs(Dy);
  const long long N = XMajor ? std::llabs(Dx) : std::llabs(Dy);
  if (N == 0) return Pixels;
  const long long Major0 = XMajor ? A.X : A.Y;
  const long long Minor0 = XMajor ? A.Y : A.X;
  const long long MajorStep = (XMajor ? Dx : Dy) > 0 ? 1 : -1;
  const long long DMinor = XMajor ? Dy : Dx;
  const long long ClipLo = XMajor ? Clip.Left : Clip.Top;
  const long long ClipHi = XMajor ? Clip.Right : Clip.Bottom;  // exclusive
  // Index range whose major coordinate lies inside the clip.
  long long First = 0, Last = N - 1;
  if (MajorStep > 0) {
    First = std::max(First, ClipLo - Major0);
    Last = std::min(Last, ClipHi - 1 - Major0);
  } else {
    First = std::max(First, Major0 - (ClipHi - 1));
    Last = std::min(Last, Major0 - ClipLo);
  }
  if (First > Last) return Pixels;
  Pixels.reserve(static_cast<std::size_t>(Last - First + 1));
  for (long long I = First; I <= Last; ++I) {
    // Minor offset = I * DMinor / N rounded, halves away from zero.
    const long long Num = I * DMinor;
    const long long Off = Num >= 0 ? (2 * Num + N) / (2 * N) : -((-2 * Num + N) / (2 * N));
    const long long Major = Major0 + I * MajorStep;
    const long long Minor = Minor0 + Off;
    const long long X = XMajor ? Major : Minor;
    const long long Y = XMajor ? Minor : Major;
    if (X < Clip.Left || X >= Clip.Right || Y < Clip.Top || Y >= Clip.Bottom) continue;
    Pixels.push_back({static_cast<int>(X), static_cast<int>(Y), I});
  }
  return Pixels;
}

std::vector<TPoint> FlattenBezier(const std::vector<TPoint>& Points) {
  std::vector<TPoint> Result;
  if (Points.empty()) return Result;
  Result.push_back(Points[0]);
  for (std::size_t I = 0; I + 3 < Points.size(); I += 3) {
    const TPoint P0 = Points[I], P1 = Points[I + 1], P2 = Points[I + 2], P3 = Points[I + 3];
    // Enough steps that no chord is longer than about two pixels.
    const double Hull = std::hypot(P1.X - P0.X, P1.Y - P0.Y) + std::hypot(P2.X - P1.X, P2.Y - P1.Y) +
                        std::hypot(P3.X - P2.X, P3.Y - P2.Y);
    const int Steps = std::clamp(static_cast<int>(Hull / 2), 1, 4096);
    for (int K = 1; K <= Steps; ++K) {
      const double T = static_cast<double>(K) / Steps;
      const double U = 1 - T;
      const double C0 = U * U * U, C1 = 3 * U * U * T, C2 = 3 * U * T * T, C3 = T * T * T;
      const TPoint P{static_cast<int>(std::nearbyint(C0 * P0.X + C1 * P1.X + C2 * P2.X + C3 * P3.X)),
                     static_cast<int>(std::nearbyint(C0 * P0.Y + C1 * P1.Y + C2 * P2.Y + C3 * P3.Y))};
      if (!(P == Result.back())) Result.push_back(P);
    }
  }
  return Result;
}
