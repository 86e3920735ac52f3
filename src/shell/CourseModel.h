#pragma once
// Everything the course object knows apart from windows: the table of
// contents, the page table, the keyword table, the history, the learning
// path, the switches and the current page. The course object of the shell
// owns one TCourseModel and asks it what to do; the model decides, the shell
// creates, shows and frees the page forms.
//
// Going to a page, as the shell does it:
//   switch (Model.CheckGoto(Page)) {
//     case gcSamePage: return;
//     case gcNoPage: case gcNotInPath: show GotoMessage(...); return;
//     case gcShow: break;
//   }
//   const bool SameChapter = Model.EnterPage(Page);
//   create the form of Model.Pages().ClassOf(Page), prepare it:
//     Model.RecordVisit(AddToHistory); caption := Model.Caption();
//     learning-path buttons from Model.LearnPathButtons();
//   show it, free the old one; refill the combo from Model.CurrentGroup();
//   set the navigation buttons from Model.ButtonStates().
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/CommandLine.h"
#include "shell/History.h"
#include "shell/KeywordTable.h"
#include "shell/LearnPath.h"
#include "shell/Navigator.h"
#include "shell/PageTable.h"
#include "shell/TableOfContents.h"

// What going to a page comes to.
enum TGotoCheck {
  gcShow,       // show the page
  gcSamePage,   // it is shown already: nothing happens, not even history
  gcNoPage,     // no page form for it: "Seite N nicht vorhanden."
  gcNotInPath,  // exclusive learning path without it: "Seite nicht im Lernpfad"
};

// A page change the shell is to carry out. Post: true when it must be
// posted as a go-to request (history moves), false when the shell goes there
// at once (chapter navigation, already running from a posted request).
struct TGotoRequest {
  int Page = NoPage;
  bool AddToHistory = false;
  bool Post = false;
  friend bool operator==(const TGotoRequest&, const TGotoRequest&) = default;
};

class TCourseModel {
 public:
  // The shipped course.
  TCourseModel();
  TCourseModel(TTableOfContents Contents, TPageTable Pages, std::vector<TKeywordRow> Keywords);

  TTableOfContents& Contents() { return FContents; }
  const TTableOfContents& Contents() const { return FContents; }
  const TPageTable& Pages() const { return FPages; }
  const std::vector<TKeywordRow>& Keywords() const { return FKeywords; }
  THistory& History() { return FHistory; }
  const THistory& History() const { return FHistory; }
  TLearnPath& LearnPath() { return FLearnPath; }
  const TLearnPath& LearnPath() const { return FLearnPath; }
  const TCommandLine& CommandLine() const { return FCommandLine; }

  // Takes the switches; the learning path's exclusive flag follows /X.
  void SetCommandLine(const TCommandLine& Switches);
  const std::string& ApplicationFolder() const { return FCommandLine.ApplicationFolder(); }
  const std::string& PictureFolder() const { return FCommandLine.PictureFolder(); }
  const std::string& FilmFolder() const { return FCommandLine.FilmFolder(); }

  // The pages the built-in learning path walks: every page after the start
  // page in course order that has a page form.
  std::vector<int> CoursePages() const;
  // Loads the learning path named by the switches (or the built-in one) and
  // returns the status bar text: "Standard", or the file name without
  // folder with "*" appended in exclusive mode.
  std::string LoadLearnPath();

  // The page shown now (0 before the first) and its chapter.
  int CurrentPage() const { return FCurrentPage; }
  int CurrentChapter() const { return FCurrentChapter; }

  TGotoCheck CheckGoto(int Page) const;
  // The message the shell shows for gcNoPage and gcNotInPath; empty otherwise.
  static std::string GotoMessage(TGotoCheck Check, int Page);
  // Makes Page the current page. True when its chapter is the one before.
  bool EnterPage(int Page);
  // Adds the current page to the history when AddToHistory is set.
  void RecordVisit(bool AddToHistory);

  // About the current page (each throws EPageNotFound when it is not in the
  // table of contents):
  std::string Caption() const { return FContents.Path(FCurrentPage); }
  TPageGroup CurrentGroup() const { return FContents.Group(FCurrentPage); }
  TNavButtonStates ButtonStates() const;
  TLearnPathButtons LearnPathButtons() const { return FLearnPath.Buttons(FCurrentPage); }

  // Navigation by kind. nkBack / nkForward move in the history and ask to
  // post a go-to without history (none at either end); nkFirst ... nkLast
  // lead to the table-of-contents target (none for NoPage). Other kinds
  // lead nowhere.
  std::optional<TGotoRequest> Navigate(int Kind, bool AddToHistory);

  // The sound flag, passed on to programs the course starts.
  bool Sound() const { return FSound; }
  // Stores the flag, then tells OnSoundChanged (when set).
  void SetSound(bool Value);
  std::function<void(bool)> OnSoundChanged;

  // The parameters handed to a course program started by the shell:
  // "Number Left Top Sound" with sound as "1" or "0".
  std::string ExecParameters(int Number, int WindowLeft, int WindowTop) const;
  // The full command line: the quoted program in the application folder,
  // a blank and the parameters.
  std::string ExecCommandLine(const std::string& ProgramName, const std::string& Parameters) const;

 private:
  TTableOfContents FContents;
  TPageTable FPages;
  std::vector<TKeywordRow> FKeywords;
  THistory FHistory;
  TLearnPath FLearnPath;
  TCommandLine FCommandLine;
  int FCurrentPage = 0;
  int FCurrentChapter = 0;
  bool FSound = false;
};
