#include <gtest/gtest.h>

#include <map>

#include "common/Colors.h"
#include "shell/CourseModel.h"
#include "shell/PageNumbers.h"
#include "shell/PageSetup.h"

namespace {

// What the shell does for a go-to request, minus the windows.
TGotoCheck Visit(TCourseModel& Model, int Page, bool AddToHistory = true) {
  const TGotoCheck Check = Model.CheckGoto(Page);
  if (Check == gcShow) {
    Model.EnterPage(Page);
    Model.RecordVisit(AddToHistory);
  }
  return Check;
}

void FollowRequest(TCourseModel& Model, const std::optional<TGotoRequest>& Request) {
  ASSERT_TRUE(Request.has_value());
  Visit(Model, Request->Page, Request->AddToHistory);
}

}  // namespace

TEST(History, AddBackForward) {
  THistory H;
  EXPECT_FALSE(H.CanGoBack());
  EXPECT_FALSE(H.CanGoForward());
  EXPECT_EQ(H.Back(), -1);
  for (int Page : {10, 100, 120}) H.Add(Page);
  EXPECT_EQ(H.Back(), 100);
  EXPECT_EQ(H.Back(), 10);
  EXPECT_EQ(H.Back(), -1);
  EXPECT_EQ(H.Index(), 0);
  EXPECT_EQ(H.Count(), 3);  // going back does not shorten it
  EXPECT_EQ(H.Forward(), 100);
  H.Add(200);  // drops 120
  EXPECT_EQ(H.Items(), (std::vector<int>{10, 100, 200}));
  EXPECT_FALSE(H.CanGoForward());
  EXPECT_TRUE(H.CanGoBack());
}

TEST(CourseModel, GoingToPages) {
  TCourseModel Model;
  Model.LoadLearnPath();
  EXPECT_EQ(Visit(Model, 10), gcShow);
  EXPECT_EQ(Visit(Model, 10), gcSamePage);  // not even a history entry
  EXPECT_EQ(Model.History().Count(), 1);
  EXPECT_EQ(Visit(Model, 28), gcNoPage);
  EXPECT_EQ(TCourseModel::GotoMessage(gcNoPage, 28), "Seite 28 nicht vorhanden.");
  EXPECT_EQ(Visit(Model, 5), gcNoPage);
  EXPECT_EQ(Model.CurrentPage(), 10);
  EXPECT_EQ(Model.Caption(), "Velotra");

  EXPECT_FALSE(Model.EnterPage(120));  // chapter 0 -> 1
  EXPECT_TRUE(Model.EnterPage(130));
  EXPECT_EQ(Model.CurrentChapter(), 1);
  EXPECT_EQ(Model.Caption(), "Velotra/Rechenvorschriften/Beispiele");
  EXPECT_EQ(Model.CurrentGroup().Index, 2);
}

TEST(CourseModel, ExclusivePathAdmitsItsPagesAndTheStartPage) {
  TCourseModel Model;
  Model.SetCommandLine(TCommandLine({"/X/nicht/da.txt"}));
  EXPECT_TRUE(Model.LearnPath().Exclusive());
  Model.LearnPath().Clear();
  Model.LearnPath().ReadFromText("120\n130\n");
  EXPECT_EQ(Visit(Model, 120), gcShow);
  EXPECT_EQ(Visit(Model, 10), gcShow);
  EXPECT_EQ(Visit(Model, 110), gcNotInPath);
  EXPECT_EQ(TCourseModel::GotoMessage(gcNotInPath, 110), "Seite nicht im Lernpfad");
  EXPECT_EQ(Visit(Model, 43), gcNoPage);  // a missing form is reported first
}

TEST(CourseModel, NavigationButtonsAndTargets) {
  struct Case {
    int Page;
    int First, Previous, Overview, Next, Last;  // -1: hidden, no target
  } Cases[] = {
      {10, -1, -1, -1, -1, -1},       {100, -1, -1, 10, 200, 1000},  {110, -1, -1, 100, 120, 170},
      {120, 110, 110, 100, 130, 170}, {170, 110, 160, 100, -1, -1},  {1010, -1, -1, 1000, -1, -1},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Page);
    TCourseModel Model;
    Visit(Model, C.Page);
    const int Targets[] = {C.First, C.Previous, C.Overview, C.Next, C.Last};
    const TNavButtonStates States = Model.ButtonStates();
    for (int Kind = nkFirst; Kind <= nkLast; ++Kind) {
      const int Target = Targets[Kind - nkFirst];
      EXPECT_EQ(States.IsVisible(Kind), Target != -1) << Kind;
      const auto Request = Model.Navigate(Kind, true);
      EXPECT_EQ(Request, Target == -1 ? std::nullopt : std::optional(TGotoRequest{Target, true, false})) << Kind;
    }
    EXPECT_FALSE(States.IsVisible(nkBack));
    EXPECT_FALSE(States.IsVisible(nkForward));
  }

  TCourseModel Exclusive;
  Exclusive.LearnPath().SetExclusive(true);
  Visit(Exclusive, 10);
  Exclusive.LearnPath().Add(120);
  Visit(Exclusive, 120);
  const TNavButtonStates States = Exclusive.ButtonStates();
  for (int Kind = nkFirst; Kind <= nkLast; ++Kind) EXPECT_FALSE(States.IsVisible(Kind)) << Kind;
  EXPECT_TRUE(States.IsVisible(nkBack));
}

TEST(CourseModel, HistoryNavigationPostsWithoutAddingEntries) {
  TCourseModel Model;
  for (int Page : {10, 100, 120}) Visit(Model, Page);
  EXPECT_EQ(Model.Navigate(nkForward, true), std::nullopt);
  const auto Back = Model.Navigate(nkBack, true);
  EXPECT_EQ(Back, (TGotoRequest{100, false, true}));
  FollowRequest(Model, Back);
  EXPECT_TRUE(Model.ButtonStates().IsVisible(nkBack));
  EXPECT_TRUE(Model.ButtonStates().IsVisible(nkForward));
  EXPECT_EQ(Model.History().Count(), 3);

  FollowRequest(Model, Model.Navigate(nkNext, true));  // 200: drops 120
  EXPECT_EQ(Model.History().Items(), (std::vector<int>{10, 100, 200}));
  EXPECT_FALSE(Model.ButtonStates().IsVisible(nkForward));
  EXPECT_EQ(Model.Navigate(7, true), std::nullopt);
  EXPECT_EQ(ClampNavKind(7), nkForward);
  EXPECT_EQ(ClampNavKind(-9), nkBack);
}

TEST(CourseModel, NavigatingBeforeTheFirstPageReportsPageZero) {
  TCourseModel Model;
  try {
    Model.Navigate(nkNext, true);
    ADD_FAILURE();
  } catch (const EPageNotFound& E) {
    EXPECT_STREQ(E.what(), "Seite 0 konnte nicht gefunden werden!");
  }
}

TEST(CourseModel, SoundAndProgramStart) {
  TCourseModel Model;
  Model.SetCommandLine(TCommandLine({"/aC:\\Kurs\\"}));
  std::vector<bool> Told;
  Model.OnSoundChanged = [&](bool Flag) { Told.push_back(Flag); };
  EXPECT_FALSE(Model.Sound());
  EXPECT_EQ(Model.ExecParameters(5, 100, -12), "5 100 -12 0");
  Model.SetSound(true);
  EXPECT_EQ(Told, std::vector<bool>{true});
  EXPECT_EQ(Model.ExecParameters(5, 100, 12), "5 100 12 1");
  EXPECT_EQ(Model.ExecCommandLine("Spiel.exe", "5 100 12 1"), "\"C:\\Kurs\\Spiel.exe\" 5 100 12 1");
}

TEST(ChapterColor, ByPageNumber) {
  struct Case {
    int Page;
    int R, G, B;
  } Cases[] = {
      {10, 64, 64, 64},       {120, 184, 96, 80},  {850, 128, 64, 64}, {1010, 112, 128, 96},
      {-100, 72, 32, 176},    {7900, 200, 160, 176},  // red (-120 + 64) cut to its low byte
  };
  for (const Case& C : Cases) EXPECT_EQ(ChapterColor(C.Page), RGB(C.R, C.G, C.B)) << C.Page;
  // Every chapter of the course has a colour of its own.
  std::map<TColor, int> Chapters;
  for (const int Page : ShippedTableOfContents().WalkPages()) {
    const auto It = Chapters.try_emplace(ChapterColor(Page), PageChapter(Page));
    EXPECT_EQ(It.first->second, PageChapter(Page)) << Page;
  }
  EXPECT_EQ(PageChapter(1010), 10);
  EXPECT_EQ(PageChapter(99), 0);
}

TEST(KeywordTable, IndexesOnlyPagesOfThisCourse) {
  TCourseModel Model;
  for (const TKeywordRow& Row : Model.Keywords()) {
    EXPECT_TRUE(Model.Pages().Has(Row.Page)) << Row.Page;
    EXPECT_TRUE(Row.Keywords.size() >= 1 && Row.Keywords.size() <= 4) << Row.Page;
  }
  const std::vector<TKeyword> List = BuildKeywordList(Model.Keywords());
  for (size_t I = 1; I < List.size(); ++I) EXPECT_TRUE(GermanLess(List[I - 1].Text, List[I].Text)) << List[I].Text;

  const auto Start = std::find_if(List.begin(), List.end(), [](const TKeyword& K) { return K.Text == "Startseite"; });
  ASSERT_NE(Start, List.end());
  EXPECT_EQ(KeywordPageLines(Model.Contents(), *Start), (std::vector<TPageGroupItem>{{"Velotra", 10}}));
}

TEST(KeywordTable, MergesKeywordsAndSortsGerman) {
  const std::vector<TKeyword> List =
      BuildKeywordList({{120, {"Übung", "Bremsweg"}}, {110, {"Übung", "Abzählen"}}, {20, {"Variable"}}});
  ASSERT_EQ(List.size(), 4u);
  EXPECT_EQ(List[0].Text, "Abzählen");
  EXPECT_EQ(List[1].Text, "Bremsweg");
  EXPECT_EQ(List[2].Text, "Übung");
  EXPECT_EQ(List[2].Pages, (std::vector<int>{120, 110}));
  EXPECT_EQ(List[3].Text, "Variable");

  const TTableOfContents Toc = ShippedTableOfContents();
  EXPECT_EQ(KeywordPageLines(Toc, List[2]),
            (std::vector<TPageGroupItem>{{"Rechenvorschriften/Bremsweg", 120}, {"Rechenvorschriften/Einführung", 110}}));
  EXPECT_THROW(KeywordPageLines(Toc, List[3]), EPageNotFound);
  EXPECT_TRUE(GermanLess("Straße", "Strasse") != GermanLess("Strasse", "Straße"));
  EXPECT_TRUE(GermanLess("ärger", "Ast"));
}

TEST(PageSetup, TagBitsAndChapterBackground) {
  const TPageSetup Plain = PageSetupFromTag(0);
  EXPECT_TRUE(Plain.DoubleBuffered && Plain.ToolBarVisible && Plain.ChapterBackground);
  EXPECT_FALSE(Plain.OwnKeys || Plain.HorzScrollBar || Plain.VertScrollBar);
  const TPageSetup All = PageSetupFromTag(63);
  EXPECT_FALSE(All.DoubleBuffered || All.ToolBarVisible || All.ChapterBackground);
  EXPECT_TRUE(All.OwnKeys && All.HorzScrollBar && All.VertScrollBar);

  struct Case {
    int Tag, Chapter;
    bool SameChapter, HaveRendered;
    TBackgroundAction Action;
  } Cases[] = {
      {0, 1, true, true, baReuse},  {0, 1, false, true, baRender}, {0, 1, true, false, baRender},
      {4, 0, false, false, baNone},  // the start page
      {0, 8, false, false, baNone},   {0, 7, true, true, baNone},    {0, -1, true, true, baNone},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(ChapterBackgroundAction(C.Tag, C.Chapter, 7, C.SameChapter, C.HaveRendered), C.Action)
        << C.Tag << " " << C.Chapter;
}
