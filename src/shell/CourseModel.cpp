#include "shell/CourseModel.h"

#include "shell/PageNumbers.h"

TCourseModel::TCourseModel()
    : TCourseModel(ShippedTableOfContents(), ShippedPageTable(), ShippedKeywordTable()) {}

TCourseModel::TCourseModel(TTableOfContents Contents, TPageTable Pages, std::vector<TKeywordRow> Keywords)
    : FContents(std::move(Contents)), FPages(std::move(Pages)), FKeywords(std::move(Keywords)) {}

void TCourseModel::SetCommandLine(const TCommandLine& Switches) {
  FCommandLine = Switches;
  FLearnPath.SetExclusive(Switches.Exclusive());
}

std::vector<int> TCourseModel::CoursePages() const {
  // The walk's first page is the start page, which stays off the path. A
  // page without a page form would only lead the pupil to "nicht
  // vorhanden", so such nodes stay off as well.
  const std::vector<int> Walk = FContents.WalkPages();
  std::vector<int> Pages;
  for (size_t I = 1; I < Walk.size(); ++I)
    if (FPages.Has(Walk[I])) Pages.push_back(Walk[I]);
  return Pages;
}

std::string TCourseModel::LoadLearnPath() { return FLearnPath.Load(FCommandLine.LearnPathFile(), CoursePages()); }

TGotoCheck TCourseModel::CheckGoto(int Page) const {
  if (Page == FCurrentPage) return gcSamePage;
  if (!FPages.Has(Page)) return gcNoPage;
  if (FLearnPath.Exclusive() && !FLearnPath.Contains(Page) && Page != StartPage) return gcNotInPath;
  return gcShow;
}

std::string TCourseModel::GotoMessage(TGotoCheck Check, int Page) {
  switch (Check) {
    case gcNoPage: return PageMissingMessage(Page);
    case gcNotInPath: return "Seite nicht im Lernpfad";
    default: return {};
  }
}

bool TCourseModel::EnterPage(int Page) {
  const int Chapter = PageChapter(Page);
  const bool SameChapter = Chapter == FCurrentChapter;
  FCurrentPage = Page;
  FCurrentChapter = Chapter;
  return SameChapter;
}

void TCourseModel::RecordVisit(bool AddToHistory) {
  if (AddToHistory) FHistory.Add(FCurrentPage);
}

TNavButtonStates TCourseModel::ButtonStates() const {
  return NavButtonStates(FContents, FHistory, FLearnPath.Exclusive(), FCurrentPage);
}

std::optional<TGotoRequest> TCourseModel::Navigate(int Kind, bool AddToHistory) {
  if (Kind == nkBack) {
    if (!FHistory.CanGoBack()) return std::nullopt;
    return TGotoRequest{FHistory.Back(), false, true};
  }
  if (Kind == nkForward) {
    if (!FHistory.CanGoForward()) return std::nullopt;
    return TGotoRequest{FHistory.Forward(), false, true};
  }
  if (Kind < nkFirst || Kind > nkLast) return std::nullopt;
  const int Target = NavTarget(FContents, Kind, FCurrentPage);
  if (Target == NoPage) return std::nullopt;
  return TGotoRequest{Target, AddToHistory, false};
}

void TCourseModel::SetSound(bool Value) {
  FSound = Value;
  if (OnSoundChanged) OnSoundChanged(FSound);
}

std::string TCourseModel::ExecParameters(int Number, int WindowLeft, int WindowTop) const {
  return std::to_string(Number) + " " + std::to_string(WindowLeft) + " " + std::to_string(WindowTop) + " " +
         (FSound ? "1" : "0");
}

std::string TCourseModel::ExecCommandLine(const std::string& ProgramName, const std::string& Parameters) const {
  return "\"" + ApplicationFolder() + ProgramName + "\" " + Parameters;
}
