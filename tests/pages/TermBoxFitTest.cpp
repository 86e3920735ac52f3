// Term boxes show all of their term: the widest task each game can pose, the
// widest answer that solves it and every cell of the term calculator fit
// their boxes, at the design's size where it has room and never below the
// smallest readable one.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/Random.h"
#include "components/ComponentClasses.h"
#include "pages/PageClasses.h"
#include "pages/aufgaben/TAVavorever.h"
#include "pages/aufgaben/VavoReverBoards.h"
#include "pages/binomische/BIU0.h"
#include "pages/faktorisieren/FAU0.h"
#include "pages/faktorisieren/FAU1.h"
#include "pages/faktorisieren/FAU2.h"
#include "platform/Canvas.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "terms/TermControls.h"
#include "terms/TermInput.h"

namespace {

class TermBoxFitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterTermControls();
    RegisterPageClasses();
  }
};

std::string Num(int N) { return std::to_string(N); }

// Every task of a game with the answer that solves it.
struct TTaskAndAnswer {
  std::string Task, Answer;
};

std::vector<TTaskAndAnswer> BinomialTasks() {
  std::vector<TTaskAndAnswer> All;
  for (int Kind = 0; Kind <= 2; ++Kind)
    for (int A = 2; A <= 14; ++A)
      for (int B = 2; B <= 14; ++B)
        for (char X = 'a'; X <= 't'; ++X)
          for (char Y = static_cast<char>(X + 1); Y <= X + 4; ++Y) {
            const std::string x(1, X), y(1, Y);
            const std::string Square = Num(A * A) + "*" + x + "^2";
            const std::string Last = Num(B * B) + "*" + y + "^2";
            const std::string Middle = Num(2 * A * B) + "*" + x + "*" + y;
            const std::string Answer = Kind == 2   ? Square + "-" + Last
                                       : Kind == 0 ? Square + "+" + Middle + "+" + Last
                                                   : Square + "-" + Middle + "+" + Last;
            All.push_back({TBinomialGame::Caption({Kind, A, B, X, Y}), Answer});
          }
  return All;
}

std::vector<TTaskAndAnswer> CommonFactorTasks() {
  std::vector<TTaskAndAnswer> All;
  for (int F = 2; F <= 14; ++F)
    for (int G = 2; G <= 14; ++G)
      for (int H = 2; H <= 14; ++H)
        for (char X = 'a'; X <= 'w'; ++X)
          for (const bool Letter : {false, true})
            for (const bool Minus : {false, true}) {
              const TCommonFactorTask T{F, G, H, X, Letter, Minus};
              const int D = T.D();
              const std::string Answer = Num(D) + (Letter ? std::string("*") + T.W() : "") + "*(" +
                                         Num(T.P() / D) + "*" + X + (Minus ? "-" : "+") + Num(T.Q() / D) + "*" +
                                         T.Y() + ")";
              All.push_back({TCommonFactorGame::Caption(T), Answer});
            }
  return All;
}

// With Numbers, also a number 2 ... 5 in front of a binomial formula, with
// or without a second letter.
std::vector<TTaskAndAnswer> BinomialFactorTasks(bool Numbers) {
  std::vector<TTaskAndAnswer> All;
  for (int Kind = 0; Kind <= 5; ++Kind)
    for (int p = 1; p <= 10; ++p)
      for (const int q : {p + 1, 2 * p - 1, p % 5 ? p + 5 : p + 4, p % 2 ? p + 6 : p + 7, p % 3 ? p + 3 : p + 8})
        for (char X = 'a'; X <= 't'; ++X)
          for (char Y = static_cast<char>(X + 1); Y <= X + 3; ++Y)
            for (int k = 1; k <= (Numbers && Kind >= 1 && Kind <= 3 ? 5 : 1); ++k)
              for (const bool Letter : {true, Numbers && k > 1}) {
                const TBinomialFactorTask T{Kind, p, q, X, Letter ? Y : '\0', k};
                const std::string Second = Letter ? Num(q) + "*" + Y : Num(q);
                const auto Bracket = [&](char Op) { return "(" + Num(p) + "*" + X + Op + Second + ")"; };
                const std::string Front = k > 1 ? Num(k) + "*" : "";
                const std::string Answer = !T.Factorable() ? "?"
                                           : Kind == 1     ? Front + Bracket('+') + "*" + Bracket('-')
                                                           : Front + Bracket(Kind == 2 ? '-' : '+') + "^2";
                All.push_back({TBinomialFactorGame::Caption(T), Answer});
              }
  return All;
}

// Width and height of a term drawn in Font.
TSize Drawn(const std::string& Text, const TFontSpec& Font) {
  static QImage Scratch(1, 1, QImage::Format_RGB32);
  TCanvas Canvas(&Scratch);
  Canvas.Font().SetSpec(Font);
  return TTerm::ParseTerm(Text)->Measure(Canvas.Core());
}

// The text among Texts that needs the most room in Font. The digits of the
// course's fonts are equally wide, so of the texts that differ only in their
// digits one is measured.
std::string Widest(const std::vector<std::string>& Texts, const TFontSpec& Font) {
  std::string Best;
  TSize BestSize{-1, -1};
  std::set<std::string> Shapes;
  for (const std::string& T : Texts) {
    std::string Shape = T;
    for (char& C : Shape)
      if (C >= '0' && C <= '9') C = '0';
    if (!Shapes.insert(Shape).second) continue;
    const TSize S = Drawn(T, Font);
    if (S.cx > BestSize.cx || (S.cx == BestSize.cx && S.cy > BestSize.cy)) Best = T, BestSize = S;
  }
  return Best;
}

// Box shows Text whole; at its design's size when AtDesignSize.
void ExpectFits(TMMTerm& Box, const std::string& Text, bool AtDesignSize) {
  const QString Before = Box.Caption();
  Box.SetCaption(QString::fromStdString(Text));
  bool Fits = false;
  const TFontSpec Font = Box.CaptionFont(&Fits);
  EXPECT_TRUE(Fits) << Text;
  EXPECT_GE(-Font.Height, TMMTerm::MinFontHeight) << Text;
  if (AtDesignSize) {
    EXPECT_EQ(Font.Height, Box.Font()->FontSpec().Height) << Text;
  }
  Box.SetCaption(Before);
}

}  // namespace

TEST_F(TermBoxFitTest, TheWidestTaskAndAnswerOfEveryGameFitTheirBoxes) {
  struct TRow {
    std::function<std::unique_ptr<TfmGameFrame>()> Make;
    std::function<std::vector<TTaskAndAnswer>()> Tasks;
    bool TasksAtDesignSize = true;
  };
  const TRow Rows[] = {
      {[] { return CreateForm<TfmBIU0>(); }, BinomialTasks},
      {[] { return CreateForm<TfmFAU0>(); }, CommonFactorTasks},
      {[] { return CreateForm<TfmFAU1>(); }, [] { return BinomialFactorTasks(false); }},
      // A number in front makes the longest sums a little smaller.
      {[] { return CreateForm<TfmFAU2>(); }, [] { return BinomialFactorTasks(true); }, false},
  };
  for (const TRow& Row : Rows) {
    std::unique_ptr<TfmGameFrame> Page = Row.Make();
    SCOPED_TRACE(Page->metaObject()->className());
    std::vector<std::string> Tasks, Answers;
    for (const TTaskAndAnswer& T : Row.Tasks()) Tasks.push_back(T.Task), Answers.push_back(T.Answer);
    ExpectFits(*Page->MMTerm1, Widest(Tasks, Page->MMTerm1->Font()->FontSpec()), Row.TasksAtDesignSize);
    ExpectFits(*Page->MMTerm2, TermTextOf(QString::fromStdString(Widest(Answers, Page->MMTerm2->Font()->FontSpec())))
                                   .toStdString(),
               true);
  }
}

TEST_F(TermBoxFitTest, EveryCellOfTheTermCalculatorFits) {
  RandomSeed(3);
  std::unique_ptr<TfmTAVavorever> Page = CreateForm<TfmTAVavorever>();
  for (int Level = VavoFirstLevel; Level <= VavoLastLevel; ++Level)
    for (const auto& Row : VavoLevel(Level).Board)
      for (const char* Cell : Row)
        if (Cell) {
          ExpectFits(*Page->BoardCell(0, 0), Cell, true);
        }
}

TEST_F(TermBoxFitTest, ATermTooWideForItsBoxIsDrawnSmaller) {
  std::unique_ptr<TfmBIU0> Page = CreateForm<TfmBIU0>();
  TMMTerm& Box = *Page->MMTerm2;
  const int Design = Box.Font()->FontSpec().Height;
  Box.SetCaption("a+b");
  EXPECT_EQ(Box.CaptionFont().Height, Design);
  // A long answer steps the font down until it fits.
  std::string Long = "1*a";
  for (int I = 2; I < 9; ++I) Long += "+" + Num(I) + "*a";
  Box.SetCaption(QString::fromStdString(Long));
  bool Fits = false;
  const TFontSpec Smaller = Box.CaptionFont(&Fits);
  EXPECT_TRUE(Fits);
  EXPECT_GT(Smaller.Height, Design);  // negative heights: a smaller font
  EXPECT_LE(Drawn(Long, Smaller).cx, Box.TermRoom().cx);
  TFontSpec OneLarger = Smaller;
  --OneLarger.Height;
  EXPECT_GT(Drawn(Long, OneLarger).cx, Box.TermRoom().cx);  // as large as it can be
  // Beyond the smallest readable size it stays at that size.
  for (int I = 0; I < 60; ++I) Long += "+" + Num(I) + "*a";
  Box.SetCaption(QString::fromStdString(Long));
  EXPECT_EQ(Box.CaptionFont(&Fits).Height, -TMMTerm::MinFontHeight);
  EXPECT_FALSE(Fits);

  // What the pupil sees: the last term of the sum inside the box.
  Box.SetCaption("196*m^2+392*m*q+196*q^2+196*m^2+392*m*q");
  const QImage Image = Box.grab().toImage().convertToFormat(QImage::Format_RGB32);
  int RightmostInk = -1;
  for (int X = 0; X < Image.width() - 3; ++X)
    for (int Y = 3; Y < Image.height() - 3; ++Y)
      if (qGray(Image.pixel(X, Y)) < 100) RightmostInk = std::max(RightmostInk, X);
  EXPECT_GT(RightmostInk, Image.width() / 2);
  EXPECT_LT(RightmostInk, Image.width() - 3);
}
