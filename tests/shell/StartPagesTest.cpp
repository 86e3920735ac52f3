// The start page and the chapter start pages as the pupil meets them: built
// from their designs inside the main window.
#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "components/ComponentClasses.h"
#include "components/MyHtml.h"
#include "platform/Image.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/MMBoxRegister.h"
#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"
#include "shell/ChapterStart.h"
#include "shell/PageForms.h"
#include "shell/PageNumbers.h"
#include "shell/ShellClasses.h"
#include "shell/Startseite.h"

namespace {

// A main window whose start pages come from their designs; every other page
// is a stand-in.
struct TDesignedStart : TShownMain {
  TDesignedStart() : TShownMain(false) {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterSceneBoxClasses();
    RegisterShellClasses();
    Course().PageFactory = [Designed = DesignedPageFactory(), Others = Pages.Factory()](const std::string& Class,
                                                                                     QWidget* Parent) {
      return Class == "TfmStartseite" || Class == "TfmChapterStart" ? Designed(Class, Parent) : Others(Class, Parent);
    };
    Main->show();
    RunPosted();
  }
  template <class T>
  T* Shown() const {
    return qobject_cast<T*>(Course().CurrentPageForm());
  }
};

TEST(StartPages, StartPageButtonsLeadToTheirTags) {
  const struct {
    const char* Name;
    const char* Caption;
    int Tag;
  } Buttons[] = {
      {"PCVGlassButton1", "&Rechenvorschriften", 100},    {"PCVGlassButton2", "&Aufstellen von Termen", 200},
      {"PCVGlassButton3", "&Interpretieren von Termen", 300}, {"PCVGlassButton4", "Ä&quivalenz", 400},
      {"PCVGlassButton5", "&Multiplikation von Summen", 500}, {"PCVGlassButton6", "&Binomische Formeln", 800},
      {"PCVGlassButton7", "&Faktorisieren", 900},          {"PCVGlassButton8", "Aufgaben", 1000},
  };
  TDesignedStart M;
  for (const auto& B : Buttons) {
    SCOPED_TRACE(B.Name);
    M.Goto(StartPage);
    auto* Start = M.Shown<TfmStartseite>();
    ASSERT_NE(Start, nullptr);
    auto* Button = Start->Component<TPCVGlassButton>(B.Name);
    EXPECT_EQ(Button->Caption(), QString::fromUtf8(B.Caption));
    EXPECT_EQ(Button->Tag(), B.Tag);
    M.Messages.Texts.clear();
    Button->OnClick(Button);
    RunPosted();
    if (B.Tag < 100) {
      EXPECT_EQ(M.Messages.Texts, QStringList{QStringLiteral("Seite %1 nicht vorhanden.").arg(B.Tag)});
      EXPECT_EQ(M.Course().CurrentPage(), StartPage);
    } else {
      EXPECT_TRUE(M.Messages.Texts.isEmpty());
      EXPECT_EQ(M.Course().CurrentPage(), B.Tag);
      EXPECT_EQ(M.Course().Model().History().Items().back(), B.Tag);
    }
  }
}

TEST(StartPages, HyperlinksNameThePageTheyLeadTo) {
  const struct {
    const char* Target;
    int Page;  // 0: ignored
  } Links[] = {{"12", 12}, {" 110 ", 110}, {"0110", 110}, {"abc", 0}, {"-5", 0}, {"12a", 0}, {"", 0}, {"0", 0},
               {"99999999999", 0}};
  for (const auto& L : Links) EXPECT_EQ(PageFromLinkTarget(L.Target).value_or(0), L.Page) << L.Target;

  TDesignedStart M;
  auto* Text = M.Shown<TfmStartseite>()->Component<TMiniHTML>("MiniHTML3");
  EXPECT_TRUE(Text->Lines().join(' ').contains("<A HREF=110>"));
  Text->OnHyperjump(Text, "abc");
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), StartPage);
  Text->OnHyperjump(Text, "12");
  RunPosted();
  EXPECT_EQ(M.Messages.Texts, QStringList{"Seite 12 nicht vorhanden."});
  Text->OnHyperjump(Text, "110");
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 110);
}

TEST(StartPages, ChapterStartShowsThePictureAndTitleOfItsChapter) {
  const struct {
    int Page;
    int Image;
    const char* Title;
  } Chapters[] = {{100, 2, "Rechenvorschriften"},
                  {200, 3, "Aufstellen von Termen"},
                  {300, 3, "Interpretieren von Termen"},
                  {500, 6, "Multiplikation von Summen"},
                  {800, 1, "Binomische Formeln"},
                  {900, 4, "Faktorisieren"},
                  {1000, 5, "Aufgaben"}};
  TDesignedStart M;
  for (const auto& C : Chapters) {
    SCOPED_TRACE(C.Page);
    M.Goto(C.Page);
    auto* Page = M.Shown<TfmChapterStart>();
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->PCShape1()->Caption(), QString::fromUtf8(C.Title));
    const TPicture* Background = Page->PCPanel1()->Background();
    ASSERT_FALSE(Background->Empty());
    EXPECT_EQ(Background->Data(), Page->Image(C.Image)->Picture()->Data());
    for (int I = 1; I <= 5; ++I) EXPECT_FALSE(Page->Image(I)->isVisible());
  }
  // Any other page number keeps the design.
  M.Goto(StartPage);
  auto Page = CreateForm<TfmChapterStart>();
  EXPECT_EQ(Page->PCShape1()->Caption(), "Kapitel");
  EXPECT_TRUE(Page->PCPanel1()->Background()->Empty());
}

TEST(StartPages, PagesStartFromTheirDesignOnEveryVisit) {
  TDesignedStart M;
  EXPECT_EQ(M.Course().PaintingChapter(), nullptr);  // the start page has no chapter background
  auto* Text = M.Shown<TfmStartseite>()->Component<TMiniHTML>("MiniHTML3");
  const QStringList Design = Text->Lines();
  Text->SetLines({"geändert"});
  M.Goto(100);
  EXPECT_NE(M.Course().PaintingChapter(), nullptr);
  M.Shown<TfmChapterStart>()->PCShape1()->SetCaption("geändert");
  M.Goto(200);
  M.Goto(100);
  EXPECT_EQ(M.Shown<TfmChapterStart>()->PCShape1()->Caption(), "Rechenvorschriften");
  M.Goto(StartPage);
  EXPECT_EQ(M.Shown<TfmStartseite>()->Component<TMiniHTML>("MiniHTML3")->Lines(), Design);
  EXPECT_EQ(M.Course().PaintingChapter(), nullptr);
}

}  // namespace
