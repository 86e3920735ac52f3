// The application object: errors escaping event handlers reach the error
// dialog and the program goes on; posted user messages; message dialogs;
// starting outside programs; the main window at start-up.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>
#include <thread>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/ProgramStarter.h"
#include "platform/UserMessage.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"
#include "terms/TermInput.h"
#include "support/ModalGuard.h"
#include "support/TermInputScope.h"

namespace {

// Records every dialog and answers with a fixed result.
struct TRecorder {
  std::vector<TMessageRequest> Requests;
  TModalResult Answer = mrOk;
  TMessagePresenterScope Scope{[this](const TMessageRequest& R) {
    Requests.push_back(R);
    return Answer;
  }};
};

class TThrowingObject : public QObject {
 public:
  int Handled = 0;
  bool event(QEvent* E) override {
    if (E->type() == TUserMessageEvent::UserMessageType) {
      const auto* M = static_cast<TUserMessageEvent*>(E);
      if (M->Code() == 99) throw std::runtime_error("Division durch Null");
      Codes.push_back({M->Code(), M->Param()});
      ++Handled;
      return true;
    }
    return QObject::event(E);
  }
  std::vector<std::pair<int, int>> Codes;
};

}  // namespace

// The test programs' own set-up (tests/support/TestMain.cpp): one
// application object on the offscreen platform, and a dialog, message
// window or term input that no test asked for fails the test that caused it
// and is answered with Cancel instead of waiting for a click.
TEST(Application, TestsRunOffscreenAndFailOnWindowsNobodyAskedFor) {
  ASSERT_NE(qobject_cast<TApplication*>(qApp), nullptr);
  EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(MessageDlg(QStringLiteral("Niemand fragt"), mtWarning, mbYesNo), mrCancel),
                          "unexpected message dialog \"Warnung\": Niemand fragt");
  EXPECT_NONFATAL_FAILURE(ShowMessageWindow(QStringLiteral("Meldung"), QStringLiteral("Hallo")),
                          "unexpected message window \"Meldung\": Hallo");
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(AskForTerm(), std::nullopt), "unexpected term input window");
}

// The term input helper of the page tests is as strict: an answer given but
// never asked for means the window did not open where the test thought, and
// an opening beyond the answers is one the test did not foresee.
TEST(Application, TermInputScopeFailsOnUnusedAnswersAndExtraOpenings) {
  const auto OneOfTwoUsed = [] {
    TTermInputScope Input({QStringLiteral("a+b"), std::nullopt});
    EXPECT_EQ(AskForTerm(), TTermInput(QStringLiteral("a+b")));
  };
  EXPECT_NONFATAL_FAILURE(OneOfTwoUsed(), "1 answer(s) for the term input window were never used");
  const auto OneTooMany = [] {
    TTermInputScope Input({QStringLiteral("x")});
    EXPECT_EQ(AskForTerm(), TTermInput(QStringLiteral("x")));
    EXPECT_EQ(AskForTerm(), std::nullopt);
    EXPECT_EQ(Input.Openings(), 2);
  };
  EXPECT_NONFATAL_FAILURE(OneTooMany(), "opened more often than answers were given");
  // Every answer used: no failure, and the program's own presenter is back.
  {
    TTermInputScope Input({QStringLiteral("2*x")});
    EXPECT_EQ(AskForTerm(), TTermInput(QStringLiteral("2*x")));
  }
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(AskForTerm(), std::nullopt), "unexpected term input window");
}

TEST(Application, ExceptionFromAnEventHandlerReachesTheErrorDialog) {
  TRecorder Rec;
  TThrowingObject Target;
  PostUserMessage(&Target, 99, 0);
  PostUserMessage(&Target, 4, 120);
  QCoreApplication::processEvents();
  ASSERT_EQ(Rec.Requests.size(), 1u);
  EXPECT_EQ(Rec.Requests[0].Text, QStringLiteral("Division durch Null"));
  EXPECT_EQ(Rec.Requests[0].Type, mtError);
  EXPECT_EQ(Rec.Requests[0].Buttons, mbOKOnly);
  EXPECT_EQ(Rec.Requests[0].Caption, ApplicationTitle());
  // The program went on and delivered the next message.
  EXPECT_EQ(Target.Codes, (std::vector<std::pair<int, int>>{{4, 120}}));
}

TEST(Application, ErrorsFromOtherThreadsAreShownOnTheUserInterfaceThread) {
  TRecorder Rec;
  std::thread Worker([] { HandleException(std::runtime_error("aus dem Zeitgeber")); });
  Worker.join();
  EXPECT_TRUE(Rec.Requests.empty());
  QCoreApplication::processEvents();
  ASSERT_EQ(Rec.Requests.size(), 1u);
  EXPECT_EQ(Rec.Requests[0].Text, QStringLiteral("aus dem Zeitgeber"));
}

TEST(Application, AnErrorWhileTheErrorDialogIsOpenDoesNotStackDialogs) {
  int Shown = 0;
  TMessagePresenterScope Scope([&](const TMessageRequest&) {
    ++Shown;
    HandleException(std::runtime_error("noch einer"));
    return mrOk;
  });
  HandleException(std::runtime_error("erster"));
  EXPECT_EQ(Shown, 1);
  HandleException(std::runtime_error("danach wieder"));
  EXPECT_EQ(Shown, 2);
}

TEST(Application, UserMessagesArriveAfterThePosterHasReturned) {
  TThrowingObject Target;
  PostUserMessage(&Target, 4, 810);
  PostUserMessage(&Target, -3, 0);
  PostUserMessage(nullptr, 1, 1);
  EXPECT_EQ(Target.Handled, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(Target.Codes, (std::vector<std::pair<int, int>>{{4, 810}, {-3, 0}}));
  EXPECT_EQ(int(TUserMessageEvent::UserMessageType), 1000);
}

TEST(Dialogs, RequestsCarryGermanCaptionsAndTheChosenButtons) {
  TRecorder Rec;
  Rec.Answer = mrYes;
  EXPECT_EQ(MessageDlg(QStringLiteral("Wirklich?"), mtConfirmation, mbYesNo), mrYes);
  ShowMessage(QStringLiteral("Seite fehlt"));
  EXPECT_EQ(MessageDlg(QStringLiteral("x"), mtWarning, 0), mrYes);
  ASSERT_EQ(Rec.Requests.size(), 3u);
  EXPECT_EQ(Rec.Requests[0].Caption, QStringLiteral("Bestätigen"));
  EXPECT_EQ(Rec.Requests[0].Buttons, ButtonSet({mbYes, mbNo}));
  EXPECT_EQ(Rec.Requests[1].Caption, ApplicationTitle());
  EXPECT_EQ(Rec.Requests[1].Text, QStringLiteral("Seite fehlt"));
  EXPECT_EQ(Rec.Requests[1].Buttons, mbOKOnly);
  EXPECT_EQ(Rec.Requests[2].Caption, QStringLiteral("Warnung"));
  EXPECT_EQ(Rec.Requests[2].Buttons, mbOKOnly);
}

TEST(Dialogs, MessageBoxShowsGermanButtonsAndReportsTheClick) {
  struct Case {
    TMsgDlgButtons Buttons;
    const char* Click;
    TModalResult Expected;
    QStringList Texts;
  } Cases[] = {
      {mbYesNo, "Nein", mrNo, {"Ja", "Nein"}},
      {mbYesNo, "Ja", mrYes, {"Ja", "Nein"}},
      {mbOKOnly, "OK", mrOk, {"OK"}},
      {mbOKCancel, "Abbrechen", mrCancel, {"OK", "Abbrechen"}},
  };
  for (const auto& C : Cases) {
    QStringList Seen;
    TModalGuard Guard;  // an answer that fails below leaves the box open
    QTimer::singleShot(0, [&] {
      auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(Box, nullptr);
      for (QAbstractButton* B : Box->buttons()) Seen << B->text();
      for (QAbstractButton* B : Box->buttons())
        if (B->text() == QLatin1String(C.Click)) B->click();
    });
    EXPECT_EQ(ShowMessageBox({QStringLiteral("Velotra"), QStringLiteral("Frage"), mtConfirmation, C.Buttons}),
              C.Expected);
    Seen.sort();
    QStringList Expected = C.Texts;
    Expected.sort();
    EXPECT_EQ(Seen, Expected);
  }
}

TEST(ProgramStarter, StartsOneProgramAtATimeAndStopsIt) {
  TProgramStarter Starter;
  EXPECT_FALSE(Starter.Running());
  ASSERT_TRUE(Starter.Start(QStringLiteral("sleep"), {QStringLiteral("30")}));
  EXPECT_TRUE(Starter.Running());
  ASSERT_TRUE(Starter.Start(QStringLiteral("sleep"), {QStringLiteral("31")}));  // replaces the first
  EXPECT_TRUE(Starter.Running());
  Starter.Stop();
  EXPECT_FALSE(Starter.Running());
  EXPECT_FALSE(Starter.Start(QStringLiteral("/nonexistent/rechner")));
  EXPECT_FALSE(Starter.Running());
}

TEST(Startup, MainWindowOpensWithItsSizeAndTitle) {
  // Without switches the start-up reports nothing but the start page, whose
  // design this test program does not hold.
  QStringList Dialogs;
  TMessagePresenterScope Recorded([&](const TMessageRequest& Request) {
    Dialogs << Request.Text;
    return mrOk;
  });
  TfmMain Main;
  Main.show();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  // The page overview, made once the window has been painted, cannot read
  // its design here either (the test program has no shell classes); that is
  // all that may come besides.
  ASSERT_FALSE(Dialogs.isEmpty());
  EXPECT_EQ(Dialogs.takeFirst(), "Seite 10 nicht vorhanden.");
  for (const QString& D : Dialogs) EXPECT_TRUE(D.startsWith(":/forms/Pages.frm:")) << D.toStdString();
  EXPECT_TRUE(Main.isVisible());
  EXPECT_EQ(Main.size(), QSize(800, 576));
  EXPECT_EQ(Main.windowTitle(), QStringLiteral("Velotra"));
}
