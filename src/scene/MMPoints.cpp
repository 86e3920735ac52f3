#include "scene/MMPoints.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "scene/MMMath.h"

namespace {

constexpr std::array<const char*, FixTypeCount> FixTypeIdents = {
    "ftNone", "ftDirection", "ftRadius",          "ftVector",     "ftInvertedVector",
    "ftX",    "ftY",         "ftDirectionOffset", "ftHalfVector", "ftParamVector"};

long double Length(long double X, long double Y) { return std::sqrt(X * X + Y * Y); }

// The point's coordinates when it has no fix reference (or ignores it).
TPoint Unreferenced(TFixType Kind, long double SX, long double SY, long double V, long double P1,
                    long double P2) {
  switch (Kind) {
    case ftDirection:
    case ftDirectionOffset: {
      const long double R = Length(SX, SY);
      return {RoundCoord(R * std::cos(V)), RoundCoord(R * std::sin(V))};
    }
    case ftRadius: {
      const long double A = std::atan2(SY, SX);
      return {RoundCoord(V * std::cos(A)), RoundCoord(V * std::sin(A))};
    }
    case ftInvertedVector:
      return {ClampCoord(-static_cast<long long>(RoundCoord(SX))),
              ClampCoord(-static_cast<long long>(RoundCoord(SY)))};
    case ftX:
      return {RoundCoord(V), RoundCoord(SY)};
    case ftY:
      return {RoundCoord(SX), RoundCoord(V)};
    case ftHalfVector:
      return {RoundCoord(SX / 2), RoundCoord(SY / 2)};
    case ftParamVector: {
      const long double R = Length(SX, SY);
      const long double T = std::atan2(SY, SX) + MMPi * P2 / 180;
      return {RoundCoord(R * P1 * std::cos(T)), RoundCoord(R * P1 * std::sin(T))};
    }
    default:  // ftNone, ftVector
      return {RoundCoord(SX), RoundCoord(SY)};
  }
}

// The point's coordinates under its constraint to a reference whose own
// effective coordinates are F.
TPoint Referenced(TFixType Kind, long double SX, long double SY, long double V, long double P1,
                  long double P2, TPoint F) {
  auto FR = [F] { return Length(F.X, F.Y); };
  auto FPhi = [F] { return std::atan2(static_cast<long double>(F.Y), static_cast<long double>(F.X)); };
  switch (Kind) {
    case ftDirection: {
      const long double R = Length(SX, SY);
      return {RoundCoord(R * std::cos(FPhi())), RoundCoord(R * std::sin(FPhi()))};
    }
    case ftRadius: {
      const long double A = std::atan2(SY, SX);
      return {RoundCoord(FR() * std::cos(A)), RoundCoord(FR() * std::sin(A))};
    }
    case ftVector:
      return F;
    case ftInvertedVector:
      return {ClampCoord(-static_cast<long long>(F.X)), ClampCoord(-static_cast<long long>(F.Y))};
    case ftX:
      return {F.X, RoundCoord(SY)};
    case ftY:
      return {RoundCoord(SX), F.Y};
    case ftDirectionOffset: {
      const long double R = Length(SX, SY);
      return {RoundCoord(R * std::cos(FPhi() + V)), RoundCoord(R * std::sin(FPhi() + V))};
    }
    case ftHalfVector:
      return {F.X / 2, F.Y / 2};
    case ftParamVector: {
      const long double T = FPhi() + MMPi * P2 / 180;
      return {RoundCoord(FR() * P1 * std::cos(T)), RoundCoord(FR() * P1 * std::sin(T))};
    }
    default:  // ftNone
      return {RoundCoord(SX), RoundCoord(SY)};
  }
}

// Writing the polar angle leaves points alone whose direction comes from
// elsewhere.
bool AngleIsFixed(TFixType Kind) {
  return Kind == ftDirection || Kind == ftVector || Kind == ftInvertedVector || Kind == ftDirectionOffset ||
         Kind == ftHalfVector;
}

}  // namespace

const char* FixTypeToIdent(TFixType Kind) {
  const auto I = static_cast<std::size_t>(Kind);
  return I < FixTypeIdents.size() ? FixTypeIdents[I] : nullptr;
}

bool IdentToFixType(std::string_view Ident, TFixType& Kind) {
  for (std::size_t I = 0; I < FixTypeIdents.size(); ++I)
    if (Ident == FixTypeIdents[I]) {
      Kind = static_cast<TFixType>(I);
      return true;
    }
  return false;
}

TMMPoint::TMMPoint(TMMPoints& Collection, int ID)
    : FName("P" + std::to_string(ID)), FCollection(&Collection), FID(ID) {}

TPoint TMMPoint::Effective() const {
  if (!FFixReference || FFixType == ftNone)
    return Unreferenced(FFixType, FX, FY, FFixedValue, FFixParam1, FFixParam2);
  // Follow the references as far as they matter, then evaluate back from the
  // last one. A chain never holds a cycle (the setters refuse one); the bound
  // keeps even a broken chain finite. Short chains stay on the stack.
  constexpr std::size_t Inline = 16;
  std::array<const TMMPoint*, Inline> Short;
  std::vector<const TMMPoint*> Long;
  std::size_t N = 0;
  auto Push = [&](const TMMPoint* P) {
    if (N < Inline) {
      Short[N] = P;
    } else {
      if (Long.empty()) Long.assign(Short.begin(), Short.end());
      Long.push_back(P);
    }
    ++N;
  };
  auto At = [&](std::size_t I) { return N <= Inline ? Short[I] : Long[I]; };
  const std::size_t Bound = static_cast<std::size_t>(FCollection->Count()) + 1;
  Push(this);
  for (const TMMPoint* P = this; P->FFixReference && P->FFixType != ftNone && N <= Bound;) {
    P = P->FFixReference;
    Push(P);
  }
  const TMMPoint* Last = At(N - 1);
  TPoint E = Unreferenced(Last->FFixType, Last->FX, Last->FY, Last->FFixedValue, Last->FFixParam1,
                          Last->FFixParam2);
  for (std::size_t I = N - 1; I-- > 0;) {
    const TMMPoint* P = At(I);
    E = Referenced(P->FFixType, P->FX, P->FY, P->FFixedValue, P->FFixParam1, P->FFixParam2, E);
  }
  return E;
}

TPoint TMMPoint::AbsolutePosition() const {
  long long AX = 0;
  long long AY = 0;
  const int Bound = FCollection->Count() + 1;
  int Steps = 0;
  for (const TMMPoint* P = this; P && Steps <= Bound; P = P->FOrigin, ++Steps) {
    const TPoint E = P->Effective();
    AX += E.X;
    AY += E.Y;
  }
  return {ClampCoord(AX), ClampCoord(AY)};
}

void TMMPoint::SetX(int Value) {
  FX = Value;
  Changed();
}

void TMMPoint::SetY(int Value) {
  FY = Value;
  Changed();
}

long double TMMPoint::R() const {
  const TPoint E = Effective();
  return Length(E.X, E.Y);
}

long double TMMPoint::PhiRadian() const {
  const TPoint E = Effective();
  return std::atan2(static_cast<long double>(E.Y), static_cast<long double>(E.X));
}

long double TMMPoint::PhiDegree() const { return PhiRadian() / MMPi * 180; }

void TMMPoint::SetR(long double Length) {
  const long double T = PhiRadian();
  FX = RoundCoord(std::cos(T) * Length);
  FY = RoundCoord(std::sin(T) * Length);
  Changed();
}

void TMMPoint::SetPhiRadian(long double Angle) {
  if (AngleIsFixed(FFixType)) return;
  const long double L = R();
  FX = RoundCoord(std::cos(Angle) * L);
  FY = RoundCoord(std::sin(Angle) * L);
  Changed();
}

void TMMPoint::SetPhiDegree(long double Degrees) { SetPhiRadian(Degrees / 180 * MMPi); }

const std::string& TMMPoint::Name() const {
  if (FName.empty()) FName = MMPointDefaultName;
  return FName;
}

void TMMPoint::SetName(const std::string& Value) {
  FName = Value;
  Changed();
}

int TMMPoint::Origin() const { return FOrigin ? FOrigin->FID : -1; }

int TMMPoint::FixReference() const { return FFixReference ? FFixReference->FID : -1; }

// Shared by SetOrigin and SetFixReference: -1 and unknown IDs give none; the
// own ID, and a point whose chain of the same link leads back here, leave the
// link as it was (a cycle would make every read of the chain endless).
void TMMPoint::SetLink(TMMPoint* TMMPoint::*Link, int ID) {
  if (ID == FID) return;
  TMMPoint* Target = ID == -1 ? nullptr : FCollection->FindByID(ID);
  int Steps = 0;
  for (const TMMPoint* P = Target; P && Steps <= FCollection->Count(); P = P->*Link, ++Steps)
    if (P == this) return;
  this->*Link = Target;
  Changed();
}

void TMMPoint::SetOrigin(int ID) { SetLink(&TMMPoint::FOrigin, ID); }

void TMMPoint::SetFixReference(int ID) { SetLink(&TMMPoint::FFixReference, ID); }

void TMMPoint::SetFixType(TFixType Kind) {
  FFixType = Kind;
  switch (Kind) {
    case ftDirection:
    case ftDirectionOffset:
      FFixedValue = std::atan2(FY, FX);
      break;
    case ftRadius:
      FFixedValue = Length(FX, FY);
      break;
    case ftX:
      FFixedValue = FX;
      break;
    case ftY:
      FFixedValue = FY;
      break;
    default:
      break;
  }
  Changed();
}

void TMMPoint::SetFixParam1(long double Value) {
  FFixParam1 = Value;
  Changed();
}

void TMMPoint::SetFixParam2(long double Value) {
  FFixParam2 = Value;
  Changed();
}

void TMMPoint::Changed() {
  if (FOnChanging) {
    const TMMNotifyEvent Handler = FOnChanging;  // survives a handler that replaces itself
    Handler(this);
  }
  if (FCollection->FOnInvalidate) FCollection->FOnInvalidate();
}

TPoint TMMPoint::Center(std::span<const TPoint> Points) {
  if (Points.empty()) return {};
  long long SX = 0;
  long long SY = 0;
  for (const TPoint& P : Points) {
    SX += P.X;
    SY += P.Y;
  }
  const auto N = static_cast<long long>(Points.size());
  return {ClampCoord(SX / N), ClampCoord(SY / N)};
}

long double TMMPoint::Distance(const TMMPoint& Other) const {
  const TPoint A = AbsolutePosition();
  const TPoint B = Other.AbsolutePosition();
  return Length(static_cast<long double>(B.X) - A.X, static_cast<long double>(B.Y) - A.Y);
}

long double TMMPoint::Angle(const TMMPoint& Other) const {
  const TPoint A = AbsolutePosition();
  const TPoint B = Other.AbsolutePosition();
  return std::atan2(static_cast<long double>(B.Y) - A.Y, static_cast<long double>(B.X) - A.X);
}

void TMMPoint::Assign(const TMMPoint& Source) {
  const TPoint E = Source.Effective();
  const std::string SourceName = Source.Name();
  const int SourceOrigin = Source.Origin();
  SetX(E.X);
  SetY(E.Y);
  SetName(SourceName);
  SetOrigin(SourceOrigin);
}

void TMMPoint::DragStep(void* Sender, int& X, int& Y, std::optional<TPoint> Current) {
  if (FOnTryToDrag) {
    const TMMNotifyXYEvent Handler = FOnTryToDrag;
    Handler(Sender, X, Y);
  }
  const TPoint From = Current ? *Current : AbsolutePosition();
  const long long DX = static_cast<long long>(X) - From.X;
  const long long DY = static_cast<long long>(Y) - From.Y;
  SetX(ClampCoord(this->X() + DX));
  SetY(ClampCoord(this->Y() + DY));
  if (FOnDragging) {
    const TMMNotifyEvent Handler = FOnDragging;
    Handler(Sender);
  }
}

TMMPoints::~TMMPoints() = default;

TMMPoint& TMMPoints::Add() {
  FItems.push_back(std::unique_ptr<TMMPoint>(new TMMPoint(*this, FNextID++)));
  return *FItems.back();
}

TMMPoint& TMMPoints::Add(int ID) {
  // Lookups by ID rely on the IDs growing with the position.
  if (ID < 0 || (!FItems.empty() && ID <= FItems.back()->ID()))
    throw std::invalid_argument("scene point ID " + std::to_string(ID) + " is already taken or out of order");
  FItems.push_back(std::unique_ptr<TMMPoint>(new TMMPoint(*this, ID)));
  FNextID = std::max(FNextID, ID + 1);
  return *FItems.back();
}

void TMMPoints::Unlink(const TMMPoint& Gone) {
  for (const auto& P : FItems) {
    if (P->FOrigin == &Gone) P->FOrigin = nullptr;
    if (P->FFixReference == &Gone) P->FFixReference = nullptr;
  }
}

void TMMPoints::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  const auto It = FItems.begin() + Index;
  Unlink(**It);
  FItems.erase(It);
}

void TMMPoints::Clear() { FItems.clear(); }

TMMPoint* TMMPoints::FindByID(int ID) const {
  // IDs grow with the position, so a binary search finds them.
  const auto It = std::lower_bound(FItems.begin(), FItems.end(), ID,
                                   [](const std::unique_ptr<TMMPoint>& P, int Wanted) { return P->ID() < Wanted; });
  return It != FItems.end() && (*It)->ID() == ID ? It->get() : nullptr;
}

TMMPoint* TMMPoints::FindByName(std::string_view Name) const {
  for (const auto& P : FItems)
    if (P->Name() == Name) return P.get();
  return nullptr;
}

void TMMPoints::GetPoints(const std::vector<std::string>& Names, TPointArray& Result) const {
  Result.assign(Names.size(), nullptr);
  for (std::size_t I = 0; I < Names.size(); ++I) Result[I] = FindByName(Names[I]);
}
