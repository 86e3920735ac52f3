// The timed term game pages played through their controls, offscreen: the
// pupil's answers come through the answer box's term entry (the input
// window answered by a scope), the check button and the timer are driven
// by calling their handlers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <string>

#include "common/Random.h"
#include "components/ComponentClasses.h"
#include "pages/PageClasses.h"
#include "pages/binomische/BIU0.h"
#include "pages/binomische/BIU1.h"
#include "pages/faktorisieren/FAU0.h"
#include "pages/faktorisieren/FAU1.h"
#include "pages/faktorisieren/FAU2.h"
#include "platform/Dialogs.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "support/MessageRecorder.h"
#include "support/TermInputScope.h"
#include "terms/TermControls.h"

namespace {

class GamePagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterTermControls();
    RegisterPageClasses();
  }
};

template <class T>
std::unique_ptr<T> NewPage(unsigned Seed = 7) {
  RandomSeed(Seed);
  return CreateForm<T>();
}

std::string Num(int N) { return std::to_string(N); }
std::string Letter(char C) { return std::string(1, C); }

// The expanded sum of a binomial task.
std::string Expanded(const TBinomialTask& T) {
  const std::string X2 = Num(T.A * T.A) + "*" + Letter(T.X) + "^2";
  const std::string Y2 = Num(T.B * T.B) + "*" + Letter(T.Y) + "^2";
  const std::string XY = Num(2 * T.A * T.B) + "*" + Letter(T.X) + "*" + Letter(T.Y);
  switch (T.Kind) {
    case 0:
      return X2 + "+" + XY + "+" + Y2;
    case 1:
      return X2 + "-" + XY + "+" + Y2;
    default:
      return X2 + "-" + Y2;
  }
}

// The factored form of a binomial factoring task (or "?").
std::string Factored(const TBinomialFactorTask& T) {
  auto Bracket = [&](char Op) { return "(" + Num(T.p) + "*" + Letter(T.X) + Op + Num(T.q) + "*" + Letter(T.Y) + ")"; };
  if (!T.Factorable()) return "?";
  return T.Kind == 1 ? Bracket('+') + "*" + Bracket('-') : Bracket(T.Kind == 2 ? '-' : '+') + "^2";
}

// Types Text into the term input window of the answer box.
void Enter(TfmGameFrame& Page, const std::string& Text) {
  TTermInputScope Input({QString::fromStdString(Text)});
  Page.MMTerm1Click(Page.MMTerm2);
  EXPECT_EQ(Input.Openings(), 1);
}

// Enters Text and presses the check button.
void Answer(TfmGameFrame& Page, const std::string& Text) {
  Enter(Page, Text);
  Page.PCVGlassButton1Click(Page.PCVGlassButton1);
}

const TRecordedMessage Praised{"Meldung", ""};  // the praise text is the window's pick
const TRecordedMessage NotEquivalent{"Fehler", "Die Terme sind wohl nicht äquivalent!"};

// An answer and the message it gets (praise texts compared by caption only).
struct TPress {
  std::string Answer;
  TRecordedMessage Seen;
};

void ExpectPresses(TfmGameFrame& Page, const std::vector<TPress>& Presses) {
  for (const TPress& P : Presses) {
    TMessageRecorder Seen;
    const QString TaskBefore = Page.MMTerm1->Caption();
    const int SolvedBefore = Page.Game().Solved();
    Enter(Page, P.Answer);
    const QString Entered = Page.MMTerm2->Caption();
    Page.PCVGlassButton1Click(Page.PCVGlassButton1);
    ASSERT_EQ(Seen.Count(), 1) << P.Answer;
    const bool Praise = P.Seen == Praised;
    EXPECT_EQ(Seen.LastCaption(), P.Seen.Caption) << P.Answer << ": " << Seen.LastText().toStdString();
    if (!Praise) {
      EXPECT_EQ(Seen.LastText(), P.Seen.Text) << P.Answer;
    }
    EXPECT_EQ(Page.Game().Solved(), SolvedBefore + (Praise ? 1 : 0)) << P.Answer;
    // A wrong answer stays for correction; a solved task makes room for the next.
    EXPECT_EQ(Page.MMTerm2->Caption(), Praise ? "?" : Entered) << P.Answer;
    EXPECT_EQ(Page.MMTerm1->Caption() == TaskBefore, !Praise) << P.Answer;
    EXPECT_EQ(Page.MMTerm1->Caption().toStdString(), Page.Game().TaskCaption());
    EXPECT_EQ(Page.PCVGlass1->Width(), (Page.Game().Solved() + 1) * 30);
  }
}

}  // namespace

TEST_F(GamePagesTest, DesignsOfTheFivePages) {
  struct TRow {
    std::function<std::unique_ptr<TfmGameFrame>()> Make;
    TColor PanelColor;
    QStringList Introduction;
  };
  const TRow Rows[] = {
      {[] { return NewPage<TfmBIU0>(); }, 14676718, {"Hier kannst du mit einfachen binomischen Formeln anfangen."}},
      {[] { return NewPage<TfmBIU1>(); }, 16765650, {"Jetzt werden die Formeln schon ein wenig schwerer..."}},
      {[] { return NewPage<TfmFAU0>(); }, 13168895, {"Diese Seite dient dazu, das einfache Ausklammern zu üben."}},
      {[] { return NewPage<TfmFAU1>(); },
       14474495,
       {"Diese Seite dient dazu, mit den binomischen Formeln zu faktorisieren. <br>",
        "Vorsicht! Unter Umständen lässt es sich nicht mit einer binomischen Formel ",
        "faktorisieren. Gib dann einfach „?“ ein."}},
      {[] { return NewPage<TfmFAU2>(); },
       14474495,
       {"Faktorisiere mit den binomischen Formeln. Steckt in allen Gliedern eine ",
        "gemeinsame Zahl, klammere sie zuerst aus! <br>",
        "Vorsicht! Unter Umständen lässt es sich nicht mit einer binomischen Formel ",
        "faktorisieren. Gib dann einfach „?“ ein."}},
  };
  for (const TRow& Row : Rows) {
    std::unique_ptr<TfmGameFrame> Page = Row.Make();
    SCOPED_TRACE(Page->metaObject()->className());
    EXPECT_EQ(Page->PCPanel1->Color(), Row.PanelColor);
    EXPECT_EQ(Page->MiniHTML1->Lines(), Row.Introduction);
    EXPECT_EQ(Page->MMTerm1->Caption().toStdString(), Page->Game().TaskCaption());
    EXPECT_EQ(Page->MMTerm2->Caption(), "?");
    EXPECT_EQ(Page->PCVGlass1->Width(), 30);
    EXPECT_EQ(Page->Label2->Caption(), "0");
    EXPECT_TRUE(Page->Timer1->Running());
    // Only the answer box takes a term.
    Page->MMTerm1->Click();
    TTermInputScope Input({"(a+b)^2"});
    Page->MMTerm2->Click();
    EXPECT_EQ(Input.Openings(), 1);
    EXPECT_EQ(Page->MMTerm2->Caption(), TermTextOf("(a+b)^2"));
  }
}

TEST_F(GamePagesTest, BinomialTasksOfEachKind) {
  std::unique_ptr<TfmBIU0> Page = NewPage<TfmBIU0>();
  const std::pair<TBinomialTask, const char*> Tasks[] = {
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)^2"},
      {{1, 5, 2, 'x', 'y'}, "(5*x-2*y)^2"},
      {{2, 12, 13, 'p', 'q'}, "(12*p+13*q)*(12*p-13*q)"},
  };
  for (const auto& [Task, Caption] : Tasks) {
    Page->Game().SetTask(Task);
    Page->ShowTask();
    EXPECT_EQ(Page->MMTerm1->Caption(), Caption);
    ExpectPresses(*Page, {{"(3*a+4*b)*(3*a+4*b)", {"Fehler", "Der Term ist keine Summe!"}},
                          {"?", {"Fehler", "Der Term ist keine Summe!"}},
                          {Expanded(Task) + "+1", NotEquivalent},
                          {Expanded(Task), Praised}});
  }
}

TEST_F(GamePagesTest, AnswersWrittenAsInTheExerciseBook) {
  std::unique_ptr<TfmBIU1> Binomial = NewPage<TfmBIU1>();
  Binomial->Game().SetTask({1, 2, 7, 'i', 'l'});
  Binomial->ShowTask();
  EXPECT_EQ(Binomial->MMTerm1->Caption(), "(2*i-7*l)^2");
  ExpectPresses(*Binomial, {{"4i^2-28il+49l^2+1", NotEquivalent}, {"4i^2-28il+49l^2", Praised}});
  Binomial->Game().SetTask({0, 3, 4, 'e', 'f'});
  Binomial->ShowTask();
  ExpectPresses(*Binomial, {{"9e\xC2\xB2+24ef+16f\xC2\xB2", Praised}});

  std::unique_ptr<TfmFAU0> Common = NewPage<TfmFAU0>();
  Common->Game().SetTask({12, 2, 3, 'a', true, true});  // 24*a*c-36*b*c
  Common->ShowTask();
  ExpectPresses(*Common, {{"12c(2a-3b)", Praised}});

  std::unique_ptr<TfmFAU1> Factoring = NewPage<TfmFAU1>();
  Factoring->Game().SetTask({3, 2, 3, 'e', 'f'});
  Factoring->ShowTask();
  ExpectPresses(*Factoring, {{"(2e+3f)(2e-3f)", NotEquivalent}, {"(2e+3f)\xC2\xB2", Praised}});
}

TEST_F(GamePagesTest, FactoringAnswers) {
  std::unique_ptr<TfmFAU0> Common = NewPage<TfmFAU0>();
  Common->Game().SetTask({12, 2, 3, 'a', false, false});  // 24*a+36*b
  Common->ShowTask();
  EXPECT_EQ(Common->MMTerm1->Caption(), "24*a+36*b");
  ExpectPresses(*Common, {{"6*(4*a+6*b)", {"Fehler", "Fehler beim Ausklammern: 6 steht da, 12 erwartet!"}},
                          {"12*a*(2+3*b/a)", {"Fehler", "Fehler beim Ausklammern: die falsche Variable"}},
                          {"24*a+36*b", {"Fehler", "Der Term ist kein Produkt!"}},
                          {"12*(2*a+3*b)", Praised}});

  std::unique_ptr<TfmFAU1> Binomial = NewPage<TfmFAU1>();
  for (const int Kind : {4, 3}) {
    Binomial->Game().SetTask({Kind, 2, 3, 'a', 'b'});
    Binomial->ShowTask();
    if (Kind == 4) {
      EXPECT_EQ(Binomial->MMTerm1->Caption(), "4*a^2+6*a*b+9*b^2");
      ExpectPresses(*Binomial, {{"(2*a+3*b)^2", {"Meldung", "Ist das eine binomische Formel?"}}, {"?", Praised}});
    } else {
      EXPECT_EQ(Binomial->MMTerm1->Caption(), "4*a^2+12*a*b+9*b^2");
      ExpectPresses(*Binomial, {{"?", {"Fehler", "Ist das nicht eine binomische Formel?"}},
                                {"a", {"Fehler", "Der eingegebene Term ist kein Produkt!"}},
                                {"(2*a+3*b)*(2*a+3*b)", Praised}});
    }
  }
}

TEST_F(GamePagesTest, TenTasksThenTheResultAtOnceAndANewRound) {
  struct TRow {
    std::function<std::unique_ptr<TfmGameFrame>()> Make;
    std::function<std::string(TfmGameFrame&)> Solution;
  };
  const TRow Rows[] = {
      {[] { return NewPage<TfmBIU1>(3); },
       [](TfmGameFrame& P) { return Expanded(static_cast<TfmBIU1&>(P).Game().Task()); }},
      {[] { return NewPage<TfmFAU1>(5); },
       [](TfmGameFrame& P) { return Factored(static_cast<TfmFAU1&>(P).Game().Task()); }},
  };
  for (const TRow& Row : Rows) {
    std::unique_ptr<TfmGameFrame> Page = Row.Make();
    SCOPED_TRACE(Page->metaObject()->className());
    Page->Timer1->SetInterval(24 * 3600 * 1000);  // the test's own ticks only
    TMessageRecorder Seen;
    for (int Solved = 0; Solved < 9; ++Solved) {
      Page->Timer1->Tick();
      Answer(*Page, Row.Solution(*Page));
      ASSERT_EQ(Seen.Count(), Solved + 1);
      ASSERT_EQ(Page->Game().Solved(), Solved + 1) << Seen.LastText().toStdString();
      ASSERT_EQ(Seen.LastCaption(), "Meldung");
      EXPECT_FALSE(Page->PCVGlassButton2->Visible());
    }
    Page->Timer1->Tick();
    // The tenth solved task shows the result at once and offers a new round.
    const QString Tenth = Page->MMTerm1->Caption();
    Answer(*Page, Row.Solution(*Page));
    const TRecordedMessage Closing{"Meldung", "Du hast das Spiel in 10 Sekunden beendet!"};
    EXPECT_EQ(Seen.Count(), 10);
    EXPECT_EQ(Seen.Last(), Closing);
    EXPECT_EQ(Page->Game().Solved(), 10);
    EXPECT_EQ(Page->PCVGlass1->Width(), 330);
    EXPECT_EQ(Page->MMTerm1->Caption(), Tenth);
    EXPECT_FALSE(Page->Timer1->Running());
    EXPECT_TRUE(Page->PCVGlassButton2->Visible());
    Answer(*Page, "?");
    EXPECT_EQ(Seen.Last(), Closing);
    EXPECT_EQ(Page->Label2->Caption(), "10");

    Page->PCVGlassButton2Click(Page->PCVGlassButton2);
    EXPECT_EQ(Page->Game().Solved(), 0);
    EXPECT_EQ(Page->PCVGlass1->Width(), 30);
    EXPECT_EQ(Page->Label2->Caption(), "0");
    EXPECT_EQ(Page->MMTerm2->Caption(), "?");
    EXPECT_EQ(Page->MMTerm1->Caption().toStdString(), Page->Game().TaskCaption());
    EXPECT_TRUE(Page->Timer1->Running());
    EXPECT_FALSE(Page->PCVGlassButton2->Visible());
    Page->Timer1->Tick();
    EXPECT_EQ(Page->Label2->Caption(), "1");
  }
}

// Where "?" is an answer (not factorisable), an untouched box is none.
TEST_F(GamePagesTest, UntouchedBoxIsNoAnswerWhereQuestionMarkIsOne) {
  std::unique_ptr<TfmFAU1> Page = NewPage<TfmFAU1>();
  TMessageRecorder Seen;
  Page->PCVGlassButton1Click(Page->PCVGlassButton1);
  EXPECT_EQ(Seen.Last(), (TRecordedMessage{"Meldung", "Gib zuerst deine Antwort ein."}));
  EXPECT_EQ(Page->Game().Solved(), 0);
  Answer(*Page, Factored(Page->Game().Task()));
  EXPECT_EQ(Page->Game().Solved(), 1);
  Page->PCVGlassButton1Click(Page->PCVGlassButton1);  // the next task's box is untouched again
  EXPECT_EQ(Seen.LastText(), "Gib zuerst deine Antwort ein.");
}

TEST_F(GamePagesTest, EachFactoringPageHasItsOwnGame) {
  // The whole program's classes, the start page among them, whichever test
  // ran before.
  RegisterProgramClasses();
  QStringList Dialogs;
  TMessagePresenterScope Recorded([&Dialogs](const TMessageRequest& Request) {
    Dialogs << Request.Text;
    return mrOk;
  });
  TMessageRecorder Seen;
  TfmMain Main;
  Main.show();
  QCoreApplication::sendPostedEvents();
  Main.MMX().GotoPage(960, true);
  auto* First = qobject_cast<TfmFAU1*>(Main.MMX().CurrentPageForm());
  ASSERT_NE(First, nullptr);
  Answer(*First, Factored(First->Game().Task()));
  EXPECT_EQ(First->Game().Solved(), 1);
  Main.MMX().GotoPage(970, true);
  auto* Second = qobject_cast<TfmFAU2*>(Main.MMX().CurrentPageForm());
  ASSERT_NE(Second, nullptr);
  EXPECT_EQ(Second->Game().Solved(), 0);
  EXPECT_EQ(Second->PCVGlass1->Width(), 30);
  EXPECT_EQ(Main.MMX().CurrentPage(), 970);
  EXPECT_TRUE(Dialogs.isEmpty()) << Dialogs.join(QStringLiteral(" | ")).toStdString();
}
