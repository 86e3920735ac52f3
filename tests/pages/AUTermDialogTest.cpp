// Page "Der Termdialog" and the term entry of the pages, acted as a pupil:
// terms come through the answered input window, the check button reports
// through the recorded message window.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "components/ComponentClasses.h"
#include "pages/PageClasses.h"
#include "pages/TermEntry.h"
#include "pages/aufstellen/AUTermDialog.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/PCPanel.h"
#include "shell/Messages.h"
#include "support/MessageRecorder.h"
#include "support/TermInputScope.h"
#include "terms/TermControls.h"

namespace {

void RegisterAll() {
  RegisterPlatformClasses();
  RegisterComponentClasses();
  RegisterSceneControls();
  RegisterTermControls();
  RegisterPageClasses();
}

TEST(TermEntry, OkPutsTheTermCancelKeepsTheBox) {
  struct TCase {
    TTermInput Typed;
    TTermEntry Entry;
    const char* Caption;
    bool Entered;
  };
  const TCase Cases[] = {
      {QString("2*(a+b)"), TTermEntry::Normalised, "2 * (a + b)", true},
      {QString("2x+3"), TTermEntry::Normalised, "2 * x + 3", true},
      {QString("4i^2-28il+49l^2"), TTermEntry::Normalised, "4 * i^2 - 28 * i * l + 49 * l^2", true},
      {QString("2·a"), TTermEntry::Normalised, "2 * a", true},
      {QString("x²+1"), TTermEntry::Normalised, "x^2 + 1", true},
      {QString("a+b)"), TTermEntry::Normalised, "?", true},  // nothing typed is dropped
      {QString("0,5*a"), TTermEntry::Normalised, "0,5 * a", true},
      {QString("(a+"), TTermEntry::Normalised, "?", true},
      {QString(""), TTermEntry::Normalised, "?", true},  // OK on the empty field
      {QString("b + a"), TTermEntry::AsTyped, "b + a", true},
      {std::nullopt, TTermEntry::Normalised, "x", false},
      {std::nullopt, TTermEntry::AsTyped, "x", false},
  };
  RegisterAll();
  for (const TCase& C : Cases) {
    TMMTerm Box;
    Box.SetCaption("x");
    TTermInputScope Input{C.Typed};
    EXPECT_EQ(EnterTerm(static_cast<QObject*>(&Box), C.Entry), C.Entered);
    EXPECT_EQ(Box.Caption(), C.Caption) << C.Typed.value_or("(Cancel)").toStdString();
    EXPECT_EQ(Input.Openings(), 1);
  }
  // Something that is no term box opens nothing.
  QObject NoBox;
  EXPECT_FALSE(EnterTerm(&NoBox));
}

struct TPage {
  TMessageRecorder Seen;
  std::unique_ptr<TfmAUTermDialog> Form;
  TPage() {
    RegisterAll();
    Form = CreateForm<TfmAUTermDialog>();
  }
  // Fills every answer box with the text form of its given term, then the
  // boxes listed with their own texts.
  void Answer(const std::map<int, QString>& Own = {}) {
    for (int Given : {1, 3, 5, 7, 8, 9, 10, 15, 17, 19, 21}) {
      const int Answer = Given < 7 ? Given + 1 : Given <= 10 ? Given + 4 : Given + 1;
      Form->MMTerm(Answer)->SetCaption(TermTextOf(Form->MMTerm(Given)->Caption()));
    }
    for (const auto& [Box, Text] : Own) Form->MMTerm(Box)->SetCaption(Text);
  }
  QString Check() {
    Seen.Clear();
    Form->PCVGlassButton1Click(nullptr);
    EXPECT_EQ(Seen.Count(), 1);
    return Seen.LastText();
  }
  bool SecondGroupShown() const { return Form->Component<TPCPanel>("PCPanel2")->Visible(); }
};

QString Line(int N) { return QString::fromStdString(LineErrorText(N)); }

TEST(AUTermDialog, StartsWithQuestionMarksAndTheSecondGroupHidden) {
  TPage P;
  EXPECT_EQ(P.Form->Stage(), 0);
  EXPECT_FALSE(P.SecondGroupShown());
  for (int Answer : {2, 4, 6, 11, 12, 13, 14, 16, 18, 20, 22}) {
    EXPECT_EQ(P.Form->MMTerm(Answer)->Caption(), "?") << Answer;
    EXPECT_EQ(P.Form->MMTerm(Answer)->State(), 0) << Answer;
  }
  EXPECT_EQ(P.Form->MMTerm(21)->Caption(), "(a+b^2)^3/(x/y)");
  EXPECT_EQ(P.Form->MMTerm(21)->State(), 2);
  EXPECT_EQ(P.Form->MMTerm(21)->parentWidget(), P.Form->Component<TPCPanel>("PCPanel2"));
}

TEST(AUTermDialog, FirstGroupReportsTheFirstWrongLine) {
  const struct {
    std::map<int, QString> Own;
    int Line;
  } Cases[] = {
      {{{2, "b + a"}}, 1},                    // the same value, but another tree
      {{{4, "x : y"}}, 2},
      {{{6, "2 * x + y"}}, 3},
      {{{13, "x^4 + y^4"}}, -2},
      {{{13, "?"}, {14, "?"}}, -2},           // the first of two wrong lines
      {{{14, "2 * x^4 - y^4"}}, -1},
  };
  for (const auto& C : Cases) {
    TPage P;
    P.Answer(C.Own);
    EXPECT_EQ(P.Check(), Line(C.Line));
    EXPECT_EQ(P.Form->Stage(), 0);
    EXPECT_FALSE(P.SecondGroupShown());
  }
}

TEST(AUTermDialog, TypedTermsPassTheCheckAndOpenTheSecondGroup) {
  TPage P;
  P.Answer();
  {
    // The first box keeps the text as typed, the others its text form.
    TTermInputScope Input{QString("(a+b)"), QString("(x)/(y)"), QString("2*(x+y)")};
    P.Form->MMTerm2Click(P.Form->MMTerm(2));
    P.Form->MMTerm1Click(P.Form->MMTerm(4));
    P.Form->MMTerm1Click(P.Form->MMTerm(6));
  }
  EXPECT_EQ(P.Form->MMTerm(2)->Caption(), "(a+b)");
  EXPECT_EQ(P.Form->MMTerm(4)->Caption(), "x / y");
  const QString Praise = P.Check();
  EXPECT_TRUE(std::any_of(PraiseTexts.begin(), PraiseTexts.end(),
                          [&](const char* T) { return Praise == QString::fromUtf8(T); }))
      << Praise.toStdString();
  EXPECT_EQ(P.Form->Stage(), 1);
  EXPECT_TRUE(P.SecondGroupShown());

  // The second group: its own lines; when right the same message at every press.
  P.Form->MMTerm(20)->SetCaption("(a + b)^2 / ((c + d) * z)");
  EXPECT_EQ(P.Check(), Line(-2));
  P.Answer({{2, "b + a"}});  // the first group is not looked at again
  EXPECT_EQ(P.Check(), "Deine Termeingabe ist in Ordnung!");
  EXPECT_EQ(P.Check(), "Deine Termeingabe ist in Ordnung!");
  EXPECT_EQ(P.Form->Stage(), 2);  // both groups right: the page is done
}

TEST(AUTermDialog, CancelledEntryLeavesTheBox) {
  TPage P;
  TTermInputScope Input{std::nullopt, std::nullopt};
  P.Form->MMTerm2Click(P.Form->MMTerm(2));
  P.Form->MMTerm1Click(P.Form->MMTerm(22));
  EXPECT_EQ(P.Form->MMTerm(2)->Caption(), "?");
  EXPECT_EQ(P.Form->MMTerm(22)->Caption(), "?");
  EXPECT_EQ(Input.Openings(), 2);
}

}  // namespace
