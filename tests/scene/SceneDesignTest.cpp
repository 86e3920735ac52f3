// The scene controls as pages use them: built from a design, with events
// bound to the form's handlers.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/ComponentRegistry.h"
#include "platform/Forms.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/MMButton.h"
#include "scene/MMCombo.h"
#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"

class TfmSceneDemo : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;
  QStringList Calls;

 public slots:
  void PCVGlassButton1Click(QObject*) { Calls << "click"; }
  void MMButton1MouseDown(QObject*, int Button, int Shift, int X, int Y) {
    Calls << QStringLiteral("down %1 %2 %3 %4").arg(Button).arg(Shift).arg(X).arg(Y);
  }
  void PCPanel1BackgroundPaint(QObject*, TCanvas* Canvas) {
    Calls << "background";
    Canvas->SetPixel(1, 1, 0x0000FF);
  }
};

namespace {

const char* const Design = R"(object fmSceneDemo: TfmSceneDemo
  ClientWidth = 300
  ClientHeight = 200
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmVFloat
    Color = 14676718
    Color2 = 4149052
    OnBackgroundPaint = PCPanel1BackgroundPaint
    object PCShape1: TPCShape
      Left = 10
      Top = 10
      Width = 100
      Height = 50
      Color = clWhite
      TransparentOX = 1.0
      TransparentSX = -1.0
      TransparentOY = 1.0
      ShapeForm = sfEllipse
      Caption = 'Kapitel'
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 120
      Top = 140
      Width = 160
      Height = 40
      Caption = '&Weiter'
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object MMButton1: TMMButton
      Left = 10
      Top = 100
      Kind = mmCheck
      OnMouseDown = MMButton1MouseDown
    end
    object MMCombo1: TMMCombo
      Left = 10
      Top = 150
      Items.Strings = (
        'a'#178
        '+(a-b)'#178
        '(a+b)'#178)
    end
  end
end
)";

std::unique_ptr<TfmSceneDemo> LoadDemo(const QByteArray& Text, QList<TFormProblem>* Problems = nullptr) {
  RegisterPlatformClasses();
  RegisterSceneControls();
  TComponentRegistry::Instance().RegisterForm<TfmSceneDemo>();
  auto Form = std::make_unique<TfmSceneDemo>();
  const QList<TFormProblem> Found = Form->LoadDesignText(Text, QStringLiteral("demo.frm"));
  if (Problems)
    *Problems = Found;
  else
    for (const TFormProblem& P : Found) ADD_FAILURE() << P.ToString().toStdString();
  return Form;
}

TEST(SceneDesign, ControlsComeFromTheDesignWithTheirHandlers) {
  const auto Form = LoadDemo(Design);
  auto* Panel = Form->Component<TPCPanel>("PCPanel1");
  EXPECT_EQ(Panel->BackgroundMode(), bmVFloat);
  EXPECT_EQ(Panel->Width(), 300);
  Panel->Buffer();  // the background is rendered when first needed
  EXPECT_TRUE(Form->Calls.contains("background"));

  auto* Shape = Form->Component<TPCShape>("PCShape1");
  EXPECT_FALSE(Shape->LoadingState());
  EXPECT_EQ(Shape->ShapeBuffer().Width(), 100);
  EXPECT_EQ(Shape->ShapeForm(), sfEllipse);

  auto* Glass = Form->Component<TPCVGlassButton>("PCVGlassButton1");
  EXPECT_TRUE(Glass->DialogChar('W'));
  EXPECT_EQ(Form->Calls.count("click"), 1);

  auto* Button = Form->Component<TMMButton>("MMButton1");
  EXPECT_EQ(Button->Caption(), "&Auswerten");
  EXPECT_EQ(Button->Width(), 160);
  QMouseEvent Press(QEvent::MouseButtonPress, QPointF(5, 6), QPointF(5, 6), Qt::RightButton, Qt::RightButton,
                    Qt::ShiftModifier);
  QCoreApplication::sendEvent(Button, &Press);
  EXPECT_TRUE(Form->Calls.contains("down 1 17 5 6")) << Form->Calls.join(", ").toStdString();

  auto* Combo = Form->Component<TMMCombo>("MMCombo1");
  EXPECT_EQ(Combo->Items(), QStringList({QString::fromUtf8("a²"), QString::fromUtf8("(a-b)²"), QString::fromUtf8("(a+b)²")}));
  EXPECT_FALSE(Combo->IsCorrect());  // nothing chosen
  Combo->SetItemIndex(1);
  EXPECT_TRUE(Combo->IsCorrect());
  Combo->SetItemIndex(2);
  EXPECT_FALSE(Combo->IsCorrect());
}

// The combo's list is a popup window of its own: it opens in the combo's
// font, also when the font was set before the list was first needed.
TEST(SceneDesign, ComboListOpensInTheCombosFont) {
  QWidget Page;
  auto* Combo = new TMMCombo(&Page);
  Combo->SetItems({QStringLiteral("a"), QStringLiteral("b")});
  Combo->Font()->SetSize(20);
  Page.show();
  const QFont Big = Combo->Box().font();
  EXPECT_EQ(Big, Combo->Font()->ToQFont());
  EXPECT_EQ(Combo->Box().findChild<QAbstractItemView*>(), nullptr);  // made when first opened
  Combo->Box().showPopup();
  EXPECT_EQ(Combo->Box().view()->font(), Big);
  Combo->Box().hidePopup();
  Combo->Font()->SetSize(9);  // a later font reaches the list that exists now
  EXPECT_NE(Combo->Box().font(), Big);
  EXPECT_EQ(Combo->Box().view()->font(), Combo->Box().font());
}

// Tab walks the answer controls as the design orders them, and each is
// worked from the keyboard.
TEST(SceneDesign, TabFollowsTheDesignsTabOrderAndKeysWorkTheControls) {
  const auto Form = LoadDemo(R"(object fmSceneDemo: TfmSceneDemo
  object PCPanel1: TPCPanel
    Align = alClient
    object MMCombo1: TMMCombo
      TabOrder = 2
      Items.Strings = (
        'a'
        '+b')
    end
    object MMButton2: TMMButton
      Caption = 'x'
    end
    object MMButton1: TMMButton
      TabOrder = 1
      Caption = 'Term'
    end
    object PCVGlassButton1: TPCVGlassButton
      Caption = '&Weiter'
      OnClick = PCVGlassButton1Click
    end
  end
  object MMButton3: TMMButton
    TabOrder = 0
    Caption = 'y'
  end
end
)");
  auto* Combo = Form->Component<TMMCombo>("MMCombo1");
  QStringList Walk;
  QWidget* W = Form->Component<TMMButton>("MMButton1");
  for (int I = 0; I < 5; ++I) {
    Walk << (W->objectName().isEmpty() ? W->parentWidget()->objectName() : W->objectName());
    do W = W->nextInFocusChain();
    while ((W->focusPolicy() & Qt::TabFocus) == 0);
  }
  // The panel's controls by their TabOrder (those without one after them),
  // then the form's own; the combo counts through its drop-down list, and
  // the glass button is reached as well.
  EXPECT_EQ(Walk, QStringList({"MMButton1", "MMCombo1", "MMButton2", "PCVGlassButton1", "MMButton3"}));

  auto* Term = Form->Component<TMMButton>("MMButton1");
  int Clicks = 0;
  Term->OnClick = [&](QObject*) { ++Clicks; };
  for (int Key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A}) {
    QKeyEvent Press(QEvent::KeyPress, Key, Key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(Term, &Press);
  }
  EXPECT_EQ(Clicks, 3);

  QKeyEvent Down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QCoreApplication::sendEvent(&Combo->Box(), &Down);
  EXPECT_EQ(Combo->ItemIndex(), 0);
  QCoreApplication::sendEvent(&Combo->Box(), &Down);
  EXPECT_TRUE(Combo->IsCorrect());

  EXPECT_TRUE(Form->Component<TPCVGlassButton>("PCVGlassButton1")->DialogChar('w'));  // Alt+W
  EXPECT_EQ(Form->Calls.count("click"), 1);
}

QByteArray ComboDesign(int Marked) {
  QByteArray Text = "object fmSceneDemo: TfmSceneDemo\n  object MMCombo1: TMMCombo\n    Items.Strings = (\n";
  for (int I = 0; I < Marked; ++I) Text += "      '+" + QByteArray::number(I) + "'\n";
  Text += "      'x')\n  end\nend\n";
  return Text;
}

TEST(SceneDesign, ComboTakesSixteenMarksButNotSeventeen) {
  QList<TFormProblem> Problems;
  auto Form = LoadDemo(ComboDesign(16), &Problems);
  EXPECT_TRUE(Problems.isEmpty());
  auto* Combo = Form->Component<TMMCombo>("MMCombo1");
  Combo->SetItemIndex(15);
  EXPECT_TRUE(Combo->IsCorrect());
  EXPECT_EQ(Combo->Text(), "15");
  Combo->SetItemIndex(16);
  EXPECT_FALSE(Combo->IsCorrect());

  Form = LoadDemo(ComboDesign(17), &Problems);
  ASSERT_EQ(Problems.size(), 1);
  EXPECT_TRUE(Problems[0].Message.contains(QString::fromUtf8("Zuviele richtige Antworten (>16)")));
}

}  // namespace

#include "SceneDesignTest.moc"
