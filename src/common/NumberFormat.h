#pragma once
// Numbers as text, German style by default (decimal comma), whatever the
// system locale is. One process-wide setting holds the separator so tests
// can switch it.
#include <string>

char DecimalSeparator();
void SetDecimalSeparator(char Separator);

// General float-to-text form with up to 15 significant digits: shortest
// digits, no trailing zeros, separator only when needed; fixed notation for
// magnitudes from 0,00001 with at most 15 integer digits, otherwise
// scientific ("1E20", "1,5E-7").
std::string FloatToStr(long double Value);

// Whole text must be a number written with the current separator (leading
// and trailing blanks allowed, optional sign and exponent). False otherwise,
// also when the value lies outside the range of an 80-bit float. Neither
// function depends on the C locale.
bool TryStrToFloat(const std::string& Text, long double& Value);

// printf-like fixed formatting ("%w.pf") with the current separator.
std::string FormatFixed(long double Value, int Width, int Precision);
