#include "scene/MMShapesGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "scene/MMMath.h"

namespace {

// Coordinates are compared in 64 bits so that no difference overflows.
long long Dist(int A, int B) { return std::llabs(static_cast<long long>(A) - B); }

bool Within(TPoint P, int X, int Y, long long Range) { return Dist(X, P.X) <= Range && Dist(Y, P.Y) <= Range; }

bool Between(int V, int Low, int High) { return std::min(Low, High) <= V && V <= std::max(Low, High); }

TPoint Offset(TPoint P, long long DX, long long DY) {
  return {ClampCoord(P.X + DX), ClampCoord(P.Y + DY)};
}

long double Length(long double DX, long double DY) { return std::sqrt(DX * DX + DY * DY); }

}  // namespace

TPoint PointPos(const TMMPoints& Points, int ID) {
  const TMMPoint* P = Points.FindByID(ID);
  return P ? P->AbsolutePosition() : TPoint{};
}

bool HitOnePoint(TPoint P, int X, int Y) { return Within(P, X, Y, OnePointHitRange); }

bool HitHotspot(TPoint P, int X, int Y) { return Within(P, X, Y, HotspotHalfSize); }

bool HitCheckBox(TPoint P, int CaptionWidth, int X, int Y) {
  const long long Left = static_cast<long long>(P.X) - HotspotHalfSize;
  const long long Right = static_cast<long long>(P.X) + 2 * HotspotHalfSize + CaptionWidth;
  return Left <= X && X <= Right && Dist(Y, P.Y) <= HotspotHalfSize;
}

bool HitAroundFirstCorner(TPoint A, TPoint B, int X, int Y) {
  return Dist(X, A.X) <= Dist(B.X, A.X) && Dist(Y, A.Y) <= Dist(B.Y, A.Y);
}

bool HitTextBox(TPoint A, TPoint B, int X, int Y) { return A.X <= X && X <= B.X && A.Y <= Y && Y <= B.Y; }

bool HitBoundingBox(TPoint A, TPoint B, int X, int Y) { return Between(X, A.X, B.X) && Between(Y, A.Y, B.Y); }

TRect HotspotFocusRect(TPoint P) {
  const TPoint TL = Offset(P, -HotspotHalfSize, -HotspotHalfSize);
  const TPoint BR = Offset(P, HotspotHalfSize - 1, HotspotHalfSize - 1);
  return {TL.X, TL.Y, BR.X, BR.Y};
}

TRect HandleFocusRect(TPoint H) {
  const TPoint TL = Offset(H, -DynaLineHandleHalfSize, -DynaLineHandleHalfSize);
  const TPoint BR = Offset(H, DynaLineHandleHalfSize + 1, DynaLineHandleHalfSize + 1);
  return {TL.X, TL.Y, BR.X, BR.Y};
}

TRect MarkerCircleRect(TPoint P) {
  const TPoint TL = Offset(P, -1, -1);
  const TPoint BR = Offset(P, 3, 3);
  return {TL.X, TL.Y, BR.X, BR.Y};
}

std::array<TLineSegment, 2> MarkerCross(TPoint P) {
  return {{{Offset(P, -4, 0), Offset(P, 3, 0)}, {Offset(P, 0, -4), Offset(P, 0, 4)}}};
}

TRect Circle1Rect(TPoint P, int Radius) {
  const TPoint TL = Offset(P, -static_cast<long long>(Radius), -static_cast<long long>(Radius));
  const TPoint BR = Offset(P, Radius, Radius);
  return {TL.X, TL.Y, BR.X, BR.Y};
}

TRect CircleRect(TPoint A, TPoint B) {
  const int R = RoundCoord(Length(static_cast<long double>(B.X) - A.X, static_cast<long double>(B.Y) - A.Y));
  return Circle1Rect(A, R);
}

TPoint StringTextOrigin(TPoint P, TSize Text, bool Centered) {
  return Centered ? Offset(P, -static_cast<long long>(Text.cx), -static_cast<long long>(Text.cy)) : P;
}

TPoint TextBoxTextOrigin(TPoint T, TSize Text, bool Centered) {
  return Centered ? Offset(T, -(Text.cx / 2), -(Text.cy / 2)) : T;
}

TPoint ImageListOrigin(TPoint P, TSize Image, bool Centered) {
  return Centered ? Offset(P, -(Image.cx / 2), -(Image.cy / 2)) : P;
}

std::vector<TPoint> LineEndPolyline(TLineEnd Kind, TPoint From, TPoint Tip, int EndLength, int EndHalfWidth) {
  if (Kind != leArrow && Kind != leThinArrow) return {};
  const long double DX = static_cast<long double>(Tip.X) - From.X;
  const long double DY = static_cast<long double>(Tip.Y) - From.Y;
  const long double Len = Length(DX, DY);
  if (Len == 0) return {};
  const long double UX = DX / Len;
  const long double UY = DY / Len;
  const long double S1 = EndLength;
  const long double S2 = EndHalfWidth;
  const TPoint Q1 = Offset(Tip, -RoundCoord(S1 * UX + S2 * UY), -RoundCoord(S1 * UY - S2 * UX));
  const TPoint Q2 = Offset(Tip, -RoundCoord(S1 * UX - S2 * UY), -RoundCoord(S1 * UY + S2 * UX));
  if (Kind == leArrow) return {Tip, Q1, Q2, Tip};
  return {Tip, Q1, Tip, Q2, Tip};
}

std::vector<TLineSegment> TickSegments(TPoint A, TPoint B, int Distance, int TickSize) {
  std::vector<TLineSegment> Ticks;
  if (Distance == 0) return Ticks;
  const long double DX = static_cast<long double>(B.X) - A.X;
  const long double DY = static_cast<long double>(B.Y) - A.Y;
  const long double Along = std::atan2(DY, DX);
  const long double Across = Along + MMPi / 2;
  const long long Last = static_cast<long long>(RoundCoord(Length(DX, DY))) / Distance;
  const int TX = RoundCoord(TickSize * std::cos(Across));
  const int TY = RoundCoord(TickSize * std::sin(Across));
  for (long long I = 0; I <= Last && I < MaxTicks; ++I) {
    const long double C = static_cast<long double>(I) * Distance;
    const TPoint Base = Offset(A, RoundCoord(C * std::cos(Along)), RoundCoord(C * std::sin(Along)));
    Ticks.push_back({Offset(Base, TX, TY), Offset(Base, -static_cast<long long>(TX), -static_cast<long long>(TY))});
  }
  return Ticks;
}

std::vector<TPoint> PolePolygon(TPoint A, TPoint B, int Size) {
  const long double DX = static_cast<long double>(B.X) - A.X;
  const long double DY = static_cast<long double>(B.Y) - A.Y;
  const long double Len = Length(DX, DY);
  if (Len == 0) return {};
  const long double S = Size;
  const long double UX = DX / Len;
  const long double UY = DY / Len;
  const long double NX = UY;
  const long double NY = -UX;
  auto Corner = [](TPoint P, long double X, long double Y) {
    return TPoint{RoundCoord(P.X + X), RoundCoord(P.Y + Y)};
  };
  return {Corner(A, -S * UX + S * NX, -S * UY + S * NY), Corner(A, -S * UX - S * NX, -S * UY - S * NY),
          Corner(B, S * UX - S * NX, S * UY - S * NY), Corner(B, S * UX + S * NX, S * UY + S * NY)};
}

std::vector<TPoint> HalfCirclePolygon(TPoint A, TPoint B) {
  const long double DX = static_cast<long double>(B.X) - A.X;
  const long double DY = static_cast<long double>(B.Y) - A.Y;
  const long double R = Length(DX, DY);
  const long double Start = std::atan2(DY, DX) + MMPi / 2;
  std::vector<TPoint> Vertices;
  for (int K = 0; K <= 12; ++K) {
    const long double T = Start - K * MMPi / 12;
    Vertices.push_back(Offset(A, RoundCoord(std::cos(T) * R), RoundCoord(std::sin(T) * R)));
  }
  return Vertices;
}

TCheckBoxGeometry CheckBoxGeometry(TPoint P, int CaptionHeight) {
  const long long S = HotspotHalfSize;
  const long long L = static_cast<long long>(P.X) - S;
  const long long T = static_cast<long long>(P.Y) - S;
  const long long R = static_cast<long long>(P.X) + S - 1;
  const long long B = static_cast<long long>(P.Y) + S - 1;
  auto At = [](long long X, long long Y) { return TPoint{ClampCoord(X), ClampCoord(Y)}; };
  TCheckBoxGeometry G;
  G.Box = {ClampCoord(L), ClampCoord(T), ClampCoord(R), ClampCoord(B)};
  G.Shadow = {At(L, B), At(L, T), At(R, T)};
  G.Light = {At(R - 1, T), At(R - 1, B - 1), At(L, B - 1)};
  G.CaptionAt = At(R + S, static_cast<long long>(P.Y) - CaptionHeight / 2);
  G.Cross = {{{At(L + 3, T + 3), At(R - 4, B - 4)}, {At(R - 4, T + 3), At(L + 3, B - 4)}}};
  return G;
}

void OnePointDrag(TMMPoints& Points, int PointID, void* Sender, int X, int Y) {
  if (TMMPoint* P = Points.FindByID(PointID)) P->DragStep(Sender, X, Y);
}

std::array<TPoint, 3> DynaLineHandles(TPoint A, TPoint B) {
  const TPoint Ends[] = {A, B};
  return {A, B, TMMPoint::Center(Ends)};
}

bool TDynaLineGrip::HitTest(TPoint A, TPoint B, int X, int Y) {
  if (!FSelected) {
    if (!HitBoundingBox(A, B, X, Y)) return false;
    FSelected = true;
    return true;
  }
  FGrabbed = -1;
  const auto Handles = DynaLineHandles(A, B);
  for (int I = 0; I < 3; ++I)
    if (Within(Handles[I], X, Y, DynaLineHandleHalfSize)) {
      FGrabbed = I;
      return true;
    }
  return false;
}

void TDynaLineGrip::Drag(TMMPoints& Points, int P1, int P2, void* Sender, int X, int Y) const {
  if (FGrabbed < 0 || FGrabbed > 2) return;
  const auto Handles = DynaLineHandles(PointPos(Points, P1), PointPos(Points, P2));
  const TPoint From = Handles[FGrabbed];
  // The middle handle moves both ends; a target changed while moving the
  // first end holds for the second.
  if (FGrabbed != 1)
    if (TMMPoint* P = Points.FindByID(P1)) P->DragStep(Sender, X, Y, From);
  if (FGrabbed != 0)
    if (TMMPoint* P = Points.FindByID(P2)) P->DragStep(Sender, X, Y, From);
}
