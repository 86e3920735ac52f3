#include "components/XPolyPoint.h"

#include <algorithm>
#include <cmath>

#include "common/Colors.h"
#include "common/NumberFormat.h"
#include "components/XShapeMath.h"

namespace {
constexpr int ExponentBias = 16383;
constexpr int MantissaBits = 63;  // below the explicit integer bit

std::uint32_t ReadU32(const unsigned char* B) {
  return std::uint32_t{B[0]} | std::uint32_t{B[1]} << 8 | std::uint32_t{B[2]} << 16 |
         std::uint32_t{B[3]} << 24;
}

void WriteU32(std::uint32_t V, unsigned char* B) {
  for (int I = 0; I < 4; ++I) B[I] = static_cast<unsigned char>(V >> (8 * I));
}
}  // namespace

std::vector<TXPolyPoint> DefaultXPolyPoints() { return {{0.5L, 0}, {0, 0.5L}, {0.5L, 1}, {1, 0.5L}}; }

std::vector<TPoint> XPolyPixelPoints(const std::vector<TXPolyPoint>& Points, int Width, int Height,
                                     bool StretchRatio, int X, int Y) {
  int W = Width;
  int H = Height;
  if (StretchRatio) W = H = std::min(W, H);
  std::vector<TPoint> Out;
  Out.reserve(Points.size());
  for (const TXPolyPoint& P : Points)
    Out.push_back({XRoundCoord((W - 1) * P.X) + X, XRoundCoord((H - 1) * P.Y) + Y});
  return Out;
}

std::vector<std::string> XPolyPointsToLines(const std::vector<TXPolyPoint>& Points) {
  std::vector<std::string> Out;
  Out.reserve(Points.size());
  for (const TXPolyPoint& P : Points) Out.push_back(FloatToStr(P.X) + ";" + FloatToStr(P.Y));
  return Out;
}

bool XPolyPointsFromLines(const std::vector<std::string>& Lines, std::vector<TXPolyPoint>& Points) {
  const size_t N = std::min(Lines.size(), static_cast<size_t>(MaxXPolyPoints));
  Points.resize(N);
  bool Ok = true;
  auto Read = [&Ok](const std::string& Text, long double& Into) {
    long double V;
    if (TryStrToFloat(Text, V) && std::isfinite(V))
      Into = V;
    else
      Ok = false;
  };
  for (size_t I = 0; I < N; ++I) {
    const std::string& Line = Lines[I];
    const size_t Semi = Line.find(';');
    if (Semi == std::string::npos) {
      Read(Line, Points[I].X);
    } else {
      Read(Line.substr(0, Semi), Points[I].X);
      Read(Line.substr(Semi + 1), Points[I].Y);
    }
  }
  return Ok;
}

long double DecodeExtended(const unsigned char* Bytes) {
  std::uint64_t Mantissa = 0;
  for (int I = 7; I >= 0; --I) Mantissa = Mantissa << 8 | Bytes[I];
  const unsigned SignExp = unsigned{Bytes[8]} | unsigned{Bytes[9]} << 8;
  const bool Negative = SignExp & 0x8000;
  const int Exponent = static_cast<int>(SignExp & 0x7FFF);
  if (Exponent == 0x7FFF) return 0;  // infinity or NaN
  // A zero exponent is a denormal, scaled like exponent 1.
  const int Scale = (Exponent == 0 ? 1 : Exponent) - ExponentBias - MantissaBits;
  const long double Value = std::ldexp(static_cast<long double>(Mantissa), Scale);
  if (!std::isfinite(Value)) return 0;  // only where long double is narrower
  return Negative ? -Value : Value;
}

void EncodeExtended(long double Value, unsigned char* Bytes) {
  std::uint64_t Mantissa = 0;
  unsigned SignExp = 0;
  if (std::isfinite(Value) && Value != 0) {
    if (Value < 0) SignExp = 0x8000;
    int E = 0;
    const long double Fraction = std::frexp(std::fabs(Value), &E);  // 0.5 <= Fraction < 1
    int Biased = E - 1 + ExponentBias;
    if (Biased >= 0x7FFF) {
      // Too large for the format: the largest finite value.
      Biased = 0x7FFE;
      Mantissa = ~std::uint64_t{0};
    } else if (Biased >= 1) {
      Mantissa = static_cast<std::uint64_t>(std::ldexp(Fraction, 64));
    } else {
      Mantissa = static_cast<std::uint64_t>(std::ldexp(std::fabs(Value), ExponentBias - 1 + MantissaBits));
      Biased = 0;
    }
    SignExp |= static_cast<unsigned>(Biased);
  } else if (std::signbit(Value) && Value == 0) {
    SignExp = 0x8000;
  }
  for (int I = 0; I < 8; ++I) Bytes[I] = static_cast<unsigned char>(Mantissa >> (8 * I));
  Bytes[8] = static_cast<unsigned char>(SignExp);
  Bytes[9] = static_cast<unsigned char>(SignExp >> 8);
}

bool DecodeFPoints(const unsigned char* Data, std::size_t Size, std::vector<TXPolyPoint>& Points) {
  Points.clear();
  if (Size < 4) return false;
  const auto Count = static_cast<std::int32_t>(ReadU32(Data));
  if (Count < 0) return false;
  const std::size_t Records = (Size - 4) / FPointRecordSize;
  const std::size_t Take = std::min({static_cast<std::size_t>(Count), Records,
                                     static_cast<std::size_t>(MaxXPolyPoints)});
  for (std::size_t I = 0; I < Take; ++I) {
    const unsigned char* R = Data + 4 + I * FPointRecordSize;
    Points.push_back({DecodeExtended(R), DecodeExtended(R + ExtendedSize)});
  }
  return Size - 4 == static_cast<std::size_t>(Count) * FPointRecordSize;
}

std::vector<unsigned char> EncodeFPoints(const std::vector<TXPolyPoint>& Points) {
  std::vector<unsigned char> Out(4 + Points.size() * FPointRecordSize);
  WriteU32(static_cast<std::uint32_t>(Points.size()), Out.data());
  for (std::size_t I = 0; I < Points.size(); ++I) {
    unsigned char* R = Out.data() + 4 + I * FPointRecordSize;
    EncodeExtended(Points[I].X, R);
    EncodeExtended(Points[I].Y, R + ExtendedSize);
  }
  return Out;
}

TColor HoverColor(TColor Brush, TColor Enhanced) {
  const TColor A = ColorToRGB(Brush);
  const TColor B = ColorToRGB(Enhanced);
  return RGB((GetRValue(A) + GetRValue(B)) / 2, (GetGValue(A) + GetGValue(B)) / 2,
             (GetBValue(A) + GetBValue(B)) / 2);
}
