#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QPalette>

#include "platform/Canvas.h"
#include "platform/ComponentRegistry.h"
#include "platform/ControlAccessible.h"
#include "platform/Convert.h"
#include "terms/MMTerm.h"
#include "terms/TermControls.h"

namespace {

constexpr TColor Face = 0xE0E0E0;
constexpr TColor Grey = 0x808080;

class THostWindow : public QWidget {
 public:
  THostWindow() {
    QPalette P = palette();
    P.setColor(QPalette::Window, Qt::white);
    setPalette(P);
    setAutoFillBackground(true);
    resize(200, 100);
  }
};

struct TTermBox {
  THostWindow Host;
  TMMTerm* Box = new TMMTerm(&Host);
  explicit TTermBox(const QString& Caption, int State = 0) {
    Box->SetBounds(0, 0, 150, 60);
    Box->SetTransparent(false);
    Box->SetParentFont(false);
    Box->Font()->SetHeight(-13);
    Box->Font()->SetColor(clBlack);
    Box->SetState(State);
    Box->SetCaption(Caption);
  }
  QImage Image() {
    return Host.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, Box->width(), Box->height());
  }
};

TColor At(const QImage& I, int X, int Y) { return QRgbToTColor(I.pixel(X, Y)); }

// The box around the pixels that are neither face nor frame colours.
QRect InkBounds(const QImage& I) {
  QRect R;
  for (int Y = 3; Y < I.height() - 3; ++Y)
    for (int X = 3; X < I.width() - 3; ++X)
      if (At(I, X, Y) != Face) R |= QRect(X, Y, 1, 1);
  return R;
}

TEST(MMTerm, IsAComponentOfTheDesigns) {
  RegisterTermControls();
  const auto Created = TComponentRegistry::Instance().Create("TMMTerm");
  ASSERT_TRUE(Created);
  EXPECT_TRUE(qobject_cast<TMMButton*>(Created.get()));
}

TEST(MMTerm, EmptyCaptionPaintsTheFaceOnly) {
  TTermBox T("");
  EXPECT_TRUE(InkBounds(T.Image()).isNull());
}

TEST(MMTerm, TermStartsAtTheLeftAndStandsInTheMiddle) {
  // As much room above the ink as below it (a pixel either way), in the
  // box of the design and in a taller one.
  for (const char* Caption : {"(a+b)*c", "(a+b)^2", "x^2+1", "a+b", "(a-b)/(c+d)", "2*x/3"}) {
    for (const int BoxHeight : {60, 90}) {
      TTermBox T(Caption);
      T.Box->SetBounds(0, 0, 150, BoxHeight);
      T.Host.resize(200, 120);
      const QRect Ink = InkBounds(T.Image());
      SCOPED_TRACE(std::string(Caption) + " in " + std::to_string(BoxHeight) + " px");
      ASSERT_FALSE(Ink.isNull());
      EXPECT_GE(Ink.left(), 4);
      EXPECT_LE(Ink.left(), 6);
      EXPECT_NEAR(Ink.top(), BoxHeight - 1 - Ink.bottom(), 2);
    }
  }
}

// The ink of the box's columns From..To.
QRect InkIn(const QImage& I, int From, int To) {
  QRect R;
  for (int Y = 3; Y < I.height() - 3; ++Y)
    for (int X = From; X <= To; ++X)
      if (At(I, X, Y) != Face) R |= QRect(X, Y, 1, 1);
  return R;
}

TEST(MMTerm, MinusSignHasThePlusSignsWidthAndSpacing) {
  const QImage Plus = TTermBox("a+b").Image();
  const QImage Minus = TTermBox("a-b").Image();
  const QRect A = InkBounds(TTermBox("a").Image());
  const QRect PlusInk = InkBounds(Plus);
  const QRect MinusInk = InkBounds(Minus);
  // The same overall width, b at the same place.
  EXPECT_EQ(PlusInk.left(), MinusInk.left());
  EXPECT_NEAR(PlusInk.right(), MinusInk.right(), 1);
  // Between a and b: a bar as wide as the plus sign's, not a short hyphen.
  const QRect PlusSign = InkIn(Plus, A.right() + 2, PlusInk.right() - A.width() - 1);
  const QRect MinusSign = InkIn(Minus, A.right() + 2, MinusInk.right() - A.width() - 1);
  ASSERT_FALSE(MinusSign.isNull());
  EXPECT_NEAR(MinusSign.width(), PlusSign.width(), 1);
  EXPECT_NEAR(MinusSign.center().x(), PlusSign.center().x(), 1);
  EXPECT_LE(MinusSign.height(), 2);
}

TEST(MMTerm, FractionBarIsAHorizontalLineInTheFontColour) {
  TTermBox T("(a+b+c)/d");
  const QImage I = T.Image();
  int LongestRun = 0;
  for (int Y = 4; Y < 56; ++Y) {
    int Run = 0;
    for (int X = 4; X < 146; ++X) {
      Run = At(I, X, Y) == clBlack ? Run + 1 : 0;
      LongestRun = std::max(LongestRun, Run);
    }
  }
  EXPECT_GE(LongestRun, 25);  // as wide as "a + b + c" at the smaller size
}

TEST(MMTerm, CaptionThatIsNoTermShowsAQuestionMark) {
  TTermBox Bad(")+(");
  TTermBox Question("?");
  EXPECT_EQ(Bad.Image(), Question.Image());
  EXPECT_EQ(Bad.Box->GetTerm()->ToString(), "?");
}

TEST(MMTerm, GetTermParsesTheCaptionAnew) {
  TTermBox T("2*a");
  auto First = T.Box->GetTerm();
  auto Second = T.Box->GetTerm();
  EXPECT_NE(First.get(), Second.get());
  EXPECT_EQ(First->ToString(), "2 * a");
}

TEST(MMTerm, TaskTermsShowTheSunkenFrame) {
  TTermBox T("a", 2);
  const QImage I = T.Image();
  EXPECT_EQ(At(I, 0, 0), Grey);
  EXPECT_EQ(At(I, 1, 1), Grey);
  EXPECT_EQ(At(I, 2, 2), Face);
  EXPECT_EQ(At(I, 149, 59), 0xFFFFFF);
  EXPECT_EQ(At(I, 148, 58), 0xFFFFFF);
  EXPECT_EQ(T.Box->Font()->Height(), -13);  // drawing leaves the box's font alone
}

}  // namespace

TEST(MMTerm, ReadersHearTheTermInWords) {
  RegisterTermControls();
  QList<QAccessible::Event> Told;
  const TAccessibleObserver Before =
      SetAccessibleObserver([&Told](QAccessible::Event Type, QObject*) { Told.append(Type); });
  TTermBox Input("?");
  Input.Box->OnClick = [](QObject*) {};
  TMMTerm* Shown = new TMMTerm(&Input.Host);
  Shown->SetBounds(0, 65, 100, 30);
  Shown->SetCaption("a*c");
  Told.clear();
  Input.Box->SetCaption("(a+b)^2");
  SetAccessibleObserver(Before);
  EXPECT_TRUE(Told.contains(QAccessible::ValueChanged));

  // A box the pupil fills in is a button with its term as value; one that
  // only shows a term reads it.
  QAccessibleInterface* Box = QAccessible::queryAccessibleInterface(Input.Box);
  EXPECT_EQ(Box->role(), QAccessible::PushButton);
  EXPECT_EQ(Box->text(QAccessible::Name), "Termfeld 1");
  EXPECT_EQ(Box->text(QAccessible::Value), "Klammer auf a plus b Klammer zu hoch 2");
  QAccessibleInterface* Text = QAccessible::queryAccessibleInterface(Shown);
  EXPECT_EQ(Text->role(), QAccessible::StaticText);
  EXPECT_EQ(Text->text(QAccessible::Name), "a mal c");
}
