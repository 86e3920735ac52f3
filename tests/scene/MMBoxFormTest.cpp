#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "platform/Convert.h"
#include "platform/FormWriter.h"
#include "platform/Forms.h"
#include "platform/PlatformClasses.h"
#include "scene/MMBox.h"
#include "scene/MMBoxRegister.h"

// A form with the handlers the designs below bind to.
class TfmSceneTest : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;
  int Clicks = 0;
  int Paints = 0;
  int Tries = 0;

 public slots:
  void Blase1Click(QObject*) { ++Clicks; }
  void MMBox1CanvasPaint(QObject*, TCanvas* Canvas) {
    ++Paints;
    Canvas->SetPixel(5, 10, clRed);
  }
  void P6TryToDrag(QObject*, int& X, int&) {
    ++Tries;
    X = 200;
  }
};

namespace {

// The speech bubble of the message window: a triangle tip and an ellipse.
const char* const BubbleDesign = R"(object fmSceneTest: TfmSceneTest
  ClientWidth = 500
  ClientHeight = 300
  Color = clAqua
  object MMBox1: TMMBox
    Left = 56
    Top = -8
    Width = 393
    Height = 185
    OnCanvasPaint = MMBox1CanvasPaint
    Grid.Parent = MMBox1
    Grid.Color = clBlack
    MMPoints = <
      item
        X = 0
        Y = 100
        Name = 'P0'
        Origin = -1
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 0
        Y = 16
        Name = 'P1'
        Origin = 0
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 0
        Y = 0
        Name = 'P2'
        Origin = 1
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 50
        Y = 0
        Name = 'P3'
        Origin = 2
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 45
        Y = -20
        Name = 'P4'
        Origin = 2
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 0
        Y = -80
        Name = 'P5'
        Origin = 4
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 340
        Y = 80
        Name = 'P6'
        Origin = 4
        FixReference = -1
        FixType = ftNone
        OnTryToDrag = P6TryToDrag
      end>
    MMObjects = <
      item
        Name = 'Blase1'
        Shape = stTriangle
        ShapeData.Sensible = False
        ShapeData.Visible = True
        ShapeData.Movable = False
        ShapeData.P1 = 2
        ShapeData.P2 = 3
        ShapeData.P3 = 4
        ShapeData.Brush.Color = clYellow
        ShapeData.Pen.Style = psClear
        OnClick = Blase1Click
      end
      item
        Name = 'Blase2'
        Shape = stEllipse
        ShapeData.Sensible = True
        ShapeData.Visible = True
        ShapeData.Movable = False
        ShapeData.P1 = 5
        ShapeData.P2 = 6
        ShapeData.Brush.Color = clYellow
        ShapeData.Pen.Style = psClear
      end>
    Transparent = True
  end
end
)";

class MMBoxForm : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlatformClasses();
    RegisterSceneBoxClasses();
    TComponentRegistry::Instance().RegisterForm<TfmSceneTest>();
  }

  std::unique_ptr<TfmSceneTest> Load(const QByteArray& Text, QList<TFormProblem>* Problems = nullptr) {
    auto Form = std::make_unique<TfmSceneTest>();
    const QList<TFormProblem> Found = Form->LoadDesignText(Text, QStringLiteral("scene.frm"));
    if (Problems)
      *Problems = Found;
    else
      for (const TFormProblem& P : Found) ADD_FAILURE() << P.ToString().toStdString();
    return Form;
  }
};

TEST_F(MMBoxForm, SpeechBubbleLoadsWithItsPointsAndObjects) {
  auto Form = Load(BubbleDesign);
  auto* Box = Form->Component<TMMBox>("MMBox1");
  ASSERT_NE(Box, nullptr);
  EXPECT_TRUE(Box->Transparent());
  EXPECT_EQ(Box->Grid()->Parent(), Box);
  ASSERT_EQ(Box->MMPoints()->Count(), 7);
  const TPoint Expected[] = {{0, 100}, {0, 116}, {0, 116}, {50, 116}, {45, 96}, {45, 16}, {385, 176}};
  for (int I = 0; I < 7; ++I) {
    EXPECT_EQ(Box->MMPoints()->Items(I)->AbsolutePosition(), Expected[I]) << I;
    EXPECT_EQ(Box->MMPoints()->Items(I)->ID(), I);
  }
  ASSERT_EQ(Box->MMObjects()->Count(), 2);
  auto* Tip = qobject_cast<TSTriangle*>(Box->MMObjects()->FindByName("Blase1")->ShapeData());
  ASSERT_NE(Tip, nullptr);
  EXPECT_FALSE(Tip->Sensible());
  EXPECT_EQ(Tip->P3(), 4);
  EXPECT_EQ(Tip->Pen()->Style(), psClear);
  EXPECT_EQ(Tip->Brush()->Color(), clYellow);
  auto* Bubble = qobject_cast<TSEllipse*>(Box->MMObjects()->Items(1)->ShapeData());
  ASSERT_NE(Bubble, nullptr);
  EXPECT_EQ(Bubble->P2(), 6);

  // Drawn over the form's colour: yellow AND aqua inside, aqua outside.
  const QImage Image = Form->grab().toImage();
  EXPECT_EQ(QRgbToTColor(Image.pixel(56 + 200, -8 + 100)), clLime);
  EXPECT_EQ(QRgbToTColor(Image.pixel(56 + 5, -8 + 60)), clAqua);
  EXPECT_EQ(QRgbToTColor(Image.pixel(56 + 5, -8 + 10)), clRed & clAqua);  // the handler's dot
  EXPECT_GE(Form->Paints, 1);
}

TEST_F(MMBoxForm, BoundHandlersRunOnClicksAndDrags) {
  auto Form = Load(BubbleDesign);
  auto* Box = Form->Component<TMMBox>("MMBox1");
  TMMObject* Tip = Box->MMObjects()->FindByName("Blase1");
  Tip->OnClick(Tip);
  EXPECT_EQ(Form->Clicks, 1);
  // The bubble is sensible: a press inside hits it (but it does not move).
  Box->MouseDown(Qt::LeftButton, Qt::NoModifier, 100, 60);
  EXPECT_EQ(Box->Dragged(), nullptr);
  TMMPoint* P6 = Box->MMPoints()->Items(6)->Point();
  int X = 300, Y = 100;
  P6->DragStep(Box->MMObjects()->Items(1)->ShapeData(), X, Y);
  EXPECT_EQ(Form->Tries, 1);
  EXPECT_EQ(P6->AbsolutePosition(), (TPoint{200, 100}));
}

TEST_F(MMBoxForm, FixedValuesComeFromTheLoadedCoordinates) {
  const QByteArray Design = R"(object fmSceneTest: TfmSceneTest
  object MMBox1: TMMBox
    MMPoints = <
      item
        X = 30
        Y = 40
        FixType = ftRadius
      end
      item
        X = 7
        Y = 3
        FixType = ftX
      end
      item
        X = 10
        Y = 0
        FixType = ftParamVector
        FixParam1 = 2
        FixParam2 = 90
      end
      item
        X = 160
        Y = 50
        Name = 'Nagel1'
      end
      item
        X = -20
        Y = 30
        Origin = 3
      end
      item
        Origin = 4
        FixReference = 4
        FixType = ftVector
      end>
  end
end
)";
  auto Form = Load(Design);
  TMMPointCollection* Points = Form->Component<TMMBox>("MMBox1")->MMPoints();
  ASSERT_EQ(Points->Count(), 6);
  TMMPointItem* Radius = Points->Items(0);
  Radius->SetX(3);
  Radius->SetY(0);
  EXPECT_EQ(Radius->AbsolutePosition(), (TPoint{50, 0}));
  TMMPointItem* FixedX = Points->Items(1);
  FixedX->SetX(100);
  EXPECT_EQ(FixedX->X(), 7);
  EXPECT_EQ(Points->Items(2)->AbsolutePosition(), (TPoint{0, 20}));
  // A row of nails built from the vector of the row above.
  EXPECT_EQ(Points->Items(5)->AbsolutePosition(), (TPoint{120, 110}));
  Points->FindByName("Nagel1")->SetX(200);
  EXPECT_EQ(Points->Items(5)->AbsolutePosition(), (TPoint{160, 110}));
}

TEST_F(MMBoxForm, WrongValuesAreReportedNotIgnored) {
  const QByteArray Design = R"(object fmSceneTest: TfmSceneTest
  object MMBox1: TMMBox
    MMPoints = <
      item
        FixType = ftSideways
      end>
    MMObjects = <
      item
        ShapeData.Visible = False
        Shape = stCircle
        ShapeData.Radius = 4
        Shape = stRound
      end>
  end
end
)";
  QList<TFormProblem> Problems;
  auto Form = Load(Design, &Problems);
  ASSERT_EQ(Problems.size(), 4);
  EXPECT_EQ(Problems[0].Line, 5);   // unknown fix type
  EXPECT_EQ(Problems[1].Line, 9);   // no shape object yet
  EXPECT_EQ(Problems[2].Line, 11);  // a circle has no radius
  EXPECT_EQ(Problems[3].Line, 12);  // unknown shape kind
}

TEST_F(MMBoxForm, WrittenDesignReadsBackTheSameScene) {
  auto Form = Load(BubbleDesign);
  const QByteArray Written = TFormWriter().WriteText(Form.get());
  auto Again = Load(Written);
  auto* A = Form->Component<TMMBox>("MMBox1");
  auto* B = Again->Component<TMMBox>("MMBox1");
  ASSERT_EQ(B->MMPoints()->Count(), A->MMPoints()->Count());
  for (int I = 0; I < A->MMPoints()->Count(); ++I) {
    EXPECT_EQ(B->MMPoints()->Items(I)->AbsolutePosition(), A->MMPoints()->Items(I)->AbsolutePosition());
    EXPECT_EQ(B->MMPoints()->Items(I)->Name(), A->MMPoints()->Items(I)->Name());
  }
  ASSERT_EQ(B->MMObjects()->Count(), 2);
  auto* Tip = qobject_cast<TSTriangle*>(B->MMObjects()->Items(0)->ShapeData());
  ASSERT_NE(Tip, nullptr) << Written.toStdString();
  EXPECT_EQ(Tip->Pen()->Style(), psClear);
  EXPECT_EQ(Tip->P2(), 3);
  EXPECT_TRUE(B->MMObjects()->Items(0)->OnClick);
  EXPECT_TRUE(B->Transparent());
  const QImage Left = Form->grab().toImage();
  const QImage Right = Again->grab().toImage();
  EXPECT_EQ(Left, Right);
}

}  // namespace

#include "MMBoxFormTest.moc"
