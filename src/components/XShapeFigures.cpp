#include "components/XShapeFigures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/XShapeMath.h"

namespace {

const std::vector<TUnitPoint> UnitRect = {{-0.5L, -0.5L}, {-0.5L, 0.5L}, {0.5L, 0.5L}, {0.5L, -0.5L}};
const std::vector<TUnitPoint> Triangle = {{-0.5L, -0.5L}, {-0.5L, 0.5L}, {0.5L, 0.5L}};
const std::vector<TUnitPoint> Triangle2 = {{-0.5L, -0.5L}, {0.5L, 0.5L}, {0.5L, -0.5L}};
const std::vector<TUnitPoint> Line = {{-0.5L, 0}, {0.5L, 0}};
const std::vector<TUnitPoint> Arrow1 = {{-0.5L, 0}, {0.5L, 0}, {0.45L, -0.05L}, {0.45L, 0.05L}, {0.5L, 0}};
const std::vector<TUnitPoint> Arrow2 = {{-0.5L, -0.3L}, {0.1L, -0.3L}, {0.1L, -0.5L}, {0.5L, 0},
                                        {0.1L, 0.5L},   {0.1L, 0.3L},  {-0.5L, 0.3L}};
const std::vector<TUnitPoint> Arrow3 = {{-0.5L, 0},  {-0.45L, -0.05L}, {-0.45L, 0.05L}, {-0.5L, 0},
                                        {0.5L, 0},   {0.45L, -0.05L},  {0.45L, 0.05L},  {0.5L, 0}};
const std::vector<TUnitPoint> Arrow4 = {{-0.5L, 0},  {-0.3L, -0.5L}, {-0.3L, -0.3L}, {0.3L, -0.3L},
                                        {0.3L, -0.5L}, {0.5L, 0},    {0.3L, 0.5L},   {0.3L, 0.3L},
                                        {-0.3L, 0.3L}, {-0.3L, 0.5L}};
const std::vector<TUnitPoint> None;

// A letter sits above and left of its point in the upper-left half of the
// control, below and right of it elsewhere, so it stays off the figure.
TFigureLabel PlaceLetter(std::string Text, TPoint P, const TFigureTransform& T, int X, int Y) {
  const int Left = P.X - X < T.Width / 2 ? P.X - 8 : P.X;
  const int Top = P.Y - Y < T.Height / 2 ? P.Y - 16 : P.Y + 2;
  return {std::move(Text), {Left, Top}};
}
}  // namespace

const std::vector<TUnitPoint>& UnitFigure(TShapeForm Kind) {
  using enum TShapeForm;
  switch (Kind) {
    case srRect: return UnitRect;
    case srTriangle: return Triangle;
    case srTriangle2: return Triangle2;
    case srLine: return Line;
    case srArrow1: return Arrow1;
    case srArrow2: return Arrow2;
    case srArrow3: return Arrow3;
    case srArrow4: return Arrow4;
    default: return None;
  }
}

TPoint TFigureTransform::Apply(const TUnitPoint& U, int X, int Y) const {
  const long double Theta = Rotation / 180 * std::numbers::pi_v<long double>;
  const long double C = std::cos(Theta);
  const long double S = std::sin(Theta);
  long double W = Width - 1;
  long double H = Height - 1;
  if (Invariant) W = H = std::min(W, H);
  const int Px = XRoundCoord((U.X * ScaleY * C - U.Y * ScaleX * S) * W - 1);
  const int Py = XRoundCoord((U.X * ScaleY * S + U.Y * ScaleX * C) * H - 1);
  return {Px + X + 1 + Width / 2, Py + Y + 1 + Height / 2};
}

std::vector<TPoint> TransformFigure(TShapeForm Kind, const TFigureTransform& T, int X, int Y) {
  std::vector<TPoint> Out;
  for (const TUnitPoint& U : UnitFigure(Kind)) Out.push_back(T.Apply(U, X, Y));
  return Out;
}

std::vector<TFigureLabel> FigureLabels(TShapeForm Kind, const TFigureTransform& T, int X, int Y,
                                       bool Description, bool Lines) {
  using enum TShapeForm;
  std::vector<TFigureLabel> Out;
  const std::vector<TUnitPoint>& Fig = UnitFigure(Kind);
  if (Description) {
    const char* Letters = nullptr;
    if (Kind == srRect) Letters = "ABCD";
    else if (Kind == srTriangle || Kind == srTriangle2) Letters = "BCA";
    else if (Kind == srLine) Letters = "BC";
    if (Letters)
      for (size_t I = 0; Letters[I]; ++I)
        Out.push_back(PlaceLetter(std::string(1, Letters[I]), T.Apply(Fig[I], X, Y), T, X, Y));
  }
  if (Lines && Kind == srRect) {
    for (size_t I = 0; I < Fig.size(); ++I) {
      const TUnitPoint& A = Fig[I];
      const TUnitPoint& B = Fig[(I + 1) % Fig.size()];
      const TUnitPoint Mid{(A.X + B.X) / 2, (A.Y + B.Y) / 2};
      Out.push_back(PlaceLetter(std::string(1, static_cast<char>('a' + I)), T.Apply(Mid, X, Y), T, X, Y));
    }
  }
  return Out;
}

TArrowDirection ArrowRightDirection(long double Rotation) {
  if (Rotation < 45 || Rotation >= 315) return TArrowDirection::Right;
  if (Rotation >= 135 && Rotation < 225) return TArrowDirection::Left;
  return TArrowDirection::Down;
}

std::vector<TPoint> BlockArrowPoints(int Width, int Height, int HeadA, int QuarterB,
                                     TArrowDirection Direction, int X, int Y) {
  const int A = HeadA;
  const int B = QuarterB;
  const int R = Width - 1;
  const int Bottom = Height - 1;
  std::vector<TPoint> Out;
  switch (Direction) {
    case TArrowDirection::Right:
      Out = {{0, B}, {R - A, B}, {R - A, 0}, {R, 2 * B}, {R - A, 4 * B}, {R - A, 3 * B}, {0, 3 * B}};
      break;
    case TArrowDirection::Left:
      Out = {{R, B}, {A, B}, {A, 0}, {0, 2 * B}, {A, 4 * B}, {A, 3 * B}, {R, 3 * B}};
      break;
    case TArrowDirection::Down:
      Out = {{A, 0}, {A, Bottom - B}, {0, Bottom - B}, {2 * A, Bottom},
             {4 * A, Bottom - B}, {3 * A, Bottom - B}, {3 * A, 0}};
      break;
  }
  for (TPoint& P : Out) P = {P.X + X, P.Y + Y};
  return Out;
}

TSmallArrow ShadowArrow(int Width, int Height, int Dx, int Dy, bool Shadow, int X, int Y) {
  const int Mid = Height / 2;
  const int Sx = Shadow ? Dx : 0;
  const int Sy = Shadow ? Dy : 0;
  const int Pull = Shadow ? 0 : Dx;  // the figure ends short of its shadow
  const int Ox = X + Sx;
  const int Oy = Y + Sy;
  TSmallArrow A;
  A.ShaftFrom = {Ox, Oy + Mid};
  A.ShaftTo = {Ox + Width - 5 - Pull, Oy + Mid};
  A.Head = {{Ox + Width - 8 - Pull, Oy + Mid - 3},
            {Ox + Width - 2 - Pull, Oy + Mid},
            {Ox + Width - 8 - Pull, Oy + Mid + 3}};
  return A;
}

TRasterPlan RasterPlan(TShapeForm Kind, long double ScaleX, long double ScaleY) {
  using enum TShapeForm;
  TRasterPlan P;
  switch (Kind) {
    case trRect1: return {TRasterFigure::Rectangle, false, TRasterMode::And};
    case trRect2: return {TRasterFigure::Rectangle, false, TRasterMode::Paint};
    case trElli1: return {TRasterFigure::Ellipse, true, TRasterMode::And};
    case trElli2: return {TRasterFigure::Ellipse, true, TRasterMode::Paint};
    case trScaleForm:
      switch (XRoundCoord(ScaleX)) {
        case 0: P.Figure = TRasterFigure::Rectangle; break;
        case 1: P.Figure = TRasterFigure::Ellipse; break;
        default: P.Figure = TRasterFigure::Diamond; break;
      }
      P.PreFill = P.Figure != TRasterFigure::Rectangle;
      switch (XRoundCoord(ScaleY)) {
        case 0: P.Mode = TRasterMode::Invert; break;
        case 1: P.Mode = TRasterMode::And; break;
        case 2: P.Mode = TRasterMode::Paint; break;
        case 3: P.Mode = TRasterMode::Erase; break;
        default: P.Mode = TRasterMode::PatPaint; break;
      }
      return P;
    default: return P;
  }
}

std::vector<TPoint> DiamondPoints(int Width, int Height, int X, int Y) {
  const int Mx = X + Width / 2;
  const int My = Y + Height / 2;
  return {{Mx, Y}, {X + Width - 1, My}, {Mx, Y + Height - 1}, {X, My}};
}
