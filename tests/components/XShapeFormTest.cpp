// The extended shapes as page designs store them: read, and written back.
#include <gtest/gtest.h>

#include "common/Colors.h"
#include "components/XShapes.h"
#include "components/XShapeRegister.h"
#include "platform/FormWriter.h"
#include "platform/Forms.h"
#include "platform/PlatformClasses.h"

namespace {
const char* Design = R"(object fmTest: TForm
  Left = 0
  Top = 0
  ClientWidth = 800
  ClientHeight = 576
  object XShape1: TXShape
    Left = 10
    Top = 20
    Width = 65
    Height = 65
    Shape = srLine
    Color2 = clBlue
    Brush.Color = clYellow
    Pen.Width = 2
    Rotation = 45.000000000000000000
    ScaleX = 1.500000000000000000
    Description = True
    Caption = 'Höhe'
  end
  object Beam1: TBeam
    Left = 10
    Top = 100
    Width = 700
    Height = 40
    TickDistance = 4
    MarkRatio = 0.500000000000000000
    Pointer = 2.000000000000000000
  end
  object XPolygon2: TXPolygon
    Left = 200
    Top = 20
    Kind = xpLine
    EnhancedColor = clLime
    FPoints = {
      0300000000000000000000000000000000000000000000000000000000000080
      FF3F000000000000000000000000000000000080FE3F0000000000000080FF3F}
  end
end
)";

class XShapeForm : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlatformClasses();
    RegisterXShapeClasses();
  }
};

TEST_F(XShapeForm, ReadsTheStoredProperties) {
  TForm Form;
  const QList<TFormProblem> Problems = Form.LoadDesignText(Design, "test.frm");
  for (const TFormProblem& P : Problems) ADD_FAILURE() << P.ToString().toStdString();

  auto* Shape = Form.Component<TXShape>("XShape1");
  EXPECT_EQ(Shape->Shape(), TShapeForm::srLine);
  EXPECT_EQ(Shape->Color2(), clBlue);
  EXPECT_EQ(Shape->Brush()->Color(), clYellow);
  EXPECT_EQ(Shape->Pen()->Width(), 2);
  EXPECT_EQ(Shape->Rotation(), 45.0);
  EXPECT_EQ(Shape->ScaleX(), 1.5);
  EXPECT_TRUE(Shape->Description());
  EXPECT_EQ(Shape->Caption(), QString::fromUtf8("Höhe"));
  EXPECT_EQ(Shape->geometry(), QRect(10, 20, 65, 65));

  auto* Beam = Form.Component<TBeam>("Beam1");
  EXPECT_EQ(Beam->MarkRatio(), 0.5);
  EXPECT_EQ(Beam->Pointer(), 2.0);
  EXPECT_DOUBLE_EQ(Beam->ValueAt(160), 1.0);

  auto* Poly = Form.Component<TXPolygon>("XPolygon2");
  EXPECT_EQ(Poly->Kind(), xpLine);
  EXPECT_EQ(Poly->EnhancedColor(), clLime);
  EXPECT_EQ(Poly->PolyPoints(), (std::vector<TXPolyPoint>{{0, 0}, {1, 0}, {0.5L, 1}}));
}

TEST_F(XShapeForm, WritesPointsOnlyInTheirBinaryForm) {
  TForm Form;
  ASSERT_TRUE(Form.LoadDesignText(Design, "test.frm").isEmpty());
  const QByteArray Text = TFormWriter().WriteText(&Form);
  EXPECT_TRUE(Text.contains("FPoints = {")) << Text.toStdString();
  EXPECT_FALSE(Text.contains(" Points =")) << Text.toStdString();
  EXPECT_TRUE(Text.contains("Shape = srLine")) << Text.toStdString();
  EXPECT_TRUE(Text.contains("Kind = xpLine")) << Text.toStdString();

  // What was written reads back to the same points and kinds.
  TForm Again;
  const QList<TFormProblem> Problems = Again.LoadDesignText(Text, "again.frm");
  for (const TFormProblem& P : Problems) ADD_FAILURE() << P.ToString().toStdString();
  EXPECT_EQ(Again.Component<TXPolygon>("XPolygon2")->PolyPoints(),
            Form.Component<TXPolygon>("XPolygon2")->PolyPoints());
  EXPECT_EQ(Again.Component<TXShape>("XShape1")->Shape(), TShapeForm::srLine);
}

TEST_F(XShapeForm, ReportsDamagedPointsAndUnknownKinds) {
  const char* Broken = R"(object fmTest: TForm
  object XPolygon1: TXPolygon
    FPoints = {0300000000}
  end
  object XShape1: TXShape
    Shape = srCircle
  end
end
)";
  TForm Form;
  const QList<TFormProblem> Problems = Form.LoadDesignText(Broken, "broken.frm");
  ASSERT_EQ(Problems.size(), 2);
  EXPECT_EQ(Problems[0].Line, 3);
  EXPECT_EQ(Problems[1].Line, 6);
  EXPECT_EQ(Form.Component<TXPolygon>("XPolygon1")->PolyPoints().size(), 4u);  // still the diamond
}
}  // namespace
