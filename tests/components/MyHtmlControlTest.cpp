#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>

#include "components/MyHtml.h"
#include "platform/ComponentRegistry.h"
#include "platform/Convert.h"
#include "platform/Forms.h"
#include "platform/PlatformClasses.h"

namespace {
// A control that records its jumps.
struct TText {
  TText() {
    W.SetBounds(0, 0, 300, 120);
    W.OnHyperjump = [this](QObject* Sender, const QString& URL) {
      EXPECT_EQ(Sender, &W);
      Jumps.append(URL);
    };
  }
  void Paint() { (void)W.grab(); }
  void Press(QPoint P, Qt::MouseButton Button = Qt::LeftButton) {
    QMouseEvent E(QEvent::MouseButtonPress, P, W.mapToGlobal(P), Button, Button, Qt::NoModifier);
    QCoreApplication::sendEvent(&W, &E);
  }
  void Move(QPoint P) {
    QMouseEvent E(QEvent::MouseMove, P, W.mapToGlobal(P), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&W, &E);
  }
  QPoint LinkCentre(std::size_t Link) const {
    const TXRect& R = W.Links().at(Link)->Bounds.at(0);
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
  }
  TMiniHTML W;
  QStringList Jumps;
};

QImage Filled(int W, int H, TColor Color) {
  QImage Image(W, H, QImage::Format_RGB32);
  Image.fill(TColorToQColor(Color));
  return Image;
}

TColor PixelAt(const QImage& Image, int X, int Y) {
  const QRgb P = Image.pixel(X, Y);
  return RGB(qRed(P), qGreen(P), qBlue(P));
}

bool HasDarkPixel(const QImage& Image, const QRect& Area) {
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X)
      if (qGray(Image.pixel(X, Y)) < 100) return true;
  return false;
}
}  // namespace

TEST(MiniHTML, StartsWithItsDefaults) {
  TMiniHTML W;
  EXPECT_EQ(W.Width(), 200);
  EXPECT_EQ(W.Height(), 100);
  EXPECT_TRUE(W.Transparent());
  EXPECT_EQ(W.Color(), clWindow);
  EXPECT_TRUE(W.Lines().isEmpty());
  EXPECT_EQ(W.Header1()->Height(), 24);
  EXPECT_EQ(W.Header1()->Name(), "Tahoma");
  EXPECT_EQ(W.Header2()->Height(), TFont().Height());
  EXPECT_EQ(W.Hyperlinks()->Style(), int(fsUnderline));
  EXPECT_EQ(W.Hyperlinks()->Color(), clBlue);
  EXPECT_EQ(W.GetHeader(0), nullptr);
  EXPECT_EQ(W.GetHeader(7), nullptr);
  EXPECT_FALSE(W.IsStored("Color"));
  W.SetColor(clRed);
  EXPECT_TRUE(W.IsStored("Color"));
  EXPECT_EQ(TMiniHTML::DesignSampleLines().size(), 4);
}

TEST(MiniHTML, SettingFontsCopiesThem) {
  TMiniHTML W;
  TFont F;
  F.SetHeight(-30);
  F.SetColor(clGreen);
  W.SetHeader(3, &F);
  W.SetHyperlinks(&F);
  F.SetHeight(-5);
  EXPECT_EQ(W.Header3()->Height(), -30);
  EXPECT_EQ(W.Hyperlinks()->Color(), clGreen);
  EXPECT_NE(W.Header3(), &F);
}

TEST(MiniHTML, LeftPressOnALinkJumpsWithTheTargetAsWritten) {
  TText T;
  T.W.SetLines({"Gehe zu <A HREF=12>Seite zwölf</A> oder", "<a href=\"Kapitel  2\">dahin</a>."});
  EXPECT_TRUE(T.W.Links().empty());  // links come with the first paint
  T.Paint();
  ASSERT_EQ(T.W.Links().size(), 2u);

  T.Press(T.LinkCentre(0), Qt::RightButton);
  T.Press(T.LinkCentre(0), Qt::MiddleButton);
  EXPECT_TRUE(T.Jumps.isEmpty());
  T.Press(T.LinkCentre(0));
  T.Press(T.LinkCentre(1));
  EXPECT_EQ(T.Jumps, QStringList({"12", "Kapitel 2"}));

  // Edges belong to the link; a pixel beyond does not.
  const TXRect R = T.W.Links()[0]->Bounds.back();
  T.Jumps.clear();
  T.Press({R.Right, R.Bottom});
  T.Press({R.Left, R.Top});
  T.Press({R.Right + 1, R.Top});
  EXPECT_EQ(T.Jumps, QStringList({"12", "12"}));

  // Without a handler a press does nothing.
  T.W.OnHyperjump = nullptr;
  T.Press(T.LinkCentre(0));
  EXPECT_EQ(T.Jumps.size(), 2);
}

TEST(MiniHTML, HandCursorOnlyOverLinksAndOnlyWithAHandler) {
  TText T;
  T.W.SetLines({"Text <A HREF=1>Link</A>"});
  T.Paint();
  T.Move(T.LinkCentre(0));
  EXPECT_EQ(T.W.Cursor(), crHandPoint);
  T.Move({299, 119});
  EXPECT_EQ(T.W.Cursor(), crDefault);
  T.W.OnHyperjump = nullptr;
  T.Move(T.LinkCentre(0));
  EXPECT_EQ(T.W.Cursor(), crDefault);
}

TEST(MiniHTML, NewTextReplacesTheLinksOnceItIsPainted) {
  TText T;
  T.W.SetLines({"<A HREF=alt>alter Link</A>"});
  T.Paint();
  const QPoint Old = T.LinkCentre(0);
  T.W.ClearLines();
  T.W.AddLine("ganz anderer Text, <A HREF=neu>neu</A>");
  T.Press(Old);  // not painted yet: the old link still answers
  T.Paint();
  T.Press(Old);
  ASSERT_EQ(T.W.Links().size(), 1u);
  T.Press(T.LinkCentre(0));
  EXPECT_EQ(T.Jumps, QStringList({"alt", "neu"}));
}

TEST(MiniHTML, PaintsItsBackgroundOnlyWhenNotTransparent) {
  TMiniHTML W;
  W.SetBounds(0, 0, 120, 40);
  W.SetColor(clYellow);
  W.SetLines({"<H1>Wort</H1>"});
  for (const bool Transparent : {true, false}) {
    W.SetTransparent(Transparent);
    QImage Image = Filled(140, 50, clRed);
    {
      TCanvas C(&Image);
      W.DrawContent(C, false, SRCCOPY, TRect{0, 0, 120, 40});
    }
    EXPECT_EQ(PixelAt(Image, 119, 39), Transparent ? clRed : clYellow);
    EXPECT_EQ(PixelAt(Image, 130, 45), clRed);  // outside the control
    EXPECT_TRUE(HasDarkPixel(Image, QRect(0, 0, 120, 40)));
  }
  // An empty text draws nothing but the background.
  W.ClearLines();
  QImage Image = Filled(120, 40, clRed);
  {
    TCanvas C(&Image);
    W.DrawContent(C, false, SRCCOPY, TRect{0, 0, 120, 40});
  }
  EXPECT_FALSE(HasDarkPixel(Image, QRect(0, 0, 120, 40)));
  EXPECT_EQ(PixelAt(Image, 60, 20), clYellow);
}

TEST(MiniHTML, BufferedDrawingCombinesWithTheBrush) {
  TMiniHTML W;
  W.SetBounds(0, 0, 100, 30);
  W.SetLines({"<B>x</B>"});
  QImage Image = Filled(120, 50, clWhite);
  {
    TCanvas C(&Image);
    C.Brush().SetColor(clAqua);
    W.DrawContent(C, true, MERGECOPY, TRect{10, 5, 60, 25});
  }
  EXPECT_EQ(PixelAt(Image, 59, 24), clAqua);  // white buffer AND the brush
  EXPECT_EQ(PixelAt(Image, 60, 25), clWhite);  // beyond the rectangle
  EXPECT_EQ(PixelAt(Image, 9, 4), clWhite);
  EXPECT_TRUE(HasDarkPixel(Image, QRect(10, 5, 50, 20)));
  EXPECT_FALSE(HasDarkPixel(Image, QRect(60, 0, 60, 50)));
}

namespace {
class TfmHtmlDemo : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;
  QStringList Jumps;
 public slots:
  void MiniHTML1Hyperjump(QObject*, const QString& URL) { Jumps.append(URL); }
};
}  // namespace

TEST(MiniHTML, ComesFromADesign) {
  RegisterPlatformClasses();
  RegisterMyHtmlClasses();
  TfmHtmlDemo Form;
  const QList<TFormProblem> Problems = Form.LoadDesignText(
      "object fmDemo: TfmHtmlDemo\n"
      "  object MiniHTML1: TMiniHTML\n"
      "    Left = 8\n    Top = 8\n    Width = 300\n    Height = 60\n"
      "    Header1.Height = 30\n"
      "    Hyperlinks.Color = clRed\n"
      "    Lines.Strings = (\n      '<A HREF=830>weiter</A>'\n      'Text')\n"
      "    Transparent = False\n"
      "    OnHyperjump = MiniHTML1Hyperjump\n"
      "  end\n"
      "end\n",
      "demo.frm");
  for (const TFormProblem& P : Problems) ADD_FAILURE() << P.ToString().toStdString();
  auto* W = Form.Component<TMiniHTML>("MiniHTML1");
  EXPECT_EQ(W->Lines(), QStringList({"<A HREF=830>weiter</A>", "Text"}));
  EXPECT_EQ(W->Header1()->Height(), 30);
  EXPECT_EQ(W->Hyperlinks()->Color(), clRed);
  EXPECT_FALSE(W->Transparent());
  (void)W->grab();
  ASSERT_EQ(W->Links().size(), 1u);
  const TXRect R = W->Links()[0]->Bounds.at(0);
  QMouseEvent E(QEvent::MouseButtonPress, QPoint(R.Left + 1, R.Top + 1), QPoint(), Qt::LeftButton, Qt::LeftButton,
                Qt::NoModifier);
  QCoreApplication::sendEvent(W, &E);
  EXPECT_EQ(Form.Jumps, QStringList({"830"}));
}

TEST(MiniHTML, ADesignedTextTakesItsLinkFontFromItsForm) {
  RegisterPlatformClasses();
  RegisterMyHtmlClasses();
  TfmHtmlDemo Form;
  const QList<TFormProblem> Problems = Form.LoadDesignText(
      "object fmDemo: TfmHtmlDemo\n"
      "  Font.Height = -17\n"
      "  Font.Name = 'Times New Roman'\n"
      "  object Panel1: TPanel\n"
      "    object MiniHTML1: TMiniHTML\n"
      "      Lines.Strings = (\n        '<A HREF=830>weiter</A>')\n"
      "    end\n"
      "  end\n"
      "  object MiniHTML2: TMiniHTML\n"
      "    Hyperlinks.Height = -11\n"
      "  end\n"
      "end\n",
      "demo.frm");
  for (const TFormProblem& P : Problems) ADD_FAILURE() << P.ToString().toStdString();
  for (const char* Name : {"MiniHTML1", "MiniHTML2"}) {
    SCOPED_TRACE(Name);
    const TFont* Links = Form.Component<TMiniHTML>(Name)->Hyperlinks();
    EXPECT_EQ(Links->Name(), "Times New Roman");
    EXPECT_EQ(Links->Style(), int(fsUnderline));
    EXPECT_EQ(Links->Color(), clBlue);
  }
  EXPECT_EQ(Form.Component<TMiniHTML>("MiniHTML1")->Hyperlinks()->Height(), -17);
  EXPECT_EQ(Form.Component<TMiniHTML>("MiniHTML2")->Hyperlinks()->Height(), -11);  // the design's own word wins
  EXPECT_EQ(TComponentRegistry::CreatingOwner(), nullptr);
}

#include "MyHtmlControlTest.moc"
