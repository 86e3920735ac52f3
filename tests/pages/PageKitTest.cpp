// What every exercise page shares: the check's reporting order, the answer
// tests, number and masked fields as a pupil types into them, staged
// reveals and the summary pages' date.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "pages/AnswerMark.h"
#include "pages/CheckGroups.h"
#include "pages/ExercisePage.h"
#include "pages/PageClasses.h"
#include "pages/SummaryPage.h"
#include "platform/ComponentRegistry.h"
#include "platform/Edit.h"
#include "platform/MaskEdit.h"
#include "platform/StdControls.h"
#include "platform/UpDown.h"
#include "scene/MMCombo.h"
#include "support/MessageRecorder.h"
#include "terms/MMTerm.h"

class TfmKitDemo : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmKitDemo(QWidget* Parent = nullptr)
      : TExercisePage(Parent, {"UpDown1", "UpDown2", "MMCombo1", "MMTerm1"}, {{"Label1"}, {"Label2"}}) {}
  using TExercisePage::Advance;
};

namespace {

const char* const KitDesign = R"(object fmKitDemo: TfmKitDemo
  ClientWidth = 400
  ClientHeight = 300
  object Edit1: TEdit
    Left = 10
    Top = 10
    Width = 50
    Height = 21
  end
  object UpDown1: TUpDown
    Associate = Edit1
    Max = 378
  end
  object Edit2: TEdit
    Left = 10
    Top = 40
    Width = 50
    Height = 21
  end
  object UpDown2: TUpDown
    Associate = Edit2
    Max = 100
  end
  object MMCombo1: TMMCombo
    Left = 10
    Top = 70
    Width = 100
    Height = 21
    Items = ('a' '+b' 'c')
  end
  object MMTerm1: TMMTerm
    Left = 10
    Top = 100
    Width = 100
    Height = 30
    Caption = '?'
  end
  object MaskEdit1: TMaskEdit
    Left = 10
    Top = 140
    Width = 100
    Height = 21
    EditMask = ' 999999999;1;_'
  end
  object Label1: TLabel
    Left = 200
    Top = 10
    Caption = 'erste Stufe'
    Visible = False
  end
  object Label2: TLabel
    Left = 200
    Top = 40
    Caption = 'zweite Stufe'
    Visible = False
  end
end
)";

std::unique_ptr<TfmKitDemo> LoadKitDemo() {
  RegisterProgramClasses();
  TComponentRegistry::Instance().RegisterForm<TfmKitDemo>();
  auto Page = std::make_unique<TfmKitDemo>();
  for (const TFormProblem& P : Page->LoadDesignText(KitDesign, QStringLiteral("KitDemo.frm")))
    ADD_FAILURE() << P.ToString().toStdString();
  Page->show();
  return Page;
}

// Keys as the pupil presses them in a field.
void Press(QWidget* Target, int Key, const QString& Text = {}) {
  QKeyEvent Down(QEvent::KeyPress, Key, Qt::NoModifier, Text);
  QApplication::sendEvent(Target, &Down);
}

void Type(QLineEdit* Edit, const QString& Text) {
  Edit->setFocus();
  Edit->selectAll();
  Press(Edit, Qt::Key_Delete);
  for (const QChar C : Text) Press(Edit, 0, QString(C));
}

TEST(PageKit, CheckReportsOnlyTheFirstFailingGroupAndStops) {
  TMessageRecorder Seen;
  int Evaluated = 0;
  auto Counted = [&Evaluated](bool Result) {
    return [&Evaluated, Result] {
      ++Evaluated;
      return Result;
    };
  };
  EXPECT_FALSE(TCheck().Line(1, Counted(true)).Line(-2, Counted(false)).Line(-1, Counted(false)).Passed());
  EXPECT_EQ(Evaluated, 2);
  ASSERT_EQ(Seen.Count(), 1);
  EXPECT_EQ(Seen.LastText(), "In der vorletzten Zeile ist noch ein Fehler.");

  Seen.Clear();
  EXPECT_FALSE(TCheck().StillWrong(Counted(true)).Error("Das stimmt noch nicht", Counted(false)).Passed());
  EXPECT_EQ(Seen.LastText(), "Das stimmt noch nicht");
  Seen.Clear();
  EXPECT_FALSE(TCheck().StillWrong(Counted(false)).Field(2, Counted(false)).Passed());
  EXPECT_EQ(Seen.LastText(), "Da ist noch ein Fehler");
  Seen.Clear();
  EXPECT_TRUE(TCheck().Field(1, Counted(true)).Line(3, AllOf({Counted(true), Counted(true)})).Passed());
  EXPECT_EQ(Seen.Count(), 0);  // the page itself praises
}

TEST(PageKit, TermTestsFailOnQuestionMarksAndUncomputableTerms) {
  EXPECT_TRUE(TermIsEquivalentTo("c*e", "e*c"));
  EXPECT_TRUE(TermIsEquivalentTo("c^2/2", "c*c/2"));
  EXPECT_TRUE(TermIsEquivalentTo("(b+0,5*c)*c", "b*c+c*c/2"));
  EXPECT_FALSE(TermIsEquivalentTo("?", "?"));
  EXPECT_FALSE(TermIsEquivalentTo("?", "0"));
  EXPECT_FALSE(TermIsEquivalentTo("(a+", "a"));
  EXPECT_FALSE(TermIsEquivalentTo("1/(a-a)", "0"));  // no error dialog for a pupil's division by zero
  EXPECT_TRUE(TermIsSum("a^2-b^2"));
  EXPECT_FALSE(TermIsSum("(a+b)*(a+b)*(a+b)"));
  EXPECT_FALSE(TermIsSum("?"));
  EXPECT_EQ(CompactTermText("( x + y ) * 4"), "(x+y)*4");
  EXPECT_EQ(CompactTermText("?"), "?");
}

TEST(PageKit, AnswerControlsByListNumberAndTheirTests) {
  const auto Page = LoadKitDemo();
  EXPECT_EQ(Page->AnswerList(), (QStringList{"UpDown1", "UpDown2", "MMCombo1", "MMTerm1"}));
  EXPECT_EQ(Page->property("AnswerList").toStringList().size(), 4);
  EXPECT_EQ(Page->Number(2)->objectName(), "UpDown2");
  EXPECT_THROW(Page->Combo(1), EFormError);  // a number field is no combo
  EXPECT_THROW(Page->Answer(5), EFormError);

  Page->Number(1)->SetPosition(4);
  Page->Number(2)->SetPosition(8);
  EXPECT_TRUE(HoldNumbers(Page->Number(1), Page->Number(2), 8, 4)());
  EXPECT_TRUE(HoldNumbers(Page->Number(1), Page->Number(2), 4, 8)());
  EXPECT_FALSE(HoldNumbers(Page->Number(1), Page->Number(2), 4, 4)());
  EXPECT_TRUE(HoldsNumber(Page->Number(1), 4)());

  // The "+" marks the right item and is gone from the list.
  EXPECT_EQ(Page->Combo(3)->Items(), (QStringList{"a", "b", "c"}));
  EXPECT_FALSE(ComboIsCorrect(Page->Combo(3))());  // nothing chosen yet
  Page->Combo(3)->SetItemIndex(1);
  EXPECT_TRUE(ComboIsCorrect(Page->Combo(3))());
  EXPECT_TRUE(ComboIsAt(Page->Combo(3), 1)());
  EXPECT_FALSE(ComboIsAt(Page->Combo(3), 2)());

  EXPECT_FALSE(IsEquivalentTo(Page->Term(4), "0")());  // left at "?"
  EXPECT_FALSE(IsSum(Page->Term(4))());
  Page->Term(4)->SetCaption("y + x - z");
  EXPECT_TRUE(TextIsOneOf(Page->Term(4), {"x+y-z", "y+x-z"})());
  EXPECT_TRUE(IsSum(Page->Term(4))());
  EXPECT_TRUE(IsEquivalentTo(Page->Term(4), "x+y-z")());
}

// A failed group frames its answer controls in red until the pupil changes
// them, and a wrong term brings its tip line; the frames of the check before
// go first.
TEST(PageKit, FailedGroupFramesItsControlsAndTellsATip) {
  const auto Page = LoadKitDemo();
  TMessageRecorder Seen;
  Page->Number(1)->SetPosition(4);
  Page->Term(4)->SetCaption("x + 2");
  const auto Check = [&Page] {
    return TCheck()
        .Line(1, AllOf({HoldsNumber(Page->Number(1), 4), HoldsNumber(Page->Number(2), 8)}))
        .Line(-1, IsEquivalentTo(Page->Term(4), "x+1"))
        .Passed();
  };
  EXPECT_FALSE(Check());
  EXPECT_TRUE(TAnswerMark::IsMarked(Page->Number(1)->Associate()));
  EXPECT_TRUE(TAnswerMark::IsMarked(Page->Number(2)->Associate()));
  EXPECT_FALSE(TAnswerMark::IsMarked(Page->Term(4)));
  EXPECT_EQ(Seen.Last().Tip, "");

  Page->Number(2)->SetPosition(8);  // changed: its frame goes at once
  EXPECT_FALSE(TAnswerMark::IsMarked(Page->Number(2)->Associate()));
  EXPECT_FALSE(Check());
  EXPECT_FALSE(TAnswerMark::IsMarked(Page->Number(1)->Associate()));  // the line is right now
  EXPECT_TRUE(TAnswerMark::IsMarked(Page->Term(4)));
  EXPECT_EQ(Seen.Last().Tip, "Für x = 1 ergibt dein Term 3, richtig wäre 2.");

  Page->Term(4)->SetCaption("1 + x");
  EXPECT_FALSE(TAnswerMark::IsMarked(Page->Term(4)));
  EXPECT_TRUE(Check());
}

TEST(PageKit, NumberFieldKeepsTextAndPositionInStepWithinItsBounds) {
  const auto Page = LoadKitDemo();
  TUpDown* Field = Page->Number(1);
  TEdit* Edit = Field->Associate();
  EXPECT_EQ(Edit->Text(), "0");
  // The arrows sit at the field's right edge.
  EXPECT_EQ(Field->Left(), Edit->Left() + Edit->Width());
  EXPECT_EQ(Field->Top(), Edit->Top());

  Type(Edit->LineEdit(), "18");
  EXPECT_EQ(Field->Position(), 18);
  Field->StepUp();
  EXPECT_EQ(Edit->Text(), "19");
  Press(Edit->LineEdit(), Qt::Key_Down);
  Press(Edit->LineEdit(), Qt::Key_Down);
  EXPECT_EQ(Field->Position(), 17);
  EXPECT_EQ(Edit->Text(), "17");

  // Letters, signs and numbers above the largest value are refused as typed.
  Type(Edit->LineEdit(), "3x7-8");
  EXPECT_EQ(Edit->Text(), "378");
  EXPECT_EQ(Field->Position(), 378);
  Type(Edit->LineEdit(), "379");
  EXPECT_EQ(Edit->Text(), "37");
  EXPECT_EQ(Field->Position(), 37);
  Field->SetPosition(378);
  Field->StepUp();
  EXPECT_EQ(Field->Position(), 378);
  Field->SetPosition(-5);
  EXPECT_EQ(Field->Position(), 0);
  EXPECT_EQ(Edit->Text(), "0");
  Field->StepDown();
  EXPECT_EQ(Field->Position(), 0);
}

TEST(PageKit, MaskedFieldKeepsLiteralsAndBlanks) {
  EXPECT_EQ(QtInputMask(" 999999999;1;_"), " 000000000;_");
  EXPECT_EQ(QtInputMask("00\\-00;1; "), "99\\-99; ");
  const auto Page = LoadKitDemo();
  auto* Field = Page->Component<TMaskEdit>("MaskEdit1");
  Field->SetText(" 255");
  EXPECT_EQ(Field->Text().remove(' '), "255");
  EXPECT_TRUE(Field->Text().startsWith(" 255"));
  Type(Field->LineEdit(), "65a535");
  EXPECT_EQ(Field->Text().remove(' '), "65535");
  // The blank character shows only while nothing is typed; after digits the
  // empty positions are plain spaces.
  EXPECT_EQ(Field->LineEdit()->displayText(), " 65535    ");
  Field->SetText(QString());
  EXPECT_EQ(Field->LineEdit()->displayText(), " _________");
  Field->SetText(" 7");
  EXPECT_EQ(Field->LineEdit()->displayText(), " 7        ");
  EXPECT_EQ(Field->Text(), " 7        ");
}

TEST(PageKit, StagesRevealTheirComponentsInOrder) {
  const auto Page = LoadKitDemo();
  auto* First = Page->Component<TLabel>("Label1");
  auto* Second = Page->Component<TLabel>("Label2");
  EXPECT_EQ(Page->Stage(), 0);
  EXPECT_FALSE(First->isVisible());
  Page->Advance();
  EXPECT_TRUE(First->isVisible());
  EXPECT_FALSE(Second->isVisible());
  Page->Advance();
  EXPECT_TRUE(Second->isVisible());
  Page->Advance();  // beyond the last stage nothing more is revealed
  EXPECT_EQ(Page->Stage(), 3);
}

TEST(PageKit, SummaryShowsTodaysDate) {
  EXPECT_EQ(ShortDateText(QDate(2026, 12, 9)), "9.12.2026");
  EXPECT_EQ(ShortDateText(QDate(2000, 6, 14)), "14.6.2000");
  RegisterProgramClasses();
  TComponentRegistry::Instance().RegisterForm<TSummaryPage>();
  TSummaryPage Page;
  const QByteArray Design = "object fmSummary: TSummaryPage\n"
                            "  OnCreate = FormCreate\n"
                            "  object lbDatum: TLabel\n"
                            "    Caption = '14.6.2000'\n"
                            "  end\n"
                            "end\n";
  for (const TFormProblem& P : Page.LoadDesignText(Design, QStringLiteral("Summary.frm")))
    ADD_FAILURE() << P.ToString().toStdString();
  EXPECT_EQ(Page.Component<TLabel>("lbDatum")->Caption(), ShortDateText(QDate::currentDate()));
}

}  // namespace

#include "PageKitTest.moc"
