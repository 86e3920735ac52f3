#include "scene/MMFormsGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "scene/MMMath.h"

namespace {

using TParts = std::vector<TFormPart>;

// Sums of coordinates are formed in 64 bits and clamped once at the end.
TPoint At(long long X, long long Y) { return {ClampCoord(X), ClampCoord(Y)}; }

int Scaled(long double Factor, long long Size) { return RoundCoord(Factor * static_cast<long double>(Size)); }

void Add(TParts& Parts, TFormPartKind Kind, TFormPaint Paint, std::vector<TPoint> Points) {
  Parts.push_back({Kind, Paint, std::move(Points)});
}

void Sphere(TParts& Parts, long long X, long long Y, long long M) {
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::Shape, {At(X, Y), At(X + M, Y + M)});
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::Highlight, {At(X + M / 4, Y + M / 4), At(X + M / 2, Y + M / 2)});
}

void Cylinder(TParts& Parts, TPoint A, TPoint B, long long M) {
  Add(Parts, TFormPartKind::Rectangle, TFormPaint::Shape, {A, B});
  Add(Parts, TFormPartKind::Rectangle, TFormPaint::Highlight, {At(A.X + M / 4, A.Y + 1LL), At(A.X + M / 2, B.Y)});
}

void Rhombus(TParts& Parts, long long X, long long Y, long long M) {
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Shape,
      {At(X, Y + M / 2), At(X + M / 2, Y), At(X + M, Y + M / 2), At(X + M / 2, Y + M)});
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Highlight,
      {At(X + M / 4, Y + M / 2), At(X + M / 2, Y + M / 4), At(X + M / 2, Y + M / 2)});
}

void Cone(TParts& Parts, TPoint A, TPoint B, long long M) {
  const long long X = A.X;
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Shape, {At(X, B.Y), At(X + M / 2, A.Y), B});
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Highlight,
      {At(X + Scaled(0.25L, M), B.Y), At(X + M / 2, A.Y), At(X + M / 2, B.Y)});
}

void Lorry(TParts& Parts, TPoint A, TPoint B) {
  const long long X = A.X;
  const long long Y = A.Y;
  const long long W = std::llabs(static_cast<long long>(B.X) - A.X) - 1;
  const long long H = std::llabs(static_cast<long long>(B.Y) - A.Y) - 1;
  const long long Bed = Y + Scaled(0.8L, H);
  const long long Cab = X + Scaled(0.7L, W);
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Shape,
      {At(X, Bed), At(X + W, Bed), At(X + W, Y + H / 2), At(X + Scaled(0.9L, W), Y), At(Cab, Y),
       At(Cab, Y + Scaled(0.5L, H)), At(X, Y + Scaled(0.5L, H))});
  const long long D = Scaled(0.3L, H);
  const long long WheelTop = Y + Scaled(0.7L, H);
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::Wheel, {At(X + W / 6, WheelTop), At(X + W / 6 + D, Y + H)});
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::Wheel, {At(Cab, WheelTop), At(Cab + D, Y + H)});
}

void Van(TParts& Parts, TPoint A, TPoint B) {
  const long long W = std::llabs(static_cast<long long>(B.X) - A.X) - 1;
  const long long H = std::llabs(static_cast<long long>(B.Y) - A.Y) - 1;
  const long long E = W / 15;
  auto XK = [&](long double K) { return static_cast<long long>(A.X) + Scaled(K, W); };
  auto YK = [&](long double K) { return static_cast<long long>(A.Y) + Scaled(K, H); };
  const long long Left = A.X;
  const long long Top = A.Y;
  const long long Right = B.X;
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Shape,
      {At(Left, YK(0.38L)), At(XK(0.95L), YK(0.38L)), At(Right, YK(0.5L)), At(Right, YK(0.67L)),
       At(XK(0.95L), YK(0.83L)), At(Left, YK(0.83L))});
  Add(Parts, TFormPartKind::Polygon, TFormPaint::Shape,
      {At(XK(0.5L), YK(0.38L)), At(XK(0.5L), Top), At(XK(0.7L), Top), At(XK(0.8L), YK(0.38L)),
       At(XK(0.8L) - E, YK(0.38L)), At(XK(0.7L) - E, Top + E), At(XK(0.5L) + E, Top + E),
       At(XK(0.5L) + E, YK(0.38L))});
  Add(Parts, TFormPartKind::Rectangle, TFormPaint::Highlight,
      {At(Left + 1, YK(0.5L)), At(Right - 1, YK(0.5L) + std::max(4LL, E) / 2)});
  Add(Parts, TFormPartKind::Line, TFormPaint::SolidLine, {At(XK(0.5L) + 1, YK(0.38L)), At(XK(0.5L) + 1, YK(0.83L))});
  const long long WheelTop = YK(0.67L);
  const long long R = B.Y - WheelTop;
  const long long Q = R / 2;
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::SolidWheel, {At(Left + Q, WheelTop), At(Left + R + Q, WheelTop + R)});
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::SolidWheel,
      {At(Right - R - Q, WheelTop), At(Right - Q, WheelTop + R)});
}

void Speedometer(TParts& Parts, TPoint A, long long M, long double Parameter) {
  const long long H = M / 2;
  const long double CX = static_cast<long double>(A.X) + H - 1;
  const long double CY = static_cast<long double>(A.Y) + H - 1;
  auto OnDial = [&](long double Angle, long long Radius) {
    return TPoint{RoundCoord(CX + std::cos(Angle) * Radius), RoundCoord(CY - std::sin(Angle) * Radius)};
  };
  Add(Parts, TFormPartKind::Ellipse, TFormPaint::Dial, {At(A.X, A.Y), At(A.X + M, A.Y + M)});
  for (int I = 0; I <= 10; ++I) {
    const long double Angle = 5 * MMPi / 4 - I * 0.15L * MMPi;
    const long long Inner = H - (I % 5 == 0 ? M / 6 : M / 8);
    Add(Parts, TFormPartKind::Line, TFormPaint::Shape, {OnDial(Angle, Inner), OnDial(Angle, H - 1)});
  }
  const long double Needle = 5 * MMPi / 4 - Parameter * 0.0075L * MMPi;
  Add(Parts, TFormPartKind::Line, TFormPaint::Needle, {OnDial(Needle, 0), OnDial(Needle, H - 2)});
}

}  // namespace

std::vector<TFormPart> FormParts(TFormKind Kind, TPoint A, TPoint B, long double Parameter) {
  const long long M = std::min(std::llabs(static_cast<long long>(B.X) - A.X),
                               std::llabs(static_cast<long long>(B.Y) - A.Y));
  TParts Parts;
  switch (Kind) {
    case sfSphere:
      Sphere(Parts, A.X, A.Y, M);
      break;
    case sfCylinder:
      Cylinder(Parts, A, B, M);
      break;
    case sfRhombo:
      Rhombus(Parts, A.X, A.Y, M);
      break;
    case sfKegel:
      Cone(Parts, A, B, M);
      break;
    case sfLKW:
      Lorry(Parts, A, B);
      break;
    case sfVan:
      Van(Parts, A, B);
      break;
    case sfTacho:
      Speedometer(Parts, A, M, Parameter);
      break;
  }
  return Parts;
}
