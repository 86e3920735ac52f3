#include <gtest/gtest.h>

#include "common/CoreCanvas.h"
#include "common/NumberFormat.h"

TEST(NumberFormat, FloatToStrGermanGeneralForm) {
  struct Case {
    long double Value;
    const char* Text;
  } Cases[] = {{0, "0"},          {0.5L, "0,5"},       {-2, "-2"},         {1e20L, "1E20"},
               {1.5e-7L, "1,5E-7"}, {0.00001L, "0,00001"}, {123456789012345.0L, "123456789012345"},
               {1e15L, "1E15"},    {1.0L / 3, "0,333333333333333"}, {100, "100"}};
  for (const auto& C : Cases) EXPECT_EQ(FloatToStr(C.Value), C.Text) << static_cast<double>(C.Value);
}

TEST(NumberFormat, ParsesOnlyTheCurrentSeparator) {
  long double V = 0;
  EXPECT_TRUE(TryStrToFloat("0,5", V));
  EXPECT_EQ(V, 0.5L);
  EXPECT_FALSE(TryStrToFloat("0.5", V));
  EXPECT_FALSE(TryStrToFloat("", V));
  EXPECT_FALSE(TryStrToFloat("abc", V));
  SetDecimalSeparator('.');
  EXPECT_TRUE(TryStrToFloat("0.5", V));
  EXPECT_EQ(FloatToStr(0.25L), "0.25");
  SetDecimalSeparator(',');
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(8, 72, 96), 6);
  EXPECT_EQ(MulDiv(-13, 72, 96), -10);  // -9.75
  EXPECT_EQ(MulDiv(10, 96, 72), 13);    // 13.33
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  TFontSpec F;
  F.SetSize(10);
  EXPECT_EQ(F.Height, -13);
  EXPECT_EQ(F.Size(), 10);
}

TEST(NumberFormat, ReadsExactlyAndRejectsOutOfRange) {
  struct Case {
    const char* Text;
    long double Value;
  } Cases[] = {{"0,1", 0.1L},
               {"123456789,123456789", 123456789.123456789L},
               {"9999999999999999999", 9999999999999999999.0L},
               {"12345678901234567890", 12345678901234567890.0L},
               {"0,0000000000000000000000000001", 1e-28L},
               {" -2,5 ", -2.5L},
               {"+3", 3},
               {"1,5E-7", 1.5e-7L},
               {"2e+3", 2000},
               {"1E4000", 1e4000L},
               {"3,", 3},
               {",5", 0.5L}};
  for (const auto& C : Cases) {
    long double V = -1;
    EXPECT_TRUE(TryStrToFloat(C.Text, V)) << C.Text;
    EXPECT_EQ(V, C.Value) << C.Text;
  }
  long double V = 0;
  for (const char* Bad : {"1E5000", "-1E5000", "1E", "1,5,", "--1", "1 2", ",", "E5", "0x10", "inf", "nan"})
    EXPECT_FALSE(TryStrToFloat(Bad, V)) << Bad;
}

TEST(NumberFormat, FormatFixedUsesTheSeparator) {
  EXPECT_EQ(FormatFixed(2.5L, 6, 2), "  2,50");
  EXPECT_EQ(FormatFixed(-0.125L, 0, 2), "-0,12");
  EXPECT_EQ(FormatFixed(1234.5678L, 0, 0), "1235");
  EXPECT_EQ(FormatFixed(1e20L, 0, 1), "100000000000000000000,0");
}
