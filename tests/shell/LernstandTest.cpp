// The Lernstand's record and rules, and its text forms (report, export,
// class table), on a small course of their own.
#include <gtest/gtest.h>

#include "shell/Lernstand.h"
#include "shell/LernstandText.h"

namespace {

// Start page 10; chapter 100 with pages 110, 120 and 130 (130 without a
// page form); chapter 200 with page 210 below a node without a page.
struct TSmallCourse {
  TTableOfContents Toc;
  TPageTable Table{{{10, "TfmStart"}, {100, "TfmChapter"}, {110, "A"}, {120, "B"}, {200, "TfmChapter"}, {210, "C"}}};
  TSmallCourse() {
    const TTocNodeId Root = Toc.Add(NoNode, "Kurs", 10);
    const TTocNodeId C1 = Toc.Add(Root, "Erstes", 100);
    Toc.Add(C1, "Anfang", 110);
    Toc.Add(C1, "Mitte", 120);
    Toc.Add(C1, "Ohne Form", 130);
    const TTocNodeId C2 = Toc.Add(Root, "Zweites", 200);
    const TTocNodeId Group = Toc.Add(C2, "Gruppe", NoPage);
    Toc.Add(Group, "Tief", 210);
  }
};

constexpr TLernstandTime Dec9{2026, 12, 9, 14, 3, 12};
constexpr TLernstandTime Dec10{2026, 12, 10, 8, 0, 0};

}  // namespace

TEST(LernstandTime, IsoAndSheetTexts) {
  EXPECT_EQ(Dec9.IsoText(), "2026-12-09T14:03:12");
  EXPECT_EQ(Dec9.GermanDate(), "9.12.2026");
  EXPECT_EQ(Dec9.SheetText(), "09.12.2026 14:03");
  EXPECT_EQ(ParseIsoTime("2026-12-09T14:03:12"), Dec9);
  EXPECT_EQ(ParseIsoTime("2024-02-29T23:59:59"), (TLernstandTime{2024, 2, 29, 23, 59, 59}));
  EXPECT_EQ(ParseSheetTime("09.12.2026 14:03"), (TLernstandTime{2026, 12, 9, 14, 3, 0}));
  EXPECT_EQ(ParseSheetTime("9.12.2026"), (TLernstandTime{2026, 12, 9, 0, 0, 0}));
  for (const char* Bad : {"", "2026-12-09", "2026-12-09T14:03", "2026-12-09T14:03:12Z", "2026-13-09T14:03:12",
                          "2023-02-29T10:00:00", "2026-04-31T10:00:00", "2026-12-09T24:00:00", "1969-12-31T10:00:00",
                          "+026-12-09T14:03:12", "2026-12-09 14:03:12"})
    EXPECT_FALSE(ParseIsoTime(Bad)) << Bad;
  for (const char* Bad : {"", "9.12.26", "32.12.2026", "9.12.2026 25:00", "9.12.2026 14:3", "9.12.2026 14:03:00",
                          "9-12-2026"})
    EXPECT_FALSE(ParseSheetTime(Bad)) << Bad;
}

TEST(Lernstand, SolvedOnceChecksCountedVisitsCapped) {
  TLernstand L;
  EXPECT_TRUE(L.Empty());
  EXPECT_TRUE(L.MarkSolved(110, Dec9));
  EXPECT_FALSE(L.MarkSolved(110, Dec10));  // the first date stays
  EXPECT_EQ(L.Progress(110).FirstSolved, Dec9);
  L.AddCheck(120);
  L.AddCheck(120);
  EXPECT_EQ(L.Progress(120), (TPageProgress{false, {}, 2}));
  L.SetProgress(130, {false, {}, TLernstand::MaxChecks});
  L.AddCheck(130);
  EXPECT_EQ(L.Progress(130).Checks, TLernstand::MaxChecks);

  for (int I = 0; I < TLernstand::MaxVisits + 5; ++I) L.AddVisit(1000 + I);
  ASSERT_EQ(L.Visits().size(), static_cast<size_t>(TLernstand::MaxVisits));
  EXPECT_EQ(L.Visits().front(), 1005);
  EXPECT_EQ(L.Visits().back(), 1000 + TLernstand::MaxVisits + 4);
  std::vector<int> Long(TLernstand::MaxVisits + 1, 7);
  Long.back() = 8;
  L.SetVisits(Long);
  EXPECT_EQ(L.Visits().size(), static_cast<size_t>(TLernstand::MaxVisits));
  EXPECT_EQ(L.Visits().back(), 8);
}

TEST(Lernstand, ShowingPagesAndResuming) {
  TSmallCourse C;
  TLernstand L;
  RecordPageShown(L, C.Toc, 10, true, false, Dec9);
  EXPECT_EQ(L.LastPage(), NoPage);  // the start page is where every lesson begins
  EXPECT_FALSE(L.IsSolved(10));
  RecordPageShown(L, C.Toc, 100, true, false, Dec9);  // no check: shown is solved
  RecordPageShown(L, C.Toc, 110, false, true, Dec9);  // a check: not yet
  EXPECT_EQ(L.Visits(), (std::vector<int>{10, 100}));
  EXPECT_TRUE(L.IsSolved(100));
  EXPECT_FALSE(L.IsSolved(110));
  EXPECT_EQ(L.LastPage(), 110);
  EXPECT_EQ(ResumePage(L, C.Toc, C.Table), 110);
  // A last page the course no longer shows leads nowhere.
  for (int Gone : {130, 4711, 10}) {
    L.SetLastPage(Gone);
    EXPECT_EQ(ResumePage(L, C.Toc, C.Table), NoPage) << Gone;
  }
  EXPECT_EQ(WayAcrossLessons({1, 2, 3}, {4, 5}), (std::vector<int>{1, 2, 3, 4, 5}));
  const std::vector<int> Earlier(TLernstand::MaxVisits, 1);
  const std::vector<int> Way = WayAcrossLessons(Earlier, {4, 5});
  EXPECT_EQ(Way.size(), static_cast<size_t>(TLernstand::MaxVisits));
  EXPECT_EQ(Way.back(), 5);
}

TEST(Lernstand, StagesThatSolveAPage) {
  struct {
    bool Praise;
    int Stage, Last;
    bool Solves;
  } const Cases[] = {
      {true, 0, 0, true},    // the one praise of a one-stage page
      {true, 0, 1, false},   // an earlier stage's praise
      {false, 1, 1, false},  // at the last stage, not yet praised
      {true, 1, 1, true},
      {false, 2, 1, true},   // beyond the last stage: solved without a word
      {true, 5, 0, true},
      {true, 0, -1, false},  // nothing to check
      {false, 3, -1, false},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(StageSolves(C.Praise, C.Stage, C.Last), C.Solves) << C.Praise << " " << C.Stage << " " << C.Last;
}

TEST(Lernstand, ChapterCountsComeFromTheContents) {
  TSmallCourse C;
  TLernstand L;
  L.MarkSolved(100, Dec9);  // the chapter's own page does not count
  L.MarkSolved(120, Dec9);
  L.MarkSolved(4711, Dec9);  // unknown to the course: kept, not counted
  const std::vector<TChapterProgress> Chapters = ChapterProgress(C.Toc, C.Table, L);
  ASSERT_EQ(Chapters.size(), 2u);
  EXPECT_EQ(Chapters[0].Title, "Erstes");
  EXPECT_EQ(Chapters[0].Pages, (std::vector<int>{110, 120}));
  EXPECT_EQ(Chapters[0].Solved, 1);
  EXPECT_EQ(Chapters[1].Pages, (std::vector<int>{210}));
  EXPECT_EQ(ChapterProgressOf(210, C.Toc, C.Table, L)->Page, 200);
  EXPECT_EQ(ChapterProgressOf(100, C.Toc, C.Table, L)->Solved, 1);
  EXPECT_FALSE(ChapterProgressOf(10, C.Toc, C.Table, L));
  EXPECT_FALSE(ChapterProgressOf(4711, C.Toc, C.Table, L));
  EXPECT_EQ(ChapterSentence(Chapters[0]), "Du hast 1 von 2 Seiten dieses Kapitels gelöst.");
  EXPECT_EQ(ChapterSentence(Chapters[1]), "Du hast 0 von 1 Seite dieses Kapitels gelöst.");
}

TEST(LernstandText, ReportForTheTeacher) {
  TSmallCourse C;
  TLernstand L;
  EXPECT_EQ(ProgressReport(L, C.Toc, C.Table),
            "Erstes: 0 von 2 Seiten gelöst\nZweites: 0 von 1 Seite gelöst\n\nNoch keine Seite gelöst.\n");
  L.SetPupil("Anna");
  L.MarkSolved(120, Dec9);
  L.MarkSolved(210, Dec10);
  EXPECT_EQ(ProgressReport(L, C.Toc, C.Table),
            "Lernstand von Anna\n\n"
            "Erstes: 1 von 2 Seiten gelöst\nZweites: 1 von 1 Seite gelöst\n\n"
            "Gelöste Seiten:\n"
            "  9.12.2026  Erstes / Mitte (Seite 120)\n"
            "  10.12.2026  Zweites / Tief (Seite 210)\n");
}

TEST(LernstandText, ExportReadsBackWithUnknownPages) {
  TSmallCourse C;
  TLernstand L;
  L.SetPupil("Müller; \"Max\"");
  L.MarkSolved(110, Dec9);
  L.AddCheck(110);
  L.AddCheck(120);
  L.SetProgress(4711, {true, Dec10, 3});  // from another version of the course
  const std::string Csv = LernstandCsv(L, C.Toc, C.Table);
  EXPECT_EQ(Csv.substr(0, 3), Utf8Bom);
  EXPECT_EQ(Csv.substr(3),
            "Name;\"Müller; \"\"Max\"\"\"\r\n"
            "Kapitel;Seite;Titel;Gelöst am;Prüfungen\r\n"
            "Erstes;110;Anfang;09.12.2026 14:03;1\r\n"
            "Erstes;120;Mitte;;1\r\n"
            "Zweites;210;Tief;;0\r\n"
            ";4711;;10.12.2026 08:00;3\r\n");
  const TLernstandReading R = ReadLernstandCsv(Csv);
  ASSERT_TRUE(R.Ok) << R.Error;
  EXPECT_EQ(R.Lernstand.Pupil(), L.Pupil());
  EXPECT_EQ(R.Lernstand.Progress(110), (TPageProgress{true, {2026, 12, 9, 14, 3, 0}, 1}));
  EXPECT_EQ(R.Lernstand.Progress(120), (TPageProgress{false, {}, 1}));
  EXPECT_EQ(R.Lernstand.Progress(4711), (TPageProgress{true, Dec10, 3}));
  EXPECT_EQ(R.Lernstand.Pages().count(210), 0u);  // untouched pages stay untouched
  // Without byte order mark and with LF only, as an editor may save it.
  EXPECT_TRUE(ReadLernstandCsv("Name;A\nKapitel;Seite\nX;110;T;;2\n").Ok);
}

TEST(LernstandText, DamagedExportsSayWhichLine) {
  const struct {
    const char* Text;
    const char* Error;
  } Cases[] = {
      {"", "die Datei ist leer"},
      {"Kapitel;Seite\r\n", "Zeile 1: „Name;…“ erwartet"},
      {"Name;A\r\n", "die Kopfzeile „Kapitel;Seite;…“ fehlt"},
      {"Name;A\r\nKapitel\r\nX;110;T;;\r\n", "Zeile 3: „“ ist keine Anzahl"},
      {"Name;A\r\nKapitel\r\nX;0;T;;1\r\n", "Zeile 3: „0“ ist keine Seitennummer"},
      {"Name;A\r\nKapitel\r\nX;-5;T;;1\r\n", "Zeile 3: „-5“ ist keine Seitennummer"},
      {"Name;A\r\nKapitel\r\nX;110;T;30.2.2026;1\r\n", "Zeile 3: „30.2.2026“ ist kein Datum"},
      {"Name;A\r\nKapitel\r\nX;110;T\r\n", "Zeile 3: zu wenige Spalten"},
      {"Name;\"A\r\n", "Zeile 1: Anführungszeichen passen nicht zusammen"},
      {"Name;\"A\"x\r\n", "Zeile 1: Anführungszeichen passen nicht zusammen"},
  };
  for (const auto& C : Cases) {
    const TLernstandReading R = ReadLernstandCsv(C.Text);
    EXPECT_FALSE(R.Ok) << C.Text;
    EXPECT_EQ(R.Error, C.Error) << C.Text;
  }
}

TEST(LernstandText, ClassTablePupilsByChapters) {
  TSmallCourse C;
  TLernstand Anna;
  Anna.MarkSolved(110, Dec9);
  Anna.MarkSolved(210, Dec9);
  EXPECT_EQ(ClassTable({{"Anna", Anna}, {"Ben;Berg", TLernstand()}}, C.Toc, C.Table),
            "Name;Erstes;Zweites\r\n"
            "Anna;1 von 2;1 von 1\r\n"
            "\"Ben;Berg\";0 von 2;0 von 1\r\n");
}
