#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/MMButtonKinds.h"
#include "scene/CorrectAnswers.h"

namespace {

TEST(MMButtonKinds, PresetCaptions) {
  struct Case {
    TMMButtonKind Kind;
    const char* Caption;
  } Cases[] = {
      {mmStart, "&Start"},     {mmReset, "&Zurücksetzen"}, {mmStop, "&Stop"},       {mmForce, "&Kraft"},
      {mmFixed, "&Befestigung"}, {mmCheck, "&Auswerten"},  {mmExamine, "&untersuchen"}, {mmLock, "&befestigen"},
      {mmAnimate, "&Animation"}, {mmUnlock, "&loslassen"}, {mmHint, "&Hinweis"},    {mmStep, "&Weiter"},
      {mmNew, "&Neu"},
  };
  for (const Case& C : Cases) EXPECT_STREQ(MMButtonKindCaption(C.Kind), C.Caption) << int(C.Kind);
  EXPECT_EQ(MMButtonKindCaption(mmFree), nullptr);
  EXPECT_EQ(MMButtonKindCaption(static_cast<TMMButtonKind>(14)), nullptr);
}

TEST(MMButtonKinds, ContentIsCentredTogether) {
  // 100 x 30 button, caption 40 x 13, no glyph.
  TButtonContentLayout L = LayoutButtonContent(100, 30, 0, 0, 40, 13);
  EXPECT_EQ(L.TextRect, Rect(30, 8, 94, 30));
  // With a 16 x 16 glyph: left = (100 - 56) div 2 = 22.
  L = LayoutButtonContent(100, 30, 16, 16, 40, 13);
  EXPECT_EQ(L.GlyphPos, Point(18, 9));
  EXPECT_EQ(L.TextRect.Left, 38);
  // Text taller than the button starts at the top; odd halves truncate toward zero.
  L = LayoutButtonContent(20, 10, 0, 0, 41, 14);
  EXPECT_EQ(L.TextRect, Rect(-10, 0, 14, 10));
}

TEST(MMComboAnswers, MarkedItemsLoseTheirPlusAndBecomeCorrect) {
  std::vector<std::string> Items{"a²", "+(a-b)²", "(a+b)²"};
  TCorrectAnswers Answers;
  Answers.TakeMarks(Items);
  EXPECT_EQ(Items, (std::vector<std::string>{"a²", "(a-b)²", "(a+b)²"}));
  EXPECT_TRUE(Answers.IsCorrect(1));
  EXPECT_FALSE(Answers.IsCorrect(0));
  EXPECT_FALSE(Answers.IsCorrect(2));
  EXPECT_FALSE(Answers.IsCorrect(-1));  // nothing chosen
  EXPECT_FALSE(Answers.IsCorrect(TCorrectAnswers::EmptySlot));
  EXPECT_EQ(Answers.Slot(0), 1);
  EXPECT_EQ(Answers.Slot(1), TCorrectAnswers::EmptySlot);
}

TEST(MMComboAnswers, SixteenMarksLoadAndASeventeenthRaises) {
  std::vector<std::string> Items;
  for (int I = 0; I < 16; ++I) Items.push_back("+" + std::to_string(I));
  Items.insert(Items.begin() + 3, "x");
  TCorrectAnswers Answers;
  Answers.TakeMarks(Items);
  EXPECT_EQ(Items[0], "0");
  EXPECT_TRUE(Answers.IsCorrect(16));
  EXPECT_FALSE(Answers.IsCorrect(3));

  Items.push_back("+last");
  for (std::string& Item : Items) Item = "+" + Item;  // 18 marks now
  try {
    Answers.TakeMarks(Items);
    FAIL() << "no exception";
  } catch (const ETooMuchCorrect& E) {
    EXPECT_STREQ(E.what(), "Zuviele richtige Antworten (>16)");
  }
}

TEST(MMComboAnswers, OnlyALeadingPlusMarksAnItem) {
  std::vector<std::string> Items{"", "a+b", " +c", "++d"};
  TCorrectAnswers Answers;
  Answers.TakeMarks(Items);
  EXPECT_EQ(Items, (std::vector<std::string>{"", "a+b", " +c", "+d"}));
  EXPECT_TRUE(Answers.IsCorrect(3));
  EXPECT_FALSE(Answers.IsCorrect(1));
  // Taking the marks again starts afresh: "+d" is marked once more.
  Answers.TakeMarks(Items);
  EXPECT_EQ(Items[3], "d");
  EXPECT_TRUE(Answers.IsCorrect(3));
}

}  // namespace
