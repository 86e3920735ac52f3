#include "common/NumberFormat.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// Every conversion here goes through std::to_chars / std::from_chars, which
// never look at the C locale: the program may run under any LC_NUMERIC and
// still writes and reads numbers with its own separator.

namespace {
std::atomic<char> GSeparator{','};

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// 10^0 .. 10^27 are exact in an 80-bit float (5^27 < 2^64).
long double Pow10(int K) {
  static const auto Table = [] {
    std::vector<long double> T(28);
    long double P = 1;
    for (auto& V : T) V = P, P *= 10;
    return T;
  }();
  return Table[static_cast<size_t>(K)];
}
}  // namespace

char DecimalSeparator() { return GSeparator.load(); }
void SetDecimalSeparator(char Separator) { GSeparator.store(Separator); }

std::string FloatToStr(long double Value) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  if (Value == 0) return "0";
  // 15 significant digits in scientific form give the digits and the exponent.
  char Buf[64];
  const auto Res = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::scientific, 14);
  const std::string_view S(Buf, static_cast<size_t>(Res.ptr - Buf));
  const auto EPos = S.find('e');
  int Exp = 0;
  {
    size_t I = EPos + 1;
    const bool NegExp = S[I] == '-';
    if (S[I] == '-' || S[I] == '+') ++I;
    for (; I < S.size(); ++I) Exp = Exp * 10 + (S[I] - '0');
    if (NegExp) Exp = -Exp;
  }
  const bool Negative = S[0] == '-';
  std::string Digits;
  for (char C : S.substr(0, EPos))
    if (IsDigit(C)) Digits += C;
  while (Digits.size() > 1 && Digits.back() == '0') Digits.pop_back();
  const char Sep = DecimalSeparator();
  std::string Out = Negative ? "-" : "";
  const bool Fixed = Exp >= -5 && Exp < 15;
  if (Fixed) {
    if (Exp < 0) {
      Out += '0';
      Out += Sep;
      Out.append(static_cast<size_t>(-Exp - 1), '0');
      Out += Digits;
    } else {
      const size_t IntDigits = static_cast<size_t>(Exp) + 1;
      if (Digits.size() <= IntDigits) {
        Out += Digits;
        Out.append(IntDigits - Digits.size(), '0');
      } else {
        Out += Digits.substr(0, IntDigits);
        Out += Sep;
        Out += Digits.substr(IntDigits);
      }
    }
  } else {
    Out += Digits[0];
    if (Digits.size() > 1) {
      Out += Sep;
      Out += Digits.substr(1);
    }
    Out += 'E';
    Out += std::to_string(Exp);
  }
  return Out;
}

bool TryStrToFloat(const std::string& Text, long double& Value) {
  size_t B = 0, E = Text.size();
  while (B < E && Text[B] == ' ') ++B;
  while (E > B && Text[E - 1] == ' ') --E;
  if (B == E) return false;
  const char Sep = DecimalSeparator();
  size_t I = B;
  const bool Negative = Text[I] == '-';
  if (Text[I] == '+' || Text[I] == '-') ++I;
  // Mantissa: digits, optionally one separator and more digits.
  const size_t IntBegin = I;
  while (I < E && IsDigit(Text[I])) ++I;
  const size_t IntEnd = I;
  size_t FracBegin = I, FracEnd = I;
  if (I < E && Text[I] == Sep) {
    FracBegin = ++I;
    while (I < E && IsDigit(Text[I])) ++I;
    FracEnd = I;
  }
  const size_t DigitCount = (IntEnd - IntBegin) + (FracEnd - FracBegin);
  if (DigitCount == 0) return false;
  size_t ExpBegin = E;
  if (I < E && (Text[I] == 'e' || Text[I] == 'E')) {
    ExpBegin = I++;
    if (I < E && (Text[I] == '+' || Text[I] == '-')) ++I;
    const size_t First = I;
    while (I < E && IsDigit(Text[I])) ++I;
    if (I == First) return false;
  }
  if (I != E) return false;

  // Exact fast path: at most 19 digits form an exact integer, and one
  // division by an exact power of ten rounds correctly.
  if (ExpBegin == E && DigitCount <= 19 && FracEnd - FracBegin <= 27) {
    std::uint64_t Mant = 0;
    for (size_t K = IntBegin; K < IntEnd; ++K) Mant = Mant * 10 + static_cast<unsigned>(Text[K] - '0');
    for (size_t K = FracBegin; K < FracEnd; ++K) Mant = Mant * 10 + static_cast<unsigned>(Text[K] - '0');
    long double V = static_cast<long double>(Mant);
    if (FracEnd > FracBegin) V /= Pow10(static_cast<int>(FracEnd - FracBegin));
    Value = Negative ? -V : V;
    return true;
  }

  // General path: rewrite in the neutral form from_chars reads.
  std::string C;
  C.reserve(E - B + 2);
  C.append(Text, IntBegin, IntEnd - IntBegin);
  if (C.empty()) C += '0';
  if (FracEnd > FracBegin) {
    C += '.';
    C.append(Text, FracBegin, FracEnd - FracBegin);
  }
  if (ExpBegin < E) {
    C += 'e';
    size_t K = ExpBegin + 1;
    if (Text[K] == '+') ++K;
    C.append(Text, K, E - K);
  }
  long double V = 0;
  const auto Res = std::from_chars(C.data(), C.data() + C.size(), V, std::chars_format::general);
  if (Res.ec != std::errc() || Res.ptr != C.data() + C.size()) return false;  // overflow included
  Value = Negative ? -V : V;
  return true;
}

std::string FormatFixed(long double Value, int Width, int Precision) {
  Width = Width < 0 ? 0 : (Width > 60 ? 60 : Width);
  Precision = Precision < 0 ? 0 : (Precision > 18 ? 18 : Precision);
  std::string S;
  if (!std::isfinite(Value)) {
    S = std::isnan(Value) ? "nan" : (Value < 0 ? "-inf" : "inf");
  } else {
    std::vector<char> Buf(5000 + static_cast<size_t>(Precision));
    const auto Res = std::to_chars(Buf.data(), Buf.data() + Buf.size(), Value, std::chars_format::fixed, Precision);
    S.assign(Buf.data(), Res.ptr);
    for (char& Ch : S)
      if (Ch == '.') Ch = DecimalSeparator();
  }
  if (S.size() < static_cast<size_t>(Width)) S.insert(0, static_cast<size_t>(Width) - S.size(), ' ');
  return S;
}
