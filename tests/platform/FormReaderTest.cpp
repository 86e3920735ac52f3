#include <gtest/gtest.h>

#include <functional>

#include "FormTestComponents.h"
#include "platform/FormReader.h"

namespace {

class FormReader : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    TestLog().clear();
  }

  // Loads Text into a fresh demo form; the design's root may name TForm.
  std::unique_ptr<TfmFormDemo> Load(const QString& Text, QList<TFormProblem>* Problems = nullptr) {
    auto Form = std::make_unique<TfmFormDemo>();
    QList<TFormProblem> Found = Form->LoadDesignText(Text.toUtf8(), QStringLiteral("test.frm"));
    if (Problems)
      *Problems = Found;
    else
      for (const TFormProblem& P : Found) ADD_FAILURE() << P.ToString().toStdString();
    return Form;
  }

  // A design whose only component is Scene1 with the given lines.
  static QString SceneDesign(const QString& Lines) {
    return QStringLiteral("object fmTest: TForm\n  object Scene1: TTestScene\n") + Lines +
           QStringLiteral("\n  end\n  object Side: TPanel\n  end\n  object Timer1: TTestTimer\n  end\nend\n");
  }
};

TEST_F(FormReader, SetsEveryKindOfValue) {
  using TCheck = std::function<void(TTestScene*)>;
  struct {
    const char* Lines;
    TCheck Check;
  } Cases[] = {
      {"Left = -5", [](TTestScene* S) { EXPECT_EQ(S->Left(), -5); }},
      {"Tag = $7F", [](TTestScene* S) { EXPECT_EQ(S->Tag(), 127); }},
      {"Color = clRed", [](TTestScene* S) { EXPECT_EQ(S->Color(), clRed); }},
      {"Color = $80000005", [](TTestScene* S) { EXPECT_EQ(S->Color(), clWindow); }},
      {"Color = -2147483643", [](TTestScene* S) { EXPECT_EQ(S->Color(), clWindow); }},
      {"Color = 14676718", [](TTestScene* S) { EXPECT_EQ(S->Color(), 14676718); }},
      {"Cursor = crHandPoint", [](TTestScene* S) { EXPECT_EQ(S->Cursor(), crHandPoint); }},
      {"Cursor = -3", [](TTestScene* S) { EXPECT_EQ(S->Cursor(), crCross); }},
      {"Align = alBottom", [](TTestScene* S) { EXPECT_EQ(S->Align(), alBottom); }},
      {"Mode = mdWild", [](TTestScene* S) { EXPECT_EQ(S->FMode, TTestScene::mdWild); }},
      {"Options = [opSnap, opGrid]",
       [](TTestScene* S) { EXPECT_EQ(S->FOptions, TTestScene::TOptions(TTestScene::opSnap | TTestScene::opGrid)); }},
      {"Options = [opSnap]\n Options = []", [](TTestScene* S) { EXPECT_EQ(int(S->FOptions), 0); }},
      {"Ratio = 0.5", [](TTestScene* S) { EXPECT_EQ(S->FRatio, 0.5); }},
      {"Ratio = 3", [](TTestScene* S) { EXPECT_EQ(S->FRatio, 3.0); }},
      {"Ratio = -1.5E-3", [](TTestScene* S) { EXPECT_EQ(S->FRatio, -0.0015); }},
      {"Big = -$10", [](TTestScene* S) { EXPECT_EQ(S->FBig, -16); }},
      {"Big = 9223372036854775807", [](TTestScene* S) { EXPECT_EQ(S->FBig, INT64_MAX); }},
      {"Items.Strings = (\n 'a'\n '+b')", [](TTestScene* S) { EXPECT_EQ(S->FItems, QStringList({"a", "+b"})); }},
      {"Items = ()", [](TTestScene* S) { EXPECT_TRUE(S->FItems.isEmpty()); }},
      {"Blob = {00FF 7f}", [](TTestScene* S) { EXPECT_EQ(S->FBlob, QByteArray("\x00\xFF\x7F", 3)); }},
      {"Caption = 'x'#9'y' +\n 'z'", [](TTestScene* S) { EXPECT_EQ(S->Caption(), QStringLiteral("x\tyz")); }},
      {"Caption = 'Gr'#252#223'e \xE2\x82\xAC'",
       [](TTestScene* S) { EXPECT_EQ(S->Caption(), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC")); }},
      {"Hint = 'it''s'", [](TTestScene* S) { EXPECT_EQ(S->Hint(), QStringLiteral("it's")); }},
      {"Visible = False", [](TTestScene* S) { EXPECT_FALSE(S->Visible()); }},
      {"Enabled = false", [](TTestScene* S) { EXPECT_FALSE(S->Enabled()); }},
      {"Font.Style = [fsBold, fsUnderline]",
       [](TTestScene* S) { EXPECT_EQ(S->Font()->Style(), fsBold | fsUnderline); }},
      {"Font.Height = -20\n Font.Name = 'Courier New'\n Font.Color = clBlue",
       [](TTestScene* S) {
         EXPECT_EQ(S->Font()->Height(), -20);
         EXPECT_EQ(S->Font()->Name(), QStringLiteral("Courier New"));
         EXPECT_EQ(S->Font()->Color(), clBlue);
         EXPECT_FALSE(S->ParentFont());
       }},
      {"Grid.XSize = 8\n Grid.Color = clLime",
       [](TTestScene* S) {
         EXPECT_EQ(S->FGrid->FXSize, 8);
         EXPECT_EQ(S->FGrid->FColor, clLime);
       }},
      {"Points = <\n item\n X = 1.5\n Kind = skLine\n FixType = tfRadius\n end\n item\n Name = 'Q'\n end>",
       [](TTestScene* S) {
         ASSERT_EQ(S->Points()->Count(), 2);
         auto* P0 = static_cast<TTestPoint*>(S->Points()->Item(0));
         auto* P1 = static_cast<TTestPoint*>(S->Points()->Item(1));
         EXPECT_EQ(P0->X(), 1.5);
         EXPECT_EQ(P0->FKind, 7);
         EXPECT_EQ(P0->FixType(), tfRadius);
         EXPECT_EQ(P0->ID(), 0);
         EXPECT_EQ(P1->FName, QStringLiteral("Q"));
         EXPECT_EQ(P1->ID(), 1);
       }},
      {"FPoints = {\n 02000000 05000000 06000000\n FFFFFFFF 00010000}",
       [](TTestScene* S) {
         EXPECT_EQ(S->FRawPoints, (std::vector<std::pair<int, int>>{{5, 6}, {-1, 256}}));
       }},
      {"Pen.Style = psDash\n Pen.Mode = pmXor\n Pen.Color = clGreen",
       [](TTestScene* S) {
         EXPECT_EQ(S->Pen()->Style(), psDash);
         EXPECT_EQ(S->Pen()->Mode(), pmXor);
         EXPECT_EQ(S->Pen()->Color(), clGreen);
       }},
      {"Picture.Data = {47 49 46}", [](TTestScene* S) { EXPECT_EQ(S->FPicture->FData, QByteArray("GIF")); }},
      {"Buddy = Side\n Grid.Owner = fmTest",
       [](TTestScene* S) {
         ASSERT_NE(S->FBuddy, nullptr);
         EXPECT_EQ(S->FBuddy->objectName(), QStringLiteral("Side"));
         EXPECT_EQ(S->FGrid->FOwner, S->window());
       }},
      {"Buddy = Side\n Buddy = nil", [](TTestScene* S) { EXPECT_EQ(S->FBuddy, nullptr); }},
      {"Buddy = Timer1\n Buddy = Side",  // the first names a component further down
       [](TTestScene* S) { EXPECT_EQ(S->FBuddy->objectName(), QStringLiteral("Side")); }},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Lines);
    std::unique_ptr<TfmFormDemo> Form = Load(SceneDesign(QString::fromUtf8(C.Lines)));
    auto* Scene = Form->Component<TTestScene>(QStringLiteral("Scene1"));
    C.Check(Scene);
  }
}

TEST_F(FormReader, BuildsTheTreeWithParentsAndOwner) {
  std::unique_ptr<TfmFormDemo> Form = Load(QStringLiteral(
      "object fmDemo: TfmFormDemo\n"
      "  object Outer: TPanel\n"
      "    object Inner: TPanel\n"
      "      object Label1: TLabel\n"
      "      end\n"
      "    end\n"
      "    object Timer1: TTestTimer\n"
      "    end\n"
      "  end\n"
      "  object TLabel\n"
      "  end\n"
      "end\n"));
  EXPECT_EQ(Form->objectName(), QStringLiteral("fmDemo"));
  QStringList Names;
  for (QObject* C : Form->Components()) Names << C->objectName();
  EXPECT_EQ(Names, QStringList({"Outer", "Inner", "Label1", "Timer1", ""}));
  auto* Outer = Form->Component<TPanel>(QStringLiteral("Outer"));
  auto* Inner = Form->Component<TPanel>(QStringLiteral("Inner"));
  EXPECT_EQ(Outer->parentWidget(), Form.get());
  EXPECT_EQ(Inner->parentWidget(), Outer);
  EXPECT_EQ(Form->Label1, Form->FindComponent(QStringLiteral("Label1")));  // the form's field
  EXPECT_EQ(Form->Label1->parentWidget(), Inner);
  EXPECT_EQ(Form->FindComponent(QStringLiteral("Timer1"))->parent(), Outer);
  EXPECT_TRUE(Inner->Visible());
  EXPECT_FALSE(Inner->isHidden());
  EXPECT_THROW(Form->Component<TPanel>(QStringLiteral("Label1")), EFormError);
  EXPECT_THROW(Form->Component<TPanel>(QStringLiteral("Nowhere")), EFormError);

  QPointer<QObject> Watch = Form->Label1;
  Form.reset();
  EXPECT_TRUE(Watch.isNull());  // the form owns everything it created
}

TEST_F(FormReader, AppliesPropertiesInFileOrder) {
  // Fixing a point keeps the coordinates it has by then.
  std::unique_ptr<TfmFormDemo> Form = Load(SceneDesign(QStringLiteral(
      "Points = <\n"
      " item\n X = 10\n Y = 20\n FixType = tfFixed\n end\n"
      " item\n FixType = tfFixed\n X = 10\n Y = 20\n end>\n"
      "Width = 50\n Left = 7\n Width = 60")));
  auto* Scene = Form->Component<TTestScene>(QStringLiteral("Scene1"));
  auto* Before = static_cast<TTestPoint*>(Scene->Points()->Item(0));
  auto* After = static_cast<TTestPoint*>(Scene->Points()->Item(1));
  EXPECT_EQ(Before->FFixedX, 10);
  EXPECT_EQ(Before->FFixedY, 20);
  EXPECT_EQ(After->FFixedX, 0);
  EXPECT_EQ(After->FFixedY, 0);
  EXPECT_EQ(Scene->Width(), 60);
  EXPECT_EQ(Scene->Left(), 7);
}

TEST_F(FormReader, AlignsChildrenInTheClientArea) {
  std::unique_ptr<TfmFormDemo> Form = Load(QStringLiteral(
      "object fmDemo: TForm\n"
      "  ClientWidth = 300\n"
      "  ClientHeight = 200\n"
      "  object Bottom: TPanel\n    Align = alBottom\n    Height = 20\n  end\n"
      "  object Top: TPanel\n    Align = alTop\n    Height = 30\n  end\n"
      "  object Left: TPanel\n    Align = alLeft\n    Width = 40\n  end\n"
      "  object Client: TPanel\n    Align = alClient\n  end\n"
      "  object Free: TPanel\n    Left = 5\n    Top = 6\n    Width = 7\n    Height = 8\n  end\n"
      "end\n"));
  auto Geometry = [&](const char* Name) { return Form->Component<TPanel>(QString::fromLatin1(Name))->geometry(); };
  EXPECT_EQ(Geometry("Top"), QRect(0, 0, 300, 30));
  EXPECT_EQ(Geometry("Bottom"), QRect(0, 180, 300, 20));
  EXPECT_EQ(Geometry("Left"), QRect(0, 30, 40, 150));
  EXPECT_EQ(Geometry("Client"), QRect(40, 30, 260, 150));
  EXPECT_EQ(Geometry("Free"), QRect(5, 6, 7, 8));
  Form->SetClientHeight(100);
  EXPECT_EQ(Geometry("Bottom"), QRect(0, 80, 300, 20));
  EXPECT_EQ(Geometry("Client"), QRect(40, 30, 260, 50));
}

TEST_F(FormReader, BindsEventsToTheFormsHandlers) {
  std::unique_ptr<TfmFormDemo> Form = Load(SceneDesign(QStringLiteral(
      "OnClick = SceneClick\n"
      " OnHyperjump = SceneHyperjump\n"
      " Points = <item\n OnClick = SceneClick\n OnDrag = PointDrag\n end>")));
  auto* Scene = Form->Component<TTestScene>(QStringLiteral("Scene1"));
  auto* Point = static_cast<TTestPoint*>(Scene->Points()->Item(0));
  Point->setObjectName(QStringLiteral("P0"));
  Scene->Click();
  Scene->OnHyperjump(Scene, QStringLiteral("seite:120"));
  Point->OnClick(Point);
  int X = 3, Y = 4;
  Point->OnDrag(Point, X, Y);
  EXPECT_EQ(Form->Calls, QStringList({"SceneClick Scene1", "SceneHyperjump Scene1 seite:120", "SceneClick P0"}));
  EXPECT_EQ(X, 4);
  EXPECT_EQ(Y, 8);
  EXPECT_EQ(Scene->OnClick.HandlerName(), QStringLiteral("SceneClick"));

  // Code may replace a bound handler with any callable.
  int Count = 0;
  Scene->OnClick = [&](QObject*) { ++Count; };
  Scene->Click();
  EXPECT_EQ(Count, 1);
  EXPECT_TRUE(Scene->OnClick.HandlerName().isEmpty());
}

TEST_F(FormReader, RunsLoadedInCreationOrderAfterEverything) {
  std::unique_ptr<TfmFormDemo> Form = Load(QStringLiteral(
      "object fmDemo: TfmFormDemo\n"
      "  OnCreate = FormCreate\n"
      "  object A: TTestTimer\n"
      "    Target = C\n"  // a component created later: resolved before any Loaded
      "  end\n"
      "  object Holder: TPanel\n"
      "    object B: TTestScene\n"
      "    end\n"
      "  end\n"
      "  object C: TTestScene\n"
      "  end\n"
      "end\n"));
  EXPECT_EQ(TestLog(), (std::vector<QString>{"Loaded A", "Loaded B", "Loaded C"}));
  auto* A = qobject_cast<TTestTimer*>(Form->FindComponent(QStringLiteral("A")));
  EXPECT_EQ(A->FTarget, Form->FindComponent(QStringLiteral("C")));
  EXPECT_FALSE(Form->Component<TTestScene>(QStringLiteral("B"))->FSawLoadingFlag);
  EXPECT_FALSE(Form->IsLoading());
  // The designer-free text load runs the creation handler after Loaded.
  EXPECT_EQ(Form->Calls, QStringList({"FormCreate fmDemo"}));
}

TEST_F(FormReader, BuildsOnTheBaseDesign) {
  std::unique_ptr<TfmFormDemoPlus> Form = CreateForm<TfmFormDemoPlus>();
  EXPECT_EQ(Form->objectName(), QStringLiteral("fmFormDemoPlus"));
  EXPECT_EQ(Form->Caption(), QStringLiteral("Formular-Demo plus"));
  auto* Header = Form->Component<TPanel>(QStringLiteral("Header"));
  EXPECT_EQ(Header->Height(), 30);
  EXPECT_EQ(Header->Caption(), QStringLiteral("&Oben"));  // from the base design
  EXPECT_EQ(Form->Component<TLabel>(QStringLiteral("Label2"))->parentWidget(), Header);
  auto* Scene = Form->Component<TTestScene>(QStringLiteral("Scene1"));
  EXPECT_EQ(Scene->FRatio, 2.5);
  EXPECT_EQ(Scene->FMode, TTestScene::mdFancy);
  EXPECT_EQ(Form->Scene1, Scene);
  // The base design's "OnClick = SceneClick" reaches the derived class's handler.
  Scene->Click();
  qobject_cast<TTestTimer*>(Form->FindComponent(QStringLiteral("Timer1")))->OnTimer(nullptr);
  EXPECT_EQ(Form->Calls, QStringList({"FormCreate fmFormDemoPlus", "PlusClick Scene1", "ExtraClick"}));
  QStringList Names;
  for (QObject* C : Form->Components()) Names << C->objectName();
  EXPECT_EQ(Names.last(), QStringLiteral("Label2"));
}

TEST_F(FormReader, ReportsProblemsWithFileAndLine) {
  struct {
    const char* Lines;  // inside Scene1, whose first line is line 3
    int Line;
    const char* Message;
  } Cases[] = {
      {"Captoin = 'x'", 3, "TTestScene has no property 'Captoin'"},
      {"Font.Heigth = 3", 3, "TTestScene has no property 'Font.Heigth'"},
      {"Left.X = 3", 3, "'Left' in 'Left.X' is not an object"},
      {"Left = 1\n Align = alMiddle", 4, "'alMiddle' is not a value of Align"},
      {"Mode = mdMiddle", 3, "'mdMiddle' is not a value of Mode"},
      {"Pen.Style = bsClear", 3, "'bsClear' is not a value of Style"},
      {"Mode = 1", 3, "Mode takes an identifier, not the integer 1"},
      {"Options = [opSnap, opNothing]", 3, "'opNothing' is not a value of Options"},
      {"Font.Style = [fsBold, fsHeavy]", 3, "'fsHeavy' is not an element of Style"},
      {"Points = <item\n Kind = skOval\n end>", 4, "'skOval' is not a value of Kind"},
      {"Points = <item\n FixType = tfLoose\n end>", 4, "'tfLoose' is not a value of FixType"},
      {"Color = clMauve", 3, "'clMauve' is not a value of Color"},
      {"Left = 'ten'", 3, "Left takes an integer, not a string"},
      {"Left = 4294967296", 3, "4294967296 is out of range for Left"},
      {"Visible = Yes", 3, "Visible takes True or False, not the identifier 'Yes'"},
      {"Caption = 12", 3, "Caption takes a string, not the integer 12"},
      {"Ratio = 'x'", 3, "Ratio takes a number"},
      {"Items = ('a' 1)", 3, "Items takes strings only, not the integer 1"},
      {"Blob = 'x'", 3, "Blob takes binary data"},
      {"OnClick = SceneClik", 3, "OnClick: TfmFormDemo has no handler 'SceneClik'"},
      {"OnClick = NotAHandler", 3, "handler 'NotAHandler' of TfmFormDemo must take (QObject*)"},
      {"OnHyperjump = SceneClick", 3, "must take (QObject*, QString)"},
      {"OnClick = 'SceneClick'", 3, "OnClick takes a handler name, not a string"},
      {"Strict = -1", 3, "Strict: Strict must not be negative"},
      {"FailOnLoad = True", 2, "Zuviele richtige Antworten (>16)"},
      {"Buddy = Nowhere", 3, "Buddy: there is no component 'Nowhere'"},
      {"Buddy = Timer1", 3, "Buddy takes a TControl, but 'Timer1' is a TTestTimer"},
      {"Points = 5", 3, "Points takes nested values, not the integer 5"},
      {"Grid = <>", 3, "Grid is not a collection"},
      {"Unknown = {00}", 3, "TTestScene has no property 'Unknown'"},
      {"Picture.Dada = {00}", 3, "TTestScene has no property 'Picture.Dada'"},
      {"FPoints = {0100000005}", 3, "FPoints: FPoints does not hold the points it announces"},
      {"Left = ", 4, "a value expected, found 'end'"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Lines);
    QList<TFormProblem> Problems;
    Load(SceneDesign(QString::fromUtf8(C.Lines)), &Problems);
    ASSERT_EQ(Problems.size(), 1);
    EXPECT_EQ(Problems[0].File, QStringLiteral("test.frm"));
    EXPECT_EQ(Problems[0].Line, C.Line) << Problems[0].Message.toStdString();
    EXPECT_TRUE(Problems[0].Message.contains(QString::fromUtf8(C.Message))) << Problems[0].Message.toStdString();
  }
}

TEST_F(FormReader, ReportsStructuralProblemsAndGoesOn) {
  QList<TFormProblem> Problems;
  Load(QStringLiteral("object fmDemo: TfmFormDemo\n"       // 1
                      "  object P1: TPaneel\n"              // 2 unknown class: its subtree is skipped
                      "    object Inside: TLabel\n"         // 3
                      "    end\n"                           // 4
                      "  end\n"                             // 5
                      "  object P2: TPanel\n"               // 6
                      "  end\n"                             // 7
                      "  object P2: TPanel\n"               // 8 duplicate name
                      "  end\n"                             // 9
                      "  object T1: TTestTimer\n"           // 10
                      "    object L: TLabel\n"              // 11 a control inside a non-control
                      "    end\n"                           // 12
                      "  end\n"                             // 13
                      "  inherited P3: TPanel\n"            // 14 no base design
                      "  end\n"                             // 15
                      "  object Label1: TPanel\n"           // 16 the form's field wants a TLabel
                      "  end\n"                             // 17
                      "  inline F1: TPanel\n"               // 18
                      "  end\n"                             // 19
                      "end\n"),
       &Problems);
  QStringList Lines;
  for (const TFormProblem& P : Problems) Lines << P.ToString();
  EXPECT_EQ(Lines, QStringList({
                       "test.frm:2: unknown class 'TPaneel'",
                       "test.frm:8: a component named 'P2' exists already",
                       "test.frm:11: the control L cannot be placed in TTestTimer, which is not a control",
                       "test.frm:14: the base design has no component 'P3'",
                       "test.frm:16: the field Label1 of TfmFormDemo takes a TLabel, but the component is a TPanel",
                       "test.frm:18: 'inline' components are not supported",
                   }));

  Load(QStringLiteral("object fmX: TPanel\nend\n"), &Problems);
  ASSERT_EQ(Problems.size(), 1);
  EXPECT_EQ(Problems[0].ToString(), QStringLiteral("test.frm:1: the design is for TPanel, not for TfmFormDemo"));
  Load(QStringLiteral("inherited fmX: TForm\nend\n"), &Problems);
  ASSERT_EQ(Problems.size(), 1);
  EXPECT_EQ(Problems[0].ToString(), QStringLiteral("test.frm:1: 'inherited' design of TForm without a base design"));
  Load(QStringLiteral("object fmX: TForm\n  Caption = 'x\nend\n"), &Problems);
  ASSERT_EQ(Problems.size(), 1);
  EXPECT_EQ(Problems[0].ToString(), QStringLiteral("test.frm:2: unterminated string"));
}

TEST_F(FormReader, AFormThatFailsToLoadRaisesAndLeavesTheRestUsable) {
  RegisterFormDesign(QStringLiteral("TfmFormDemo"), QByteArray("object fmFormDemo: TfmFormDemo\n  Colour = 1\nend\n"),
                     QStringLiteral("memory/FormDemo.frm"));
  try {
    CreateForm<TfmFormDemo>();
    ADD_FAILURE() << "no error";
  } catch (const EFormError& E) {
    EXPECT_EQ(E.Message(), QStringLiteral("memory/FormDemo.frm:2: TfmFormDemo has no property 'Colour'"));
    ASSERT_EQ(E.Problems().size(), 1);
    EXPECT_EQ(E.Problems()[0].Line, 2);
  }
  UnregisterFormDesign(QStringLiteral("TfmFormDemo"));
  std::unique_ptr<TfmFormDemo> Good = CreateForm<TfmFormDemo>();
  EXPECT_EQ(Good->Caption(), QStringLiteral("Formular-Demo"));
  EXPECT_EQ(Good->TryLoadDesign().size(), 1);  // a second load is refused, not doubled

  auto Bare = std::make_unique<TForm>();
  QList<TFormProblem> None = Bare->TryLoadDesign();
  ASSERT_EQ(None.size(), 1);
  EXPECT_TRUE(None[0].Message.contains(QStringLiteral("there is no design for TForm")));
}

TEST_F(FormReader, ReadsIntoAnyRootObject) {
  TTestTimer Root;
  TFormReader Reader(&Root);
  Reader.Read(QByteArray("object T: TTestTimer\n  Interval = 5\n  object Inner: TTestTimer\n    Interval = 6\n  end\nend\n"),
              QStringLiteral("plain.frm"));
  Reader.Finish();
  EXPECT_TRUE(Reader.Problems().isEmpty());
  EXPECT_EQ(Root.FInterval, 5);
  ASSERT_EQ(Reader.Components().size(), 1);
  EXPECT_EQ(Reader.Components()[0]->parent(), &Root);
  EXPECT_EQ(TestLog(), (std::vector<QString>{"Loaded T", "Loaded Inner"}));
}

}  // namespace
