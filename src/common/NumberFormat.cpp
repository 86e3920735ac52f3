#include "common/NumberFormat.h"

#include <atomic>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<char> GSeparator{','};
}

char DecimalSeparator() { return GSeparator.load(); }
void SetDecimalSeparator(char Separator) { GSeparator.store(Separator); }

std::string FloatToStr(long double Value) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  if (Value == 0) return "0";
  // 15 significant digits in scientific form give mantissa digits and exponent.
  char Buf[64];
  std::snprintf(Buf, sizeof Buf, "%.14Le", Value);
  std::string S(Buf);
  const auto EPos = S.find('e');
  int Exp = std::atoi(S.c_str() + EPos + 1);
  std::string Mant = S.substr(0, EPos);
  const bool Negative = Mant[0] == '-';
  std::string Digits;
  for (char C : Mant)
    if (std::isdigit(static_cast<unsigned char>(C))) Digits += C;
  while (Digits.size() > 1 && Digits.back() == '0') Digits.pop_back();
  const char Sep = DecimalSeparator();
  std::string Out = Negative ? "-" : "";
  const bool Fixed = Exp >= -5 && Exp < 15;
  if (Fixed) {
    if (Exp < 0) {
      Out += "0";
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
  std::string C;
  C.reserve(E - B);
  size_t I = B;
  auto Digits = [&]() {
    size_t N = 0;
    while (I < E && std::isdigit(static_cast<unsigned char>(Text[I]))) C += Text[I++], ++N;
    return N;
  };
  if (Text[I] == '+' || Text[I] == '-') C += Text[I++];
  size_t N = Digits();
  if (I < E && Text[I] == Sep) {
    C += '.';
    ++I;
    N += Digits();
  }
  if (N == 0) return false;
  if (I < E && (Text[I] == 'e' || Text[I] == 'E')) {
    C += 'e';
    ++I;
    if (I < E && (Text[I] == '+' || Text[I] == '-')) C += Text[I++];
    if (Digits() == 0) return false;
  }
  if (I != E) return false;
  char* End = nullptr;
  Value = std::strtold(C.c_str(), &End);
  return End && *End == '\0';
}

std::string FormatFixed(long double Value, int Width, int Precision) {
  char Buf[96];
  std::snprintf(Buf, sizeof Buf, "%*.*Lf", Width < 0 ? 0 : (Width > 60 ? 60 : Width),
                Precision < 0 ? 0 : (Precision > 18 ? 18 : Precision), Value);
  std::string S(Buf);
  for (char& Ch : S)
    if (Ch == '.') Ch = DecimalSeparator();
  return S;
}
