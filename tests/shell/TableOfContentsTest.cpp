#include <gtest/gtest.h>

#include <functional>

#include "shell/PageTable.h"
#include "shell/TableOfContents.h"

namespace {

const TTableOfContents& Shipped() {
  static const TTableOfContents Toc = ShippedTableOfContents();
  return Toc;
}

std::vector<int> PagesInCourseOrder(const TTableOfContents& Toc) {
  std::vector<int> Pages;
  for (TTocNodeId Id : Toc.CourseOrder()) Pages.push_back(Toc.Node(Id).Page);
  return Pages;
}

}  // namespace

TEST(TableOfContents, ShippedTreeInCourseOrder) {
  const std::vector<int> Expected = {10, 100, 110, 120, 130, 140, 150, 160, 170, 200, 205, 210, 220,
                                     230, 240, 250, 260, 300, 310, 320, 330, 400, 410, 420, 430, 440,
                                     450, 460, 470, 480, 500, 510, 520, 530, 540, 550, 560, 570, 800,
                                     810, 820, 830, 840, 850, 855, 857, 858, 860, 870, 900, 910, 920,
                                     930, 940, 950, 960, 970, 1000, 1010};
  EXPECT_EQ(Shipped().NodeCount(), 59);
  EXPECT_EQ(PagesInCourseOrder(Shipped()), Expected);
}

TEST(TableOfContents, QueriesOnTheShippedTree) {
  struct Case {
    int Page, First, Previous, Overview, Next, Last, Chapter;
    const char* Path;
    const char* ShortPath;
  } Cases[] = {
      {10, -1, -1, -1, -1, -1, 0, "Velotra", "Velotra"},
      {100, -1, -1, 10, 200, 1000, 1, "Velotra/Rechenvorschriften", "Velotra/Rechenvorschriften"},
      {110, -1, -1, 100, 120, 170, 1, "Velotra/Rechenvorschriften/Einführung", ".../Rechenvorschriften/Einführung"},
      {120, 110, 110, 100, 130, 170, 1, "Velotra/Rechenvorschriften/Bremsweg", ".../Rechenvorschriften/Bremsweg"},
      {170, 110, 160, 100, -1, -1, 1, "Velotra/Rechenvorschriften/Übung 1", ".../Rechenvorschriften/Übung 1"},
      {205, -1, -1, 200, 210, 260, 2, "Velotra/Aufstellen von Termen/Der Termdialog",
       ".../Aufstellen von Termen/Der Termdialog"},
      {400, 100, 300, 10, 500, 1000, 4, "Velotra/Äquivalenz", "Velotra/Äquivalenz"},
      {500, 100, 400, 10, 800, 1000, 5, "Velotra/Multiplikation von Summen", "Velotra/Multiplikation von Summen"},
      {855, 810, 850, 800, 857, 870, 8, "Velotra/Binomische Formeln/(a+b)³", ".../Binomische Formeln/(a+b)³"},
      {970, 910, 960, 900, -1, -1, 9, "Velotra/Faktorisieren/Übung 3", ".../Faktorisieren/Übung 3"},
      {1000, 100, 900, 10, -1, -1, 10, "Velotra/Aufgaben", "Velotra/Aufgaben"},
      {1010, -1, -1, 1000, -1, -1, 10, "Velotra/Aufgaben/VavoRever", ".../Aufgaben/VavoRever"},
  };
  const TTableOfContents& Toc = Shipped();
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Page);
    EXPECT_EQ(Toc.First(C.Page), C.First);
    EXPECT_EQ(Toc.Previous(C.Page), C.Previous);
    EXPECT_EQ(Toc.Overview(C.Page), C.Overview);
    EXPECT_EQ(Toc.Next(C.Page), C.Next);
    EXPECT_EQ(Toc.Last(C.Page), C.Last);
    EXPECT_EQ(Toc.Chapter(C.Page), C.Chapter);
    EXPECT_EQ(Toc.Path(C.Page), C.Path);
    EXPECT_EQ(Toc.ShortPath(C.Page), C.ShortPath);
  }
}

TEST(TableOfContents, EveryQueryFailsForAPageOutsideTheTree) {
  const TTableOfContents& Toc = Shipped();
  const std::function<void(int)> Queries[] = {
      [&](int P) { Toc.First(P); },    [&](int P) { Toc.Previous(P); },  [&](int P) { Toc.Overview(P); },
      [&](int P) { Toc.Next(P); },     [&](int P) { Toc.Last(P); },      [&](int P) { Toc.Chapter(P); },
      [&](int P) { Toc.Path(P); },     [&](int P) { Toc.ShortPath(P); }, [&](int P) { Toc.Group(P); },
  };
  for (int Page : {0, -1, 999, 20}) {
    for (const auto& Query : Queries) {
      try {
        Query(Page);
        ADD_FAILURE() << "no error for page " << Page;
      } catch (const EPageNotFound& E) {
        EXPECT_EQ(std::string(E.what()), "Seite " + std::to_string(Page) + " konnte nicht gefunden werden!");
        EXPECT_EQ(E.Page(), Page);
      }
    }
  }
}

TEST(TableOfContents, GroupListsTheSiblingsWithShortPaths) {
  const TPageGroup Bremsweg = Shipped().Group(120);
  ASSERT_EQ(Bremsweg.Items.size(), 7u);
  EXPECT_EQ(Bremsweg.Index, 1);
  EXPECT_EQ(Bremsweg.Items[0], (TPageGroupItem{".../Rechenvorschriften/Einführung", 110}));
  EXPECT_EQ(Bremsweg.Items[6], (TPageGroupItem{".../Rechenvorschriften/Übung 1", 170}));

  const TPageGroup Chapters = Shipped().Group(1000);
  ASSERT_EQ(Chapters.Items.size(), 8u);
  EXPECT_EQ(Chapters.Index, 7);
  EXPECT_EQ(Chapters.Items[0], (TPageGroupItem{"Velotra/Rechenvorschriften", 100}));

  const TPageGroup Root = Shipped().Group(10);
  ASSERT_EQ(Root.Items.size(), 1u);
  EXPECT_EQ(Root.Items[0], (TPageGroupItem{"Velotra", NoPage}));
  EXPECT_EQ(Root.Index, 0);
}

TEST(TableOfContents, PageWalkVisitsTheCourseOrder) {
  TTableOfContents Toc = ShippedTableOfContents();
  std::vector<int> Walked{Toc.FirstPage()};
  for (int P = Toc.NextPage(); P != NoPage; P = Toc.NextPage()) Walked.push_back(P);
  EXPECT_EQ(Walked, PagesInCourseOrder(Toc));
  EXPECT_EQ(Toc.WalkPages(), Walked);
  EXPECT_EQ(Toc.NextPage(), NoPage);  // stays at the end
  EXPECT_EQ(Toc.FirstPage(), 10);     // and starts over
}

TEST(TableOfContents, NodesWithoutOrWithZeroPages) {
  // -1 (no page) root, a page 0, a page-less group and pages below it.
  TTableOfContents Toc;
  const TTocNodeId Root = Toc.Add(NoNode, "Wurzel", NoPage);
  Toc.Add(Root, "Null", 0);
  const TTocNodeId Group = Toc.Add(Root, "Gruppe", NoPage);
  Toc.Add(Group, "Fünf", 5);
  const TTocNodeId Seven = Toc.Add(Toc.NodeOf(5), "Sieben", 7);
  EXPECT_EQ(Toc.Depth(Seven), 3);
  EXPECT_EQ(Toc.Overview(7), 5);
  EXPECT_EQ(Toc.Overview(5), NoPage);  // no ancestor with a number of 0 or more
  EXPECT_EQ(Toc.Next(0), NoPage);      // the next sibling carries no page
  EXPECT_EQ(Toc.WalkPages(), (std::vector<int>{0, 5, 7}));
  EXPECT_EQ(Toc.FirstPage(), 0);       // 0 counts as a first page ...
  EXPECT_EQ(Toc.NextPage(), 5);        // ... but not as a next one
  EXPECT_EQ(Toc.NextPage(), 7);
  EXPECT_EQ(Toc.NextPage(), NoPage);
  EXPECT_THROW(Toc.Add(NoNode, "zweite Wurzel", 1), std::logic_error);

  TTableOfContents Empty;
  EXPECT_EQ(Empty.FirstPage(), NoPage);
  EXPECT_EQ(Empty.NextPage(), NoPage);
  EXPECT_EQ(Empty.ToIndentedText(), "");
  EXPECT_TRUE(Empty.WalkPages().empty());
}

TEST(TableOfContents, IndentedTextHasOneLinePerNode) {
  const std::string Text = Shipped().ToIndentedText();
  EXPECT_EQ(Text.rfind("Velotra\r\n\tRechenvorschriften\r\n\t\tEinführung\r\n\t\tBremsweg\r\n", 0), 0u);
  size_t Lines = 0;
  for (size_t Pos = Text.find("\r\n"); Pos != std::string::npos; Pos = Text.find("\r\n", Pos + 2)) ++Lines;
  EXPECT_EQ(Lines, static_cast<size_t>(Shipped().NodeCount()));
}

TEST(PageTable, ShippedRowsMatchTheTree) {
  const TPageTable Pages = ShippedPageTable();
  EXPECT_EQ(Pages.Count(), Shipped().NodeCount());  // every node has its page form
  EXPECT_EQ(Pages.ClassOf(10), "TfmStartseite");
  EXPECT_EQ(Pages.ClassOf(300), "TfmChapterStart");
  EXPECT_EQ(Pages.ClassOf(960), "TfmFAU1");
  EXPECT_EQ(Pages.ClassOf(970), "TfmFAU2");
  EXPECT_EQ(Pages.ClassOf(1010), "TfmTAVavorever");
  EXPECT_EQ(Pages.ClassOf(1000), "TfmChapterStart");  // the tasks' chapter start
  EXPECT_FALSE(Pages.Has(0));
  for (const TPageRow& Row : Pages.Rows()) EXPECT_TRUE(Shipped().Contains(Row.Page)) << Row.Page;
  EXPECT_EQ(PageMissingMessage(43), "Seite 43 nicht vorhanden.");
}
