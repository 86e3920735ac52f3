// The term input window: the preview follows the field, the buttons and keys
// edit it, OK and Cancel end a modal showing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/BitBtn.h"
#include "platform/Edit.h"
#include "platform/PaintBox.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/mm_button.h"
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

TEST(FncInput, EveryShowingStartsEmptyWithThePlaceholder) {
  auto W = NewWindow();
  for (int Showing = 0; Showing < 2; ++Showing) {
    W->show();
    EXPECT_EQ(W->Edit1()->Text(), "");
    ASSERT_TRUE(W->Term().IsExactly<TText>());
    EXPECT_EQ(static_cast<const TText&>(W->Term()).Text(), "\x7f");
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
  // The term's box starts at (4, 8).
  EXPECT_GE(A.left(), 4);
  EXPECT_LE(A.left(), 6);
  EXPECT_GE(A.top(), 8);
  // a^2: right of the base a small 2, raised above the base's line.
  const QRect Base = InkFor(*W, "a^2", 0, A.right());
  const QRect Exponent = InkFor(*W, "a^2", A.right() + 1);
  ASSERT_TRUE(W->Term().IsExactly<TPower>());
  ASSERT_FALSE(Exponent.isEmpty());
  EXPECT_EQ(Base.size(), A.size());
  EXPECT_LT(Exponent.height(), Two.height());
  EXPECT_LT(Exponent.width(), Two.width() + 1);
  EXPECT_LT(Exponent.bottom(), Base.top() + Base.height() / 2);

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
      {"a", 1, 0, 10, "a\a"},         // "C": the control character the scanner skips
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
  EXPECT_EQ(W->Term().ToString(), "a");
  // A real click goes through the same handler.
  W->Edit1()->SetText("a");
  W->Edit1()->SetSelStart(1);
  W->MMButton(7)->Click();
  EXPECT_EQ(W->Edit1()->Text(), "a+");
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

}  // namespace
