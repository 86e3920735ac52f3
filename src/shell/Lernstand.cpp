#include "shell/Lernstand.h"

#include <algorithm>
#include <cstdio>

namespace {

bool IsLeapYear(int Year) { return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0; }

int DaysInMonth(int Year, int Month) {
  static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

bool IsValidTime(const TLernstandTime& T) {
  return T.Year >= 1970 && T.Year <= 9999 && T.Month >= 1 && T.Month <= 12 && T.Day >= 1 &&
         T.Day <= DaysInMonth(T.Year, T.Month) && T.Hour >= 0 && T.Hour <= 23 && T.Minute >= 0 && T.Minute <= 59 &&
         T.Second >= 0 && T.Second <= 59;
}

// Reads exactly Digits decimal digits at Pos (no sign, no blanks).
bool ReadDigits(std::string_view Text, std::size_t& Pos, std::size_t Digits, int& Value) {
  if (Pos + Digits > Text.size()) return false;
  int V = 0;
  for (std::size_t I = Pos; I < Pos + Digits; ++I) {
    if (Text[I] < '0' || Text[I] > '9') return false;
    V = V * 10 + (Text[I] - '0');
  }
  Pos += Digits;
  Value = V;
  return true;
}

// Reads one or two digits.
bool ReadShortNumber(std::string_view Text, std::size_t& Pos, int& Value) {
  if (ReadDigits(Text, Pos, 2, Value)) return true;
  return ReadDigits(Text, Pos, 1, Value);
}

bool Expect(std::string_view Text, std::size_t& Pos, char C) {
  if (Pos >= Text.size() || Text[Pos] != C) return false;
  ++Pos;
  return true;
}

std::string Format(const char* Pattern, int A, int B, int C, int D = 0, int E = 0, int F = 0) {
  char Buffer[48];
  std::snprintf(Buffer, sizeof Buffer, Pattern, A, B, C, D, E, F);
  return Buffer;
}

}  // namespace

std::string TLernstandTime::IsoText() const {
  return Format("%04d-%02d-%02dT%02d:%02d:%02d", Year, Month, Day, Hour, Minute, Second);
}

std::string TLernstandTime::GermanDate() const { return Format("%d.%d.%d", Day, Month, Year); }

std::string TLernstandTime::SheetText() const {
  return Format("%02d.%02d.%04d %02d:%02d", Day, Month, Year, Hour, Minute);
}

std::optional<TLernstandTime> ParseIsoTime(std::string_view Text) {
  TLernstandTime T;
  std::size_t Pos = 0;
  if (!ReadDigits(Text, Pos, 4, T.Year) || !Expect(Text, Pos, '-') || !ReadDigits(Text, Pos, 2, T.Month) ||
      !Expect(Text, Pos, '-') || !ReadDigits(Text, Pos, 2, T.Day) || !Expect(Text, Pos, 'T') ||
      !ReadDigits(Text, Pos, 2, T.Hour) || !Expect(Text, Pos, ':') || !ReadDigits(Text, Pos, 2, T.Minute) ||
      !Expect(Text, Pos, ':') || !ReadDigits(Text, Pos, 2, T.Second) || Pos != Text.size())
    return std::nullopt;
  if (!IsValidTime(T)) return std::nullopt;
  return T;
}

std::optional<TLernstandTime> ParseSheetTime(std::string_view Text) {
  TLernstandTime T;
  std::size_t Pos = 0;
  if (!ReadShortNumber(Text, Pos, T.Day) || !Expect(Text, Pos, '.') || !ReadShortNumber(Text, Pos, T.Month) ||
      !Expect(Text, Pos, '.') || !ReadDigits(Text, Pos, 4, T.Year))
    return std::nullopt;
  if (Pos < Text.size()) {
    if (!Expect(Text, Pos, ' ') || !ReadShortNumber(Text, Pos, T.Hour) || !Expect(Text, Pos, ':') ||
        !ReadDigits(Text, Pos, 2, T.Minute) || Pos != Text.size())
      return std::nullopt;
  }
  if (!IsValidTime(T)) return std::nullopt;
  return T;
}

TPageProgress TLernstand::Progress(int Page) const {
  const auto It = FPages.find(Page);
  return It == FPages.end() ? TPageProgress() : It->second;
}

void TLernstand::AddVisit(int Page) {
  if (static_cast<int>(FVisits.size()) >= MaxVisits)
    FVisits.erase(FVisits.begin(), FVisits.begin() + (static_cast<int>(FVisits.size()) - MaxVisits + 1));
  FVisits.push_back(Page);
}

void TLernstand::SetVisits(std::vector<int> Visits) {
  if (static_cast<int>(Visits.size()) > MaxVisits)
    Visits.erase(Visits.begin(), Visits.begin() + (static_cast<int>(Visits.size()) - MaxVisits));
  FVisits = std::move(Visits);
}

void TLernstand::AddCheck(int Page) {
  int& Checks = FPages[Page].Checks;
  if (Checks < MaxChecks) ++Checks;
}

bool TLernstand::MarkSolved(int Page, const TLernstandTime& Now) {
  TPageProgress& P = FPages[Page];
  if (P.Solved) return false;
  P.Solved = true;
  P.FirstSolved = Now;
  return true;
}

void TLernstand::SetProgress(int Page, const TPageProgress& Progress) { FPages[Page] = Progress; }

namespace {

void CollectPages(const TTableOfContents& Toc, const TPageTable& Table, TTocNodeId Id, std::vector<int>& Pages) {
  for (TTocNodeId Child : Toc.Node(Id).Children) {
    const int Page = Toc.Node(Child).Page;
    // A page may appear twice in the contents; it counts once.
    if (Page >= 1 && Table.Has(Page) && std::find(Pages.begin(), Pages.end(), Page) == Pages.end())
      Pages.push_back(Page);
    CollectPages(Toc, Table, Child, Pages);
  }
}

TChapterProgress ChapterOfNode(const TTableOfContents& Toc, const TPageTable& Table, const TLernstand& Lernstand,
                               TTocNodeId Id) {
  TChapterProgress Chapter;
  Chapter.Page = Toc.Node(Id).Page;
  Chapter.Title = Toc.Node(Id).Title;
  CollectPages(Toc, Table, Id, Chapter.Pages);
  Chapter.Pages.erase(std::remove(Chapter.Pages.begin(), Chapter.Pages.end(), Chapter.Page), Chapter.Pages.end());
  Chapter.Solved = static_cast<int>(
      std::count_if(Chapter.Pages.begin(), Chapter.Pages.end(), [&](int Page) { return Lernstand.IsSolved(Page); }));
  return Chapter;
}

}  // namespace

std::vector<TChapterProgress> ChapterProgress(const TTableOfContents& Toc, const TPageTable& Table,
                                              const TLernstand& Lernstand) {
  std::vector<TChapterProgress> Chapters;
  if (Toc.Empty()) return Chapters;
  for (TTocNodeId Id : Toc.Node(Toc.Root()).Children) Chapters.push_back(ChapterOfNode(Toc, Table, Lernstand, Id));
  return Chapters;
}

std::optional<TChapterProgress> ChapterProgressOf(int Page, const TTableOfContents& Toc, const TPageTable& Table,
                                                  const TLernstand& Lernstand) {
  TTocNodeId Id = Toc.FindNode(Page);
  if (Id == NoNode || Id == Toc.Root()) return std::nullopt;
  while (Toc.Node(Id).Parent != Toc.Root()) Id = Toc.Node(Id).Parent;
  return ChapterOfNode(Toc, Table, Lernstand, Id);
}

void RecordPageShown(TLernstand& Lernstand, const TTableOfContents& Toc, int Page, bool Visit, bool HasCheck,
                     const TLernstandTime& Now) {
  const bool StartPage = !Toc.Empty() && Toc.Node(Toc.Root()).Page == Page;
  if (Visit) Lernstand.AddVisit(Page);
  if (StartPage) return;
  Lernstand.SetLastPage(Page);
  if (!HasCheck) Lernstand.MarkSolved(Page, Now);
}

bool StageSolves(bool Praise, int Stage, int FinalStage) {
  if (FinalStage < 0) return false;
  return Stage > FinalStage || (Praise && Stage == FinalStage);
}

int ResumePage(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table) {
  const int Page = Lernstand.LastPage();
  if (Page < 1 || !Table.Has(Page) || !Toc.Contains(Page)) return NoPage;
  if (Toc.Node(Toc.Root()).Page == Page) return NoPage;
  return Page;
}

std::vector<int> WayAcrossLessons(const std::vector<int>& Earlier, const std::vector<int>& ThisLesson) {
  std::vector<int> Way;
  const std::size_t Max = TLernstand::MaxVisits;
  const std::size_t FromThis = std::min(ThisLesson.size(), Max);
  const std::size_t FromEarlier = std::min(Earlier.size(), Max - FromThis);
  Way.reserve(FromEarlier + FromThis);
  Way.insert(Way.end(), Earlier.end() - static_cast<std::ptrdiff_t>(FromEarlier), Earlier.end());
  Way.insert(Way.end(), ThisLesson.end() - static_cast<std::ptrdiff_t>(FromThis), ThisLesson.end());
  return Way;
}
