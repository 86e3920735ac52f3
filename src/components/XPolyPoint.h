#pragma once
// The points of a free polygon: relative coordinates (0 .. 1 spanning the
// control), their pixel form, their text form ("x;y" per line) and their
// stored binary form (a 32-bit little-endian count, then per point x and y
// as 80-bit extended floats, 20 bytes a point).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Types.h"

struct TXPolyPoint {
  long double X = 0;
  long double Y = 0;
  friend bool operator==(const TXPolyPoint&, const TXPolyPoint&) = default;
};

constexpr int MaxXPolyPoints = 64;
constexpr std::size_t ExtendedSize = 10;
constexpr std::size_t FPointRecordSize = 2 * ExtendedSize;

// The diamond a new polygon starts with.
std::vector<TXPolyPoint> DefaultXPolyPoints();

// (round((w - 1) x) + X, round((h - 1) y) + Y); with StretchRatio both w and h
// are the smaller side, so the figure keeps its proportions.
std::vector<TPoint> XPolyPixelPoints(const std::vector<TXPolyPoint>& Points, int Width, int Height,
                                     bool StretchRatio, int X = 0, int Y = 0);

// One line "x;y" per point, numbers in the default float-to-text form.
std::vector<std::string> XPolyPointsToLines(const std::vector<TXPolyPoint>& Points);

// Takes at most 64 lines; each is split at its first ";" and both halves are
// read as numbers. A line without ";" sets only x. Points that existed keep
// the coordinates a line does not set (or sets with a malformed number); new
// ones start at 0. The count becomes the number of lines taken. False when a
// number was malformed.
bool XPolyPointsFromLines(const std::vector<std::string>& Lines, std::vector<TXPolyPoint>& Points);

// The 10 bytes of an 80-bit extended float (little-endian: 64-bit mantissa
// with explicit integer bit, then sign and 15-bit exponent). Infinities and
// NaNs, which no coordinate can use, decode as 0.
long double DecodeExtended(const unsigned char* Bytes);
void EncodeExtended(long double Value, unsigned char* Bytes);

// Reads the stored binary form. Any bytes are safe: a short or negative
// count, a truncated record or trailing bytes make the result false; the
// complete records present (at most 64) are still taken.
bool DecodeFPoints(const unsigned char* Data, std::size_t Size, std::vector<TXPolyPoint>& Points);
std::vector<unsigned char> EncodeFPoints(const std::vector<TXPolyPoint>& Points);

// Per channel (a + b) div 2: the brush colour under the mouse.
TColor HoverColor(TColor Brush, TColor Enhanced);
