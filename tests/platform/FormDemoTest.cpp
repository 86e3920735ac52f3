#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "FormTestComponents.h"
#include "platform/FormCheck.h"
#include "platform/FormDesigns.h"

namespace {

class FormDemo : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

TEST_F(FormDemo, ShowsItsDesign) {
  std::unique_ptr<TfmFormDemo> Form = CreateForm<TfmFormDemo>();
  Form->show();
  QApplication::processEvents();
  QImage Picture = Form->grab().toImage();
  if (!qEnvironmentVariableIsEmpty("VELOTRA_SAVE_PICTURES")) Picture.save(QStringLiteral("FormDemo.png"));
  ASSERT_EQ(Picture.size(), QSize(360, 240));
  auto Pixel = [&](int X, int Y) { return Picture.pixelColor(X, Y); };
  EXPECT_EQ(Pixel(300, 20), TColorToQColor(0xE0C0A0));   // header
  EXPECT_EQ(Pixel(30, 120), TColorToQColor(clTeal));      // side bar on the left of the body
  EXPECT_EQ(Pixel(330, 230), TColorToQColor(14676718));   // the rest of the body
  EXPECT_EQ(Pixel(81 + 100, 61 + 10), TColorToQColor(clWhite));  // inside the scene
  int Red = 0;  // point P0's ring around (30, 40.5) in the scene at (80, 60)
  for (int Y = 60 + 34; Y <= 60 + 47; ++Y)
    for (int X = 80 + 24; X <= 80 + 36; ++X) Red += Pixel(X, Y) == TColorToQColor(clRed);
  EXPECT_GT(Red, 12);
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Formular-Demo"));
  EXPECT_TRUE(Form->Label1->isVisible());
  EXPECT_EQ(Form->Label1->toolTip(), QString());
  EXPECT_EQ(Form->Component<TPanel>(QStringLiteral("Side"))->toolTip(), QStringLiteral("Seitenleiste"));
}

// The program's own designs (compiled into every binary) are checked by the
// "check_forms" test of the program; here only the test designs count.
QStringList TestDesignProblems(const QList<TFormProblem>& Problems) {
  QStringList Result;
  for (const TFormProblem& P : Problems)
    if (P.File.startsWith(QLatin1String("memory/")) || P.File.startsWith(QLatin1String(":/forms/FormDemo")))
      Result << P.ToString();
  return Result;
}

TEST_F(FormDemo, CheckPassesGoodDesignsAndNamesEveryBrokenLine) {
  EXPECT_TRUE(TestDesignProblems(CheckForms()).isEmpty());
  const QString Broken = QStringLiteral(":/forms/broken/BrokenDemo.frm");
  QStringList Found;
  for (const TFormProblem& P : CheckFormFiles({Broken})) Found << P.ToString();
  EXPECT_EQ(Found, QStringList({
                       Broken + QStringLiteral(":20: TLabel has no property 'Captoin'"),
                       Broken + QStringLiteral(":44: 'mdMiddle' is not a value of Mode"),
                       Broken + QStringLiteral(":73: OnHyperjump: TfmFormDemo has no handler 'SceneJump'"),
                   }));
  EXPECT_EQ(RunFormCheck({Broken}), 1);
  EXPECT_EQ(RunFormCheck({QStringLiteral(":/forms/FormDemo.frm")}), 0);
  EXPECT_EQ(RunFormCheck({QStringLiteral(":/forms/FormDemoPlus.frm")}), 0);  // on top of its base design

  QStringList Missing;
  for (const TFormProblem& P : CheckFormFiles({QStringLiteral("/nonexistent/X.frm")})) Missing << P.ToString();
  ASSERT_EQ(Missing.size(), 1);
  EXPECT_TRUE(Missing[0].startsWith(QStringLiteral("/nonexistent/X.frm: cannot be read")));
}

TEST_F(FormDemo, CheckReportsDesignsOfUnknownOrMisfitClasses) {
  RegisterFormDesign(QStringLiteral("TfmFormDemoPlus"), QByteArray("object fmX: TfmFormDemoPlus\nend\n"),
                     QStringLiteral("memory/FormDemoPlus.frm"));
  QStringList Found = TestDesignProblems(CheckForms());
  UnregisterFormDesign(QStringLiteral("TfmFormDemoPlus"));
  EXPECT_EQ(Found, QStringList({"memory/FormDemoPlus.frm:1: a design that builds on another must start with "
                                "'inherited'"}));
}

}  // namespace
