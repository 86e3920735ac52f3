#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "FormTestComponents.h"
#include "platform/FormDesigns.h"
#include "platform/FormWriter.h"

namespace {

class FormWriter : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }

  static std::unique_ptr<TfmFormDemo> Reload(const QByteArray& Text) {
    auto Form = std::make_unique<TfmFormDemo>();
    for (const TFormProblem& P : Form->LoadDesignText(Text, QStringLiteral("written.frm")))
      ADD_FAILURE() << P.ToString().toStdString() << "\n" << Text.toStdString();
    return Form;
  }
};

TEST_F(FormWriter, RoundTripKeepsEveryProperty) {
  std::unique_ptr<TfmFormDemo> Original = CreateForm<TfmFormDemo>();
  QByteArray First = TFormWriter().WriteText(Original.get());
  std::unique_ptr<TfmFormDemo> Copy = Reload(First);
  QByteArray Second = TFormWriter().WriteText(Copy.get());
  EXPECT_EQ(Second.toStdString(), First.toStdString());

  auto* A = Original->Component<TTestScene>(QStringLiteral("Scene1"));
  auto* B = Copy->Component<TTestScene>(QStringLiteral("Scene1"));
  EXPECT_EQ(B->geometry(), A->geometry());
  EXPECT_EQ(B->FItems, A->FItems);
  EXPECT_EQ(B->FRawPoints, A->FRawPoints);
  EXPECT_EQ(B->FPicture->FData, QByteArray("GIF89a"));
  EXPECT_EQ(B->FMode, A->FMode);
  EXPECT_EQ(B->Pen()->Style(), psDot);
  EXPECT_EQ(B->FOptions, A->FOptions);
  EXPECT_EQ(B->FGrid->FOwner, B);
  EXPECT_EQ(B->FBuddy, Copy->FindComponent(QStringLiteral("Side")));
  ASSERT_EQ(B->Points()->Count(), 2);
  auto* P0 = static_cast<TTestPoint*>(B->Points()->Item(0));
  EXPECT_EQ(P0->Y(), 40.5);
  EXPECT_EQ(P0->FFixedX, 30);  // FixType still follows X and Y
  EXPECT_EQ(P0->OnClick.HandlerName(), QStringLiteral("SceneClick"));
  EXPECT_EQ(Copy->Label1->Caption(), Original->Label1->Caption());
  EXPECT_EQ(Copy->Label1->Font()->Style(), Original->Label1->Font()->Style());
  EXPECT_EQ(Copy->Component<TPanel>(QStringLiteral("Header"))->Color(), 0xE0C0A0);
}

TEST_F(FormWriter, WritesNamesAndOnlyWhatDiffersFromDefaults) {
  std::unique_ptr<TfmFormDemo> Form = CreateForm<TfmFormDemo>();
  const QString Text = QString::fromUtf8(TFormWriter().WriteText(Form.get()));
  const char* Expected[] = {
      "object fmFormDemo: TfmFormDemo\n",
      "  Caption = 'Formular-Demo'\n",
      "  Color = clSilver\n",
      "  Font.Height = -13\n",
      "  OnCreate = FormCreate\n",
      "    Color = 14729376\n",
      "      Caption = 'Gr\xC3\xBC\xC3\x9F" "e, \xE2\x82\xAC und ''Zitat'''\n",
      "      Font.Style = [fsBold, fsItalic]\n",
      "      Cursor = crHandPoint\n",
      "      Color = clWhite\n",
      "      Mode = mdFancy\n",
      "      Options = [opSnap, opFrame]\n",
      "      Items.Strings = (\n        'a\xC2\xB2'\n        '+(a-b)\xC2\xB2')\n",
      "      Grid.Owner = Scene1\n",
      "      Pen.Style = psDot\n",
      "      Buddy = Side\n",
      "          Kind = skCircle\n",
      "          FixType = tfFixed\n",
      "          OnClick = SceneClick\n",
      "      FPoints = {\n        03000000140000001400000050000000280000009600000064000000}\n",
      "      Picture.Data = {\n        474946383961}\n",
      "      OnHyperjump = SceneHyperjump\n",
      "    Target = Scene1\n",
  };
  for (const char* Line : Expected) EXPECT_TRUE(Text.contains(QString::fromUtf8(Line))) << Line << "\nin\n" << Text.toStdString();
  // Defaults and values that follow the parent are left out.
  EXPECT_FALSE(Text.contains(QLatin1String("ParentFont = True")));
  EXPECT_FALSE(Text.contains(QRegularExpression(QStringLiteral("(?m)^ *Visible ="))));
  EXPECT_FALSE(Text.contains(QLatin1String("Label1 = Label1")));  // the form's field
  EXPECT_FALSE(Text.contains(QLatin1String("Size")));              // follows Font.Height
  EXPECT_FALSE(Text.contains(QLatin1String("Blob")));
  // The label takes the form's font except for what its design changed.
  EXPECT_TRUE(Text.contains(QLatin1String("      Font.Height = -13\n")));
}

TEST_F(FormWriter, AFreshComponentWritesNoProperties) {
  TForm Form;
  Form.setObjectName(QStringLiteral("fmEmpty"));
  auto* Panel = new TPanel(&Form);
  Panel->setObjectName(QStringLiteral("Panel1"));
  auto* Label = new TLabel(Panel);
  Label->setObjectName(QStringLiteral("Label1"));
  EXPECT_EQ(TFormWriter().WriteText(&Form).toStdString(),
            "object fmEmpty: TForm\n"
            "  object Panel1: TPanel\n"
            "    object Label1: TLabel\n"
            "    end\n"
            "  end\n"
            "end\n");
  Panel->SetCaption(QStringLiteral("x"));
  Label->SetTag(-1);
  Label->Font()->SetHeight(-20);
  EXPECT_EQ(TFormWriter().WriteText(&Form).toStdString(),
            "object fmEmpty: TForm\n"
            "  object Panel1: TPanel\n"
            "    Caption = 'x'\n"
            "    object Label1: TLabel\n"
            "      Font.Height = -20\n"
            "      ParentFont = False\n"
            "      Tag = -1\n"
            "    end\n"
            "  end\n"
            "end\n");
}

TEST_F(FormWriter, LeavesOutObjectsItCannotName) {
  TForm Form;
  Form.setObjectName(QStringLiteral("fmLoop"));
  auto* Scene = new TTestScene(&Form);
  Scene->setObjectName(QStringLiteral("Scene1"));
  Scene->FGrid->FOwner = Scene->FGrid;  // a nested object, not a component: no name to write
  Scene->FBuddy = new TPanel(&Form);    // a component without a name
  const std::string Text = TFormWriter().WriteText(&Form).toStdString();
  EXPECT_EQ(Text.find("Owner"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("Buddy"), std::string::npos) << Text;
}

TEST_F(FormWriter, SavesAtomicallyAndReadsBack) {
  std::unique_ptr<TfmFormDemo> Form = CreateForm<TfmFormDemo>();
  Form->Component<TTestScene>(QStringLiteral("Scene1"))->FBlob = QByteArray(70, '\x01');
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  const QString Path = Dir.filePath(QStringLiteral("Saved.frm"));
  QString Error;
  ASSERT_TRUE(SaveFormDesign(Form.get(), Path, Error)) << Error.toStdString();
  std::optional<TFormDesign> Saved = ReadFormDesignFile(Path, Error);
  ASSERT_TRUE(Saved.has_value());
  std::unique_ptr<TfmFormDemo> Copy = Reload(Saved->Text);
  EXPECT_EQ(Copy->Component<TTestScene>(QStringLiteral("Scene1"))->FBlob, QByteArray(70, '\x01'));
  for (const QString& Target : {Dir.filePath(QStringLiteral("missing/dir/x.frm")), QStringLiteral("/proc/x.frm")}) {
    Error.clear();
    EXPECT_FALSE(SaveFormDesign(Form.get(), Target, Error));
    EXPECT_FALSE(Error.isEmpty()) << "the caller learns why";
  }
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"Saved.frm"});
}

}  // namespace
