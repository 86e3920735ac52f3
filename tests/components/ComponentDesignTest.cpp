// The timer and the GIF control in page designs: read, bound to handlers,
// written back.
#include <gtest/gtest.h>

#include "GIFTestPictures.h"
#include "components/ComponentClasses.h"
#include "components/GIFImage.h"
#include "components/TimerEx.h"
#include "platform/FormWriter.h"
#include "platform/Forms.h"
#include "platform/PlatformClasses.h"

namespace {

class TfmComponentTest : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;
  int Changes = 0;
  int Progress = 0;
  int Ticks = 0;
 public slots:
  void GIFImage1Change(QObject*) { ++Changes; }
  void GIFImage1Progress(QObject*, int, int, int, bool& Keep) {
    ++Progress;
    Keep = true;
  }
  void Timer1Timer(QObject*) { ++Ticks; }
};

QByteArray DesignHex(const QByteArray& Bytes) {
  QByteArray Out;
  const QByteArray Hex = Bytes.toHex().toUpper();
  for (qsizetype i = 0; i < Hex.size(); i += 64) Out += "      " + Hex.mid(i, 64) + "\n";
  return Out;
}

QByteArray Design(const QByteArray& GIF) {
  QByteArray Stored;
  const quint32 N = static_cast<quint32>(GIF.size());
  for (int i = 0; i < 4; ++i) Stored.append(static_cast<char>(N >> (8 * i)));
  Stored += GIF;
  return "object fmTest: TForm\n"
         "  object GIFImage1: TGIFImage\n"
         "    Left = 8\n"
         "    Top = 100\n"
         "    Width = 57\n"
         "    Height = 69\n"
         "    Loop = True\n"
         "    Speed = 200\n"
         "    StretchRatio = True\n"
         "    ThreadPriority = tpLower\n"
         "    Threaded = False\n"
         "    OnChange = GIFImage1Change\n"
         "    OnProgress = GIFImage1Progress\n"
         "    Data = {\n" +
         DesignHex(Stored) +
         "    }\n"
         "  end\n"
         "  object Timer1: TTimerEx\n"
         "    Interval = 250\n"
         "    Threaded = True\n"
         "    ThreadPriority = tpHigher\n"
         "    OnTimer = Timer1Timer\n"
         "  end\n"
         "end\n";
}

}  // namespace

TEST(ComponentDesign, ReadBoundAndWrittenBack) {
  RegisterPlatformClasses();
  RegisterComponentClasses();
  static const TGIFPixels A = SolidPixels(3, 2, 0xFF0000), B = SolidPixels(3, 2, 0x00FF00);
  const std::vector<std::uint8_t> Raw = EncodeFrames({Frame(A), Frame(B)});
  const QByteArray GIF(reinterpret_cast<const char*>(Raw.data()), static_cast<qsizetype>(Raw.size()));

  TfmComponentTest Form;
  for (const TFormProblem& P : Form.LoadDesignText(Design(GIF), QStringLiteral("test.frm")))
    ADD_FAILURE() << P.ToString().toStdString();
  auto* Image = Form.Component<TGIFImage>(QStringLiteral("GIFImage1"));
  auto* Timer = Form.Component<TTimerEx>(QStringLiteral("Timer1"));
  ASSERT_TRUE(Image && Timer);

  EXPECT_EQ(Image->GIFData(), GIF);
  EXPECT_EQ(Image->FrameCount(), 2);
  EXPECT_EQ(Image->Left(), 8);
  EXPECT_EQ(Image->Height(), 69);
  EXPECT_TRUE(Image->Loop());
  EXPECT_EQ(Image->Speed(), 200);
  EXPECT_TRUE(Image->StretchRatio());
  EXPECT_EQ(Image->ThreadPriority(), tpLower);
  EXPECT_GT(Form.Progress, 0) << "progress reported while the design loads";
  Image->SetCurrentFrame(2);
  EXPECT_EQ(Form.Changes, 1);

  EXPECT_EQ(Timer->Interval(), 250u);
  EXPECT_TRUE(Timer->Threaded());
  EXPECT_EQ(Timer->ThreadPriority(), tpHigher);
  Timer->SetEnabled(false);
  Timer->OnTimer(Timer);
  EXPECT_EQ(Form.Ticks, 1);

  const QByteArray Written = TFormWriter().WriteText(&Form);
  EXPECT_TRUE(Written.contains("OnTimer = Timer1Timer")) << Written.toStdString();
  EXPECT_TRUE(Written.contains("ThreadPriority = tpLower")) << Written.toStdString();
  EXPECT_FALSE(Written.contains("CurrentFrame"));
  EXPECT_FALSE(Written.contains("Version"));

  TfmComponentTest Again;
  for (const TFormProblem& P : Again.LoadDesignText(Written, QStringLiteral("again.frm")))
    ADD_FAILURE() << P.ToString().toStdString();
  EXPECT_EQ(Again.Component<TGIFImage>(QStringLiteral("GIFImage1"))->GIFData(), GIF);
  EXPECT_FALSE(Again.Component<TTimerEx>(QStringLiteral("Timer1"))->Enabled());
}

#include "ComponentDesignTest.moc"
