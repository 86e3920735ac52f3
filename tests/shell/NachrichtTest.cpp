#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <array>
#include <QKeyEvent>
#include <QSet>
#include <QTimer>
#include <memory>

#include "common/Random.h"
#include "components/ComponentClasses.h"
#include "components/GIFImage.h"
#include "components/MyHtml.h"
#include "components/XShape.h"
#include "platform/ControlAccessible.h"
#include "platform/Graphics.h"
#include "platform/PlatformClasses.h"
#include "platform/StdControls.h"
#include "scene/SceneControls.h"
#include "scene/MMBox.h"
#include "scene/MMBoxRegister.h"
#include "scene/MMButton.h"
#include "scene/MMShapes.h"
#include "shell/MessageProcs.h"
#include "shell/Messages.h"
#include "shell/Nachricht.h"
#include "shell/ShellClasses.h"
#include "support/MessageRecorder.h"
#include "support/ModalGuard.h"

namespace {

class NachrichtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterSceneBoxClasses();
    RegisterShellClasses();
  }
};

TEST_F(NachrichtTest, ProceduresReachThePresenterWithCaptionAndText) {
  TMessageRecorder Seen;
  ShowMessageWindow("Titel", "Text");
  ShowError("kaputt");
  ShowInfo("Hinweis");
  ShowStillWrong();
  ShowFieldError(3);
  ShowLineError(-1);
  ShowFieldError(101);
  const QList<TRecordedMessage> Expected = {
      {"Titel", "Text"},
      {"Fehler", "kaputt"},
      {"Meldung", "Hinweis"},
      {"Meldung", "Da ist noch ein Fehler"},
      {"Fehler", "Das 3. Eingabefeld enthält noch Fehler."},
      {"Fehler", "Die letzte Zeile enthält noch einen Fehler."},
      {"Fehler", ""},
  };
  EXPECT_EQ(Seen.Messages(), Expected);
}

// A tip goes under the text in a line of its own, behind "Tipp: "; a
// message without one shows no such line.
TEST_F(NachrichtTest, TipLineUnderTheText) {
  TMessageRecorder Seen;
  ShowLineError(2, "Für x = 1 ergibt dein Term 3, richtig wäre 2.");
  EXPECT_EQ(Seen.Last(), (TRecordedMessage{"Fehler", "In Zeile 2 stimmt etwas noch nicht.",
                                           "Für x = 1 ergibt dein Term 3, richtig wäre 2."}));
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  Window->SetMessage("Fehler", "In Zeile 2 stimmt etwas noch nicht.", "Für x = 1 ergibt dein Term 3, richtig wäre 2.");
  EXPECT_TRUE(Window->LabelTip()->Visible());
  EXPECT_EQ(Window->LabelTip()->Caption(), "Tipp: Für x = 1 ergibt dein Term 3, richtig wäre 2.");
  EXPECT_GE(Window->LabelTip()->Top(), Window->MiniHTML1()->Top() + Window->MiniHTML1()->Height());
  Window->SetMessage("Fehler", "Da ist noch ein Fehler");
  EXPECT_FALSE(Window->LabelTip()->Visible());
}

TEST_F(NachrichtTest, RecordersNestAndRestoreThePresenterBefore) {
  TMessageRecorder Outer;
  {
    TMessageRecorder Inner;
    ShowInfo("innen");
    EXPECT_EQ(Inner.Count(), 1);
  }
  ShowInfo("außen");
  ASSERT_EQ(Outer.Count(), 1);
  EXPECT_EQ(Outer.LastText(), "außen");
}

TEST_F(NachrichtTest, PraiseIsEveryTextOfTheListAndNothingElse) {
  TMessageRecorder Seen;
  RandomSeed(7);
  QSet<QString> Texts;
  for (int i = 0; i < 400; ++i) {
    ShowPraise();
    EXPECT_EQ(Seen.LastCaption(), "Meldung");
    Texts.insert(Seen.LastText());
  }
  QSet<QString> All;
  for (const char* Text : PraiseTexts) All.insert(QString::fromUtf8(Text));
  EXPECT_EQ(Texts, All);
}

TEST_F(NachrichtTest, DesignHasGradientTextAndFigure) {
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  EXPECT_EQ(Window->ClientWidth(), 472);
  EXPECT_EQ(Window->ClientHeight(), 221);
  auto* Back = Window->Component<TXShape>("XShape1");
  EXPECT_EQ(Back->Shape(), TShapeForm::sfHLinear);
  EXPECT_EQ(Back->Brush()->Color(), 11075029);
  EXPECT_EQ(Back->Color2(), 11461375);
  EXPECT_EQ(Back->geometry(), QRect(0, 0, 472, 221));
  EXPECT_EQ(Window->MiniHTML1()->geometry(), QRect(136, 40, 281, 101));
  EXPECT_EQ(Window->MiniHTML1()->Font()->Height(), -15);
  EXPECT_EQ(Window->GIFImage6()->geometry(), QRect(8, 100, 57, 69));
  EXPECT_FALSE(Window->GIFImage6()->Animate());
  EXPECT_EQ(Window->GIFImage6()->FrameCount(), 8);
  EXPECT_EQ(Window->MMButton1()->geometry(), QRect(188, 184, 100, 30));
  EXPECT_EQ(Window->MMButton1()->Caption(), "OK");
}

// The speech bubble: a tip pointing at the figure and an ellipse around the
// text, drawn below the text.
TEST_F(NachrichtTest, SpeechBubbleLiesBehindTheText) {
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  TMMBox* Box = Window->MMBox1();
  EXPECT_EQ(Box->geometry(), QRect(56, -8, 393, 185));
  EXPECT_TRUE(Box->Transparent());
  ASSERT_EQ(Box->MMPoints()->Count(), 7);
  EXPECT_EQ(Box->MMPoints()->Items(4)->AbsolutePosition(), (TPoint{45, 96}));
  EXPECT_EQ(Box->MMPoints()->Items(6)->AbsolutePosition(), (TPoint{385, 176}));
  auto* Tip = qobject_cast<TSTriangle*>(Box->MMObjects()->FindByName("Blase1")->ShapeData());
  ASSERT_NE(Tip, nullptr);
  EXPECT_EQ((std::array{Tip->P1(), Tip->P2(), Tip->P3()}), (std::array{2, 3, 4}));
  EXPECT_FALSE(Tip->Sensible());
  EXPECT_FALSE(Tip->Movable());
  EXPECT_EQ(Tip->Pen()->Style(), psClear);
  auto* Bubble = qobject_cast<TSEllipse*>(Box->MMObjects()->FindByName("Blase2")->ShapeData());
  ASSERT_NE(Bubble, nullptr);
  EXPECT_EQ((std::array{Bubble->P1(), Bubble->P2()}), (std::array{5, 6}));
  EXPECT_EQ(Bubble->Pen()->Style(), psClear);
  const QObjectList& Layers = Window->children();
  EXPECT_LT(Layers.indexOf(Box), Layers.indexOf(Window->MiniHTML1()));
  // Inside the bubble the gradient is tinted; outside it is not.
  const QImage Shown = Window->grab().toImage();
  const QImage Plain = Window->Component<TXShape>("XShape1")->grab().toImage();
  EXPECT_NE(Shown.pixel(270, 20), Plain.pixel(270, 20));
  EXPECT_EQ(Shown.pixel(460, 10), Plain.pixel(460, 10));
}

TEST_F(NachrichtTest, LengthAndRoomSetTheTextFont) {
  struct {
    QString Text;
    int Height;  // 0: the design's font
    int Size;    // 0: not checked
    bool EmptyFirstLine;
  } const Cases[] = {
      {QString(80, QLatin1Char('x')), -24, 0, true},
      {QString(81, QLatin1Char('x')), -15, 0, true},
      {QString(161, QLatin1Char('x')), 0, 10, false},
      {QStringLiteral("Bravo, weiter so."), -24, 0, true},
      // Four lines in the large font: more than the text area holds.
      {QString::fromUtf8(FieldErrorMessage(-1).Text.c_str()), -15, 0, true},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Text.toStdString());
    std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
    const QString& Text = C.Text;
    Window->SetMessage("Meldung", Text);
    EXPECT_EQ(Window->Caption(), "Meldung");
    EXPECT_EQ(Window->windowTitle(), "Meldung");
    EXPECT_EQ(Window->MiniHTML1()->Lines(), QStringList{C.EmptyFirstLine ? " <BR> " + Text : Text});
    if (C.Height) {
      EXPECT_EQ(Window->MiniHTML1()->Font()->Height(), C.Height);
    }
    if (C.Size) {
      EXPECT_EQ(Window->MiniHTML1()->Font()->Size(), C.Size);
    }
  }
}

// The real window: opens modally, the figure moves while it is open, Enter
// closes it and the procedure returns.
TEST_F(NachrichtTest, WindowOpensAndEnterClosesIt) {
  TMessageWindowPresenter Previous = SetMessageWindowPresenter({});
  bool SawWindow = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* Widget : QApplication::topLevelWidgets()) {
      auto* Window = qobject_cast<TfmNachricht*>(Widget);
      if (!Window || !Window->isVisible()) continue;
      SawWindow = true;
      EXPECT_TRUE(Window->Showing());
      EXPECT_EQ(Window->windowTitle(), "Fehler");
      EXPECT_EQ(Window->MiniHTML1()->Lines(), QStringList{" <BR> In Zeile 3 stimmt etwas noch nicht."});
      EXPECT_TRUE(Window->GIFImage6()->Animate());
      QKeyEvent Enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(Window, &Enter);
    }
  });
  TModalGuard Guard;  // a window that ignores Enter fails instead of hanging
  ShowLineError(3);
  SetMessageWindowPresenter(std::move(Previous));
  EXPECT_TRUE(SawWindow);
  for (QWidget* Widget : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<TfmNachricht*>(Widget), nullptr) << "the window is freed after closing";
}

TEST_F(NachrichtTest, ShowModalReturnsOkOnEnterAndStopsTheFigure) {
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  Window->SetMessage("Meldung", "Hallo");
  TModalGuard Guard;
  QTimer::singleShot(0, [&] {
    QKeyEvent Enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::sendEvent(Window.get(), &Enter);
  });
  EXPECT_EQ(Window->ShowModal(), mrOk);
  EXPECT_FALSE(Window->Showing());
  EXPECT_FALSE(Window->isVisible());
  EXPECT_FALSE(Window->GIFImage6()->Animate());
}

TEST_F(NachrichtTest, EscapeClosesTheWindow) {
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  Window->SetMessage("Meldung", "Hallo");
  TModalGuard Guard;
  QTimer::singleShot(0, [&] {
    QKeyEvent Escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Window->MMButton1(), &Escape);  // the key reaches the button first
  });
  EXPECT_EQ(Window->ShowModal(), mrCancel);
  EXPECT_FALSE(Window->isVisible());
  EXPECT_FALSE(Guard.Fired());
}

TEST_F(NachrichtTest, OkButtonClosesWithOk) {
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  Window->SetMessage("Meldung", "Hallo");
  TModalGuard Guard;
  QTimer::singleShot(0, [&] { Window->MMButton1()->Click(); });
  EXPECT_EQ(Window->ShowModal(), mrOk);
  EXPECT_FALSE(Window->isVisible());
}

}  // namespace

TEST_F(NachrichtTest, ReadersHearAnAlertWithTheWholeMessage) {
  QList<QPair<QAccessible::Event, QObject*>> Told;
  const TAccessibleObserver Before =
      SetAccessibleObserver([&Told](QAccessible::Event Type, QObject* Object) { Told.append({Type, Object}); });
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  Window->SetMessage("Fehler", "Das 3. <B>Eingabefeld</B> enthält noch Fehler.", "Für a = 2 gilt das nicht.");
  Window->show();
  SetAccessibleObserver(Before);
  EXPECT_TRUE(Told.contains(qMakePair(QAccessible::Alert, static_cast<QObject*>(Window.get()))));
  QAccessibleInterface* Alert = QAccessible::queryAccessibleInterface(Window.get());
  EXPECT_EQ(Alert->role(), QAccessible::AlertMessage);
  EXPECT_EQ(Alert->text(QAccessible::Name), "Fehler");
  EXPECT_EQ(Alert->text(QAccessible::Description),
            "Das 3. Eingabefeld enthält noch Fehler. Tipp: Für a = 2 gilt das nicht.");
  EXPECT_EQ(Window->focusWidget(), Window->MMButton1());
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(Window->MMButton1())->state().defaultButton);
}
