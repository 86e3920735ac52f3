#pragma once
// The pupil's progress between lessons, the Lernstand: for every page
// whether it is solved and since when and how often its check was pressed;
// the last page shown; the way through the course (the last MaxVisits
// visits); the pupil's name for exports. Plain data and the rules that
// change it; the shell's store reads and writes it as a file.
//
// Pages the course does not know (a file from another version of the
// course) are kept as they are and written back unchanged: a course update
// never deletes progress.
#include <compare>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/PageTable.h"
#include "shell/TableOfContents.h"

// A local date and time to the second, as the pupil's clock showed it.
struct TLernstandTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  auto operator<=>(const TLernstandTime&) const = default;

  // "2026-12-09T14:03:12"
  std::string IsoText() const;
  // "9.12.2026"
  std::string GermanDate() const;
  // "09.12.2026 14:03", the form spreadsheets read as a date and time.
  std::string SheetText() const;
};

// "YYYY-MM-DDTHH:MM:SS" naming a real moment of the years 1970 ... 9999;
// nothing for anything else.
std::optional<TLernstandTime> ParseIsoTime(std::string_view Text);
// "DD.MM.YYYY HH:MM" or "D.M.YYYY" (the time then is midnight); nothing for
// anything else.
std::optional<TLernstandTime> ParseSheetTime(std::string_view Text);

struct TPageProgress {
  bool Solved = false;
  TLernstandTime FirstSolved;  // meaningful only when Solved
  int Checks = 0;
  friend bool operator==(const TPageProgress&, const TPageProgress&) = default;
};

class TLernstand {
 public:
  // The file format this program writes and the newest it reads.
  static constexpr int Format = 1;
  static constexpr int MaxVisits = 1000;
  // Counters stop here instead of running over.
  static constexpr int MaxChecks = 999999999;
  // Page numbers a course can have; a file naming anything else is damaged.
  static constexpr long long MaxPageNumber = 99999;
  static bool IsPageNumber(long long Page) { return Page >= 1 && Page <= MaxPageNumber; }

  const std::map<int, TPageProgress>& Pages() const { return FPages; }
  // The page's progress; an untouched page is not solved and has no checks.
  TPageProgress Progress(int Page) const;
  bool IsSolved(int Page) const { return Progress(Page).Solved; }
  // NoPage when none was recorded.
  int LastPage() const { return FLastPage; }
  // Oldest first.
  const std::vector<int>& Visits() const { return FVisits; }
  const std::string& Pupil() const { return FPupil; }
  bool Empty() const { return FPages.empty() && FVisits.empty() && FLastPage == NoPage && FPupil.empty(); }

  void SetLastPage(int Page) { FLastPage = Page; }
  // Appends a visit; the oldest ones go beyond MaxVisits.
  void AddVisit(int Page);
  // Keeps the last MaxVisits of Visits.
  void SetVisits(std::vector<int> Visits);
  void AddCheck(int Page);
  // Solves the page at Now; false (and the first date stays) when it was
  // solved before.
  bool MarkSolved(int Page, const TLernstandTime& Now);
  void SetProgress(int Page, const TPageProgress& Progress);
  void SetPupil(std::string Name) { FPupil = std::move(Name); }

  friend bool operator==(const TLernstand&, const TLernstand&) = default;

 private:
  std::map<int, TPageProgress> FPages;
  int FLastPage = NoPage;
  std::vector<int> FVisits;
  std::string FPupil;
};

// A chapter (a child of the course's root) and how far the pupil got in it.
struct TChapterProgress {
  int Page = NoPage;  // the chapter's own first page
  std::string Title;
  // The chapter's pages below its first page that have a page form, in
  // course order.
  std::vector<int> Pages;
  int Solved = 0;
  int Total() const { return static_cast<int>(Pages.size()); }
};

// Every chapter of the course in course order.
std::vector<TChapterProgress> ChapterProgress(const TTableOfContents& Toc, const TPageTable& Table,
                                              const TLernstand& Lernstand);
// The chapter Page belongs to (the chapter's own page included); nothing for
// the root and pages outside the contents.
std::optional<TChapterProgress> ChapterProgressOf(int Page, const TTableOfContents& Toc, const TPageTable& Table,
                                                  const TLernstand& Lernstand);

// What showing a page does: it becomes the last page (except the course's
// start page, where every lesson begins), with Visit it joins the way, and
// a page without a check counts as solved by being shown.
void RecordPageShown(TLernstand& Lernstand, const TTableOfContents& Toc, int Page, bool Visit, bool HasCheck,
                     const TLernstandTime& Now);
// Whether a page with a check is solved at this moment. Stage is the stage
// under test and FinalStage the page's last one: the praise of the last
// stage solves the page, and so does any moment after its last stage.
bool StageSolves(bool Praise, int Stage, int FinalStage);
// The page "Weiter bei" leads to: the last page when the course still shows
// it; NoPage otherwise.
int ResumePage(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table);
// The earlier lessons' way followed by this lesson's, the last MaxVisits.
std::vector<int> WayAcrossLessons(const std::vector<int>& Earlier, const std::vector<int>& ThisLesson);
