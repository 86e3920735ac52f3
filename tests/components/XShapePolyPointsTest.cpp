// Points of the free polygon: pixels, text lines and the stored binary form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/Colors.h"
#include "common/NumberFormat.h"
#include "components/XPolyPoint.h"

namespace {
TEST(XPolyPoints, PixelPoints) {
  EXPECT_EQ(XPolyPixelPoints(DefaultXPolyPoints(), 40, 40, false),
            (std::vector<TPoint>{{20, 0}, {0, 20}, {20, 39}, {39, 20}}));  // 19.5 rounds to even
  EXPECT_EQ(XPolyPixelPoints(DefaultXPolyPoints(), 101, 41, false),
            (std::vector<TPoint>{{50, 0}, {0, 20}, {50, 40}, {100, 20}}));
  EXPECT_EQ(XPolyPixelPoints(DefaultXPolyPoints(), 101, 41, true, 5, 6),
            (std::vector<TPoint>{{25, 6}, {5, 26}, {25, 46}, {45, 26}}));
  const std::vector<TXPolyPoint> Odd = {{std::numeric_limits<long double>::quiet_NaN(), 1e300L}};
  EXPECT_EQ(XPolyPixelPoints(Odd, 40, 40, false), (std::vector<TPoint>{{0, 1 << 26}}));
}

TEST(XPolyPoints, LinesRoundTrip) {
  SetDecimalSeparator(',');
  const std::vector<std::string> Lines = XPolyPointsToLines({{0.5L, 0}, {0.125L, 1}});
  EXPECT_EQ(Lines, (std::vector<std::string>{"0,5;0", "0,125;1"}));
  std::vector<TXPolyPoint> Back;
  EXPECT_TRUE(XPolyPointsFromLines(Lines, Back));
  EXPECT_EQ(Back, (std::vector<TXPolyPoint>{{0.5L, 0}, {0.125L, 1}}));
}

TEST(XPolyPoints, AssigningLines) {
  SetDecimalSeparator(',');
  std::vector<TXPolyPoint> P = {{0.1L, 0.2L}, {0.3L, 0.4L}};
  // Without ";" only x changes; a malformed half keeps the old value.
  EXPECT_FALSE(XPolyPointsFromLines({"0,7", "x;0,9", "1;1"}, P));
  EXPECT_EQ(P, (std::vector<TXPolyPoint>{{0.7L, 0.2L}, {0.3L, 0.9L}, {1, 1}}));
  EXPECT_TRUE(XPolyPointsFromLines({" 0,25 ; 0,75 "}, P));  // blanks allowed around numbers
  EXPECT_EQ(P, (std::vector<TXPolyPoint>{{0.25L, 0.75L}}));
  // Split at the first ";": the rest of the line is the y text.
  EXPECT_FALSE(XPolyPointsFromLines({"1;2;3"}, P));
  EXPECT_EQ(P[0].X, 1);

  std::vector<std::string> Many;
  for (int I = 0; I < 70; ++I) Many.push_back(std::to_string(I) + ";0");
  EXPECT_TRUE(XPolyPointsFromLines(Many, P));
  ASSERT_EQ(P.size(), 64u);
  EXPECT_EQ(P.back().X, 63);

  EXPECT_TRUE(XPolyPointsFromLines({}, P));
  EXPECT_TRUE(P.empty());
}

std::vector<unsigned char> Bytes(std::initializer_list<int> Values) {
  std::vector<unsigned char> Out;
  for (int V : Values) Out.push_back(static_cast<unsigned char>(V));
  return Out;
}

TEST(XPolyPoints, ExtendedBytes) {
  struct Case {
    long double Value;
    std::vector<unsigned char> Bytes;
  } Cases[] = {
      {1, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
      {0.5L, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F})},
      {-2, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0})},
      {0.75L, Bytes({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F})},
      {0, Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
  };
  for (const Case& C : Cases) {
    unsigned char Out[10];
    EncodeExtended(C.Value, Out);
    EXPECT_EQ(std::vector<unsigned char>(Out, Out + 10), C.Bytes) << static_cast<double>(C.Value);
    EXPECT_EQ(DecodeExtended(C.Bytes.data()), C.Value);
  }
  // Infinity and NaN patterns read as 0; an unnormal (no integer bit) still
  // reads as its arithmetic value.
  EXPECT_EQ(DecodeExtended(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}).data()), 0);
  EXPECT_EQ(DecodeExtended(Bytes({1, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xFF}).data()), 0);
  EXPECT_EQ(DecodeExtended(Bytes({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}).data()), 0.5L);
  const long double Tiny = std::numeric_limits<long double>::denorm_min() * 12345;
  unsigned char Out[10];
  EncodeExtended(Tiny, Out);
  EXPECT_EQ(DecodeExtended(Out), Tiny);
}

TEST(XPolyPoints, FPointsSizesAndRoundTrip) {
  const std::vector<TXPolyPoint> Three = {{0, 0}, {1, 0}, {0.25L, 0.75L}};
  EXPECT_EQ(EncodeFPoints(Three).size(), 64u);
  EXPECT_EQ(EncodeFPoints(DefaultXPolyPoints()).size(), 84u);
  const auto Data = EncodeFPoints(Three);
  EXPECT_EQ(Data[0], 3);
  std::vector<TXPolyPoint> Back;
  EXPECT_TRUE(DecodeFPoints(Data.data(), Data.size(), Back));
  EXPECT_EQ(Back, Three);
}

TEST(XPolyPoints, MalformedFPoints) {
  const auto Good = EncodeFPoints(DefaultXPolyPoints());
  std::vector<TXPolyPoint> P = {{9, 9}};
  EXPECT_FALSE(DecodeFPoints(Good.data(), 3, P));
  EXPECT_TRUE(P.empty());
  // Truncated: the complete records are kept.
  EXPECT_FALSE(DecodeFPoints(Good.data(), Good.size() - 1, P));
  EXPECT_EQ(P.size(), 3u);
  // Trailing bytes.
  auto Longer = Good;
  Longer.push_back(0);
  EXPECT_FALSE(DecodeFPoints(Longer.data(), Longer.size(), P));
  EXPECT_EQ(P.size(), 4u);
  // A negative count.
  auto Negative = Good;
  Negative[3] = 0x80;
  EXPECT_FALSE(DecodeFPoints(Negative.data(), Negative.size(), P));
  EXPECT_TRUE(P.empty());
  // A huge count with few records does not reserve memory for it.
  auto Huge = Good;
  Huge[0] = Huge[1] = Huge[2] = 0xFF;
  Huge[3] = 0x7F;
  EXPECT_FALSE(DecodeFPoints(Huge.data(), Huge.size(), P));
  EXPECT_EQ(P.size(), 4u);
  // More than 64 well-formed points: the first 64 are taken.
  std::vector<TXPolyPoint> Seventy(70);
  for (int I = 0; I < 70; ++I) Seventy[I] = {static_cast<long double>(I), 0};
  const auto Big = EncodeFPoints(Seventy);
  EXPECT_TRUE(DecodeFPoints(Big.data(), Big.size(), P));
  ASSERT_EQ(P.size(), 64u);
  EXPECT_EQ(P.back().X, 63);
}

TEST(XPolyPoints, HoverColourIsTheChannelAverage) {
  EXPECT_EQ(HoverColor(clWhite, clRed), RGB(255, 127, 127));
  EXPECT_EQ(HoverColor(RGB(10, 21, 255), RGB(1, 2, 0)), RGB(5, 11, 127));
}
}  // namespace
