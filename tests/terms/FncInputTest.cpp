// The term input window: the preview follows the field, the buttons and keys
// edit it, OK and Cancel end a modal showing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "platform/BitBtn.h"
#include "platform/Edit.h"
#include "platform/PaintBox.h"
#include "platform/StdControls.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/MMButton.h"
#include "support/ModalGuard.h"
#include "terms/FncInput.h"
#include "terms/TermControls.h"

namespace {

std::unique_ptr<TfmFncInput> NewWindow() {
  RegisterPlatformClasses();
  RegisterSceneControls();
  RegisterTermControls();
  return CreateForm<TfmFncInput>();
}

void PressKey(QWidget* Target, int Key, const QString& Text = {}) {
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
  QCoreApplication::sendEvent(Target, &Press);
}

// The preview's pixels that are not its background, in columns From..To.
QRect InkFor(TfmFncInput& W, const QString& Text, int From = 0, int To = 10000) {
  W.Edit1()->SetText(Text);
  const QImage I = W.PaintBox1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb Background = I.pixel(0, 0);
  QRect Ink;
  for (int Y = 0; Y < I.height(); ++Y)
    for (int X = From; X < std::min(To + 1, I.width()); ++X)
      if (I.pixel(X, Y) != Background) Ink |= QRect(X, Y, 1, 1);
  return Ink;
}

TEST(FncInput, EveryShowingStartsEmptyWithAQuestionMark) {
  auto W = NewWindow();
  for (int Showing = 0; Showing < 2; ++Showing) {
    W->show();
    EXPECT_EQ(W->Edit1()->Text(), "");
    ASSERT_TRUE(W->Term().IsExactly<TText>());
    EXPECT_EQ(static_cast<const TText&>(W->Term()).Text(), "?");
    EXPECT_EQ(W->focusWidget(), W->Edit1()->LineEdit());
    W->Edit1()->SetText("(a+b)^2");
    EXPECT_EQ(W->Term().ToString(), "(a + b)^2");
    W->hide();
  }
}

TEST(FncInput, PreviewShowsTheTypedTermAtOnce) {
  auto W = NewWindow();
  W->show();
  const QRect A = InkFor(*W, "a");
  const QRect Two = InkFor(*W, "2");
  // The term starts at the left and stands in the middle of the preview.
  EXPECT_GE(A.left(), 4);
  EXPECT_LE(A.left(), 6);
  const QRect Brackets = InkFor(*W, "(a+b)");  // the bracket lines span the term's box
  EXPECT_NEAR(Brackets.top(), W->PaintBox1()->height() - 1 - Brackets.bottom(), 2);
  // a^2: a small 2 raised and tight right of the base a. Over the base's
  // columns but its last there is no ink of the exponent, and the exponent
  // starts at most three pixels (one of gap, antialiasing) after the base.
  const QRect Base = InkFor(*W, "a^2", 0, A.right() - 1);
  const QRect Exponent = InkFor(*W, "a^2", A.right() + 1);
  ASSERT_TRUE(W->Term().IsExactly<TPower>());
  ASSERT_FALSE(Exponent.isEmpty());
  EXPECT_NEAR(Base.height(), A.height(), 1);
  EXPECT_LE(Exponent.left(), A.right() + 3);
  EXPECT_LT(Exponent.height(), Two.height());
  EXPECT_LT(Exponent.bottom(), Base.bottom() - 2);  // its line raised above the base's

  // An unmatched bracket is no term: the preview shows "?".
  const QRect Question = InkFor(*W, "?");
  EXPECT_EQ(InkFor(*W, "(a+"), Question);
  EXPECT_EQ(W->Term().ToString(), "?");
}

TEST(FncInput, ButtonsReplaceTheSelection) {
  struct TCase {
    const char* Text;
    int SelStart, SelLength, Button;
    const char* Expected;
  };
  const TCase Cases[] = {
      {"ab", 1, 0, 3, "a^b"},         // power sign at the cursor
      {"a+b", 0, 3, 1, "("},          // the whole text selected
      {"2x", 1, 1, 5, "2*"},          // "·" puts "*"
      {"a", 1, 0, 4, "a:"},
      {"a+b", 1, 0, 10, ""},          // "C" clears the field
      {"a+b", 0, 1, 10, ""},
  };
  auto W = NewWindow();
  W->show();
  for (const TCase& C : Cases) {
    W->Edit1()->SetText(C.Text);
    W->Edit1()->SetSelStart(C.SelStart);
    W->Edit1()->SetSelLength(C.SelLength);
    W->MMButton1Click(W->MMButton(C.Button));
    EXPECT_EQ(W->Edit1()->Text(), C.Expected) << C.Text << " / button " << C.Button;
  }
  EXPECT_EQ(W->Term().ToString(), "?");
  // A real click goes through the same handler.
  W->Edit1()->SetText("a");
  W->Edit1()->SetSelStart(1);
  W->MMButton(7)->Click();
  EXPECT_EQ(W->Edit1()->Text(), "a+");
}

TEST(FncInput, LongTermsShrinkAndStayInTheirWholeWidthInView) {
  auto W = NewWindow();
  W->show();
  const int PreviewWidth = W->PaintBox1()->width();
  // A term that fits at the usual size is drawn at it.
  const QRect Short = InkFor(*W, "a+b");
  std::string Sum = "a";
  for (int I = 10; I < 19; ++I) Sum += "+" + std::to_string(I) + "b";
  const QRect Long = InkFor(*W, QString::fromStdString(Sum));
  ASSERT_TRUE(W->Term().IsExactly<TSum>());
  EXPECT_GE(Long.left(), 4);
  EXPECT_LE(Long.right(), PreviewWidth - 4);
  EXPECT_LT(Long.height(), Short.height() + 1);  // drawn smaller
  // Beyond the smallest size the right end, where the pupil types, stays in view.
  for (int I = 0; I < 40; ++I) Sum += "+" + std::to_string(I) + "b";
  const QRect Longer = InkFor(*W, QString::fromStdString(Sum));
  EXPECT_LE(Longer.right(), PreviewWidth - 4);
  EXPECT_GE(Longer.right(), PreviewWidth - 12);
}

TEST(FncInput, OpensBesideTheBoxNeverOverItAndOnTheScreen) {
  const QRect Screen(0, 0, 1024, 768);
  const QSize Window(423, 276);
  struct TCase {
    const char* Where;
    QRect Box;
    const char* Side;
  };
  const TCase Cases[] = {
      {"top left", {10, 10, 120, 30}, "below"},
      {"top right", {900, 10, 120, 30}, "below"},
      {"middle", {450, 300, 200, 40}, "below"},
      {"bottom left", {10, 720, 120, 30}, "above"},
      {"bottom right", {890, 730, 130, 30}, "above"},
      {"tall on the left", {20, 100, 100, 600}, "right"},
      {"tall on the right", {850, 100, 150, 600}, "left"},
  };
  for (const TCase& C : Cases) {
    const QRect Placed(PlaceBesideBox(C.Box, Window, Screen), Window);
    EXPECT_TRUE(Screen.contains(Placed)) << C.Where;
    EXPECT_FALSE(Placed.intersects(C.Box)) << C.Where;
    const std::string Side = Placed.top() > C.Box.bottom()   ? "below"
                             : Placed.bottom() < C.Box.top() ? "above"
                             : Placed.left() > C.Box.right() ? "right"
                                                             : "left";
    EXPECT_EQ(Side, C.Side) << C.Where;
    // Close to the box, not anywhere on the screen.
    const int Distance = Side == "below"   ? Placed.top() - C.Box.bottom()
                         : Side == "above" ? C.Box.top() - Placed.bottom()
                         : Side == "right" ? Placed.left() - C.Box.right()
                                           : C.Box.left() - Placed.right();
    EXPECT_LE(Distance, 8) << C.Where;
  }
  // A box that leaves no side free: on the screen, covering as little as it can.
  const QRect Huge(50, 50, 900, 650);
  const QRect Placed(PlaceBesideBox(Huge, Window, Screen), Window);
  EXPECT_TRUE(Screen.contains(Placed));
  EXPECT_FALSE(Placed.contains(Huge.topLeft() + QPoint(4, 4)));  // where the term starts
  const QRect Covered = Placed.intersected(Huge);
  EXPECT_LT(Covered.width() * Covered.height(), Window.width() * Window.height() * 2 / 3);
}

TEST(FncInput, ShowsBesideTheClickedBox) {
  auto W = NewWindow();
  QWidget Page;
  Page.setGeometry(0, 0, 800, 576);
  QWidget Box(&Page);
  Box.setGeometry(300, 500, 200, 40);  // near the bottom of the page
  Page.show();
  QRect Seen;
  QTimer::singleShot(0, W.get(), [&] {
    Seen = W->frameGeometry();
    W->BitBtn2()->Button()->click();
  });
  EXPECT_EQ(W->Execute(&Box), std::nullopt);
  const QRect BoxOnScreen(Box.mapToGlobal(QPoint(0, 0)), Box.size());
  EXPECT_FALSE(Seen.intersects(BoxOnScreen)) << Seen.x() << "," << Seen.y();
  EXPECT_TRUE(W->screen()->availableGeometry().contains(Seen));
}

TEST(FncInput, DeleteClearsTheFieldOtherKeysType) {
  auto W = NewWindow();
  W->show();
  QLineEdit* Field = W->Edit1()->LineEdit();
  W->Edit1()->SetText("a+b");
  Field->setCursorPosition(1);
  PressKey(Field, Qt::Key_X, "x");
  EXPECT_EQ(W->Edit1()->Text(), "ax+b");
  PressKey(Field, Qt::Key_Delete);
  EXPECT_EQ(W->Edit1()->Text(), "");
  // Also while a button has the focus.
  W->Edit1()->SetText("a");
  W->BitBtn2()->SetFocus();
  PressKey(W->focusWidget(), Qt::Key_Delete);
  EXPECT_EQ(W->Edit1()->Text(), "");
}

TEST(FncInput, EnterIsOkEscapeAndCancelAreCancel) {
  struct TCase {
    const char* Name;
    std::function<void(TfmFncInput&)> Act;
    TTermInput Expected;
  };
  const TCase Cases[] = {
      {"Enter", [](TfmFncInput& W) { PressKey(W.Edit1()->LineEdit(), Qt::Key_Return); }, QString("2x+3")},
      {"OK", [](TfmFncInput& W) { W.BitBtn1()->Button()->click(); }, QString("2x+3")},
      {"Escape", [](TfmFncInput& W) { PressKey(W.Edit1()->LineEdit(), Qt::Key_Escape); }, std::nullopt},
      {"Cancel", [](TfmFncInput& W) { W.BitBtn2()->Button()->click(); }, std::nullopt},
      {"closed", [](TfmFncInput& W) { W.close(); }, std::nullopt},
  };
  auto W = NewWindow();
  EXPECT_EQ(TfmFncInput::Instance(), W.get());
  for (const TCase& C : Cases) {
    TModalGuard Guard;
    QTimer::singleShot(0, W.get(), [&] {
      W->Edit1()->SetSelText("2x+3");
      C.Act(*W);
    });
    EXPECT_EQ(W->Execute(), C.Expected) << C.Name;
    EXPECT_FALSE(W->isVisible()) << C.Name;
  }
}

// OK on a text that is no term keeps the window open with the text and a
// line that says why; the field starts with the box's term, ready to edit.
TEST(FncInput, OkRefusesAnUnreadableTermAndKeepsItsText) {
  auto W = NewWindow();
  struct TCase {
    const char* Typed;
    const char* Problem;
  };
  for (const TCase& C : {TCase{"((", "Hier fehlt eine Klammer."}, TCase{"2(x^4-y^4", "Hier fehlt eine Klammer."},
                         TCase{"a//b", "Dieser Term ist nicht lesbar."}}) {
    TModalGuard Guard;
    bool StayedOpen = false;
    QTimer::singleShot(0, W.get(), [&] {
      W->Edit1()->SetText(C.Typed);
      W->BitBtn1()->Button()->click();
      StayedOpen = W->isVisible() && W->Edit1()->Text() == C.Typed && W->LabelProblem()->isVisible() &&
                   W->LabelProblem()->Caption() == C.Problem;
      W->Edit1()->SetSelText("x");  // typing on hides the line
      EXPECT_FALSE(W->LabelProblem()->isVisible());
      PressKey(W->Edit1()->LineEdit(), Qt::Key_Escape);
    });
    EXPECT_EQ(W->Execute(nullptr, "2x"), std::nullopt) << C.Typed;
    EXPECT_TRUE(StayedOpen) << C.Typed;
  }
  for (const char* Deliberate : {"", "?"}) {
    TModalGuard Guard;
    QTimer::singleShot(0, W.get(), [&] {
      EXPECT_EQ(W->Edit1()->Text(), "2(a+b)");
      EXPECT_EQ(W->Edit1()->LineEdit()->cursorPosition(), 6);
      W->Edit1()->SetText(Deliberate);
      W->BitBtn1()->Button()->click();
    });
    EXPECT_EQ(W->Execute(nullptr, "2(a+b)"), QString(Deliberate));
  }
}

}  // namespace
