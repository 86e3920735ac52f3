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
