#pragma once
// TMMX: the course object. It owns the course model (table of contents, page
// table, history, learning path, switches) and the page shown now; it
// creates every page form fresh from its class, docks it into the main
// window's page host, sets it up from its Tag, paints the chapter background
// behind it, adds the learning-path buttons, refreshes the page combo and the
// navigation buttons, and frees the page shown before.
//
// Pages never call GotoPage from their own handlers: they ask with
// PostGotoPage, which queues the main window's navigation message, so that
// no page is freed inside its own event handler.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <Qt>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/Chapter.h"
#include "shell/CourseModel.h"
#include "shell/LernstandStore.h"
#include "shell/MessageProcs.h"

class QComboBox;
class QWidget;
class TBitmap;
class TStatusPanels;

// Makes a new page form of a class (Parent: the page host); null when the
// program has no page form of that class.
using TPageFactory = std::function<std::unique_ptr<QWidget>(const std::string& ClassName, QWidget* Parent)>;

// A key-down handler: Key may be set to 0 to keep the key from the control
// that has the focus.
using TKeyDownHandler = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
// The page form's own key-down handler; empty when it has none.
using TKeyDownFinder = std::function<TKeyDownHandler(QWidget* Page)>;

// The status bar panel that names the learning path file.
constexpr int LearnPathPanel = 4;

// Code of the posted navigation message: go to a page.
constexpr int GotoPageCode = 4;

// The status bar panel that says since when the page shown is solved.
constexpr int SolvedPanel = 0;

// The check button of a page form: PCVGlassButton1, else PCVGlassButton2;
// null when it has neither.
QObject* CheckButtonOf(QWidget* Page);

class TMMX : public QObject, public TChapterOwner {
  Q_OBJECT
 public:
  // MainWindow receives the posted navigation messages and shows the page's
  // path as caption. BackPicture and ForwardPicture are copied for the
  // learning-path buttons. The switches come from the application's
  // arguments.
  TMMX(QWidget* MainWindow, const QImage& BackPicture, const QImage& ForwardPicture, QComboBox* PageCombo,
       TStatusPanels* StatusBar, QWidget* ToolBar, QWidget* PageHost);
  ~TMMX() override;

  TCourseModel& Model() { return FModel; }
  const TCourseModel& Model() const { return FModel; }

  // Shows Page (nothing when it is shown already). A page without a page
  // form, or one outside an exclusive learning path (the start page
  // excepted), is refused with a message and nothing changes.
  void GotoPage(int Page, bool AddToHistory);
  // Queues the go-to request: code 4 with Page, or -Page without history.
  void PostGotoPage(int Page, bool AddToHistory);
  // True while a page is being built and shown. A message window opened
  // meanwhile (by a page's creation, or the authoring check) lets queued
  // requests run; those wait (Defer) and are queued again afterwards.
  bool Navigating() const { return FNavigating > 0; }
  void Defer(int Code, int Param);
  // Kind -3 history back, 3 forward (both posted, without history); -2
  // first, -1 previous, 0 overview, 1 next, 2 last page of the group.
  void Navigate(int Kind, bool AddToHistory);
  // The control shown or hidden for navigation kind Kind (clamped to -3 ... 3).
  void SetNavButton(int Kind, QWidget* Control);
  QWidget* NavButton(int Kind) const;

  bool Sound() const { return FModel.Sound(); }
  // Stores the flag, then calls OnSoundChanged (when set).
  void SetSound(bool Value);
  std::function<void(QObject* Sender, bool Flag)> OnSoundChanged;

  // Loads the learning path named by the switches and shows its name.
  void LoadLearnPath();
  // Tells the teacher why a named learning path file could not be used (the
  // course then walks the standard path); nothing when it was loaded.
  void ShowLearnPathError();

  // Starts the course program ProgramName (from the application folder,
  // else the course's own folder) with the parameters "Number Left Top
  // Sound", shows a wait window, steps aside (the main window hides) after
  // ExecStartDelayMs and comes back when the program has ended. False, with
  // a message naming the program and its parameters, when it could not be
  // started.
  bool ExecAndWait(const QString& ProgramName, int Number);
  QString ExecProgramPath(const QString& ProgramName) const;
  int ExecStartDelayMs = 3000;

  // The pupil's progress between lessons. A page with a check publishes
  // the stage under test as "Stage" and its last one as "FinalStage"
  // (below 0: nothing to check); the course object counts the presses of
  // its check button and marks it solved at the praise of its last stage,
  // or whenever it stands beyond it (after a check, a message, or when the
  // pupil leaves it). A page publishing no "FinalStage" has no check and is
  // solved by being shown.
  TLernstandStore& Lernstand() const { return *FLernstand; }
  // Makes a fresh store for the default place and opens it (the course
  // object opens one when it is made).
  void OpenLernstand();
  // Starts a new Lernstand (the old file is kept as lernstand.bak); false
  // with Error when that failed.
  bool ResetLernstand(QString& Error);
  // A page shows a message (its praise may solve it).
  void MessageShown(TMessageProc Proc);
  // Tells the pupil, once, what went wrong with the stored Lernstand.
  void ShowLernstandNotices();
  // The way through the course across lessons: the earlier lessons'
  // visits, then this lesson's history.
  std::vector<int> WayAcrossLessons() const;
  // The chapter of Page and how far the pupil got in it.
  std::optional<TChapterProgress> ChapterProgressOf(int Page) const;
  // The page "Weiter bei" leads to; NoPage when there is none.
  int ResumePage() const;
  // "Gelöst am 9.12.2026" for a solved page, empty otherwise.
  QString SolvedText(int Page) const;

  // Chapter backgrounds, index = chapter number.
  void AddChapter(std::unique_ptr<TChapter> Chapter);
  int ChapterCount() const { return static_cast<int>(FChapters.size()); }
  TChapter& Chapter(int Index) const { return *FChapters.at(static_cast<size_t>(Index)); }

  // Writes the picture of the current page at Percent of its size: at 100
  // a bitmap whatever AsGif says, else a GIF when AsGif and a bitmap
  // otherwise. Throws EPictureWriteError (PageImage.h).
  void SavePageImageToFile(const QString& FileName, int Percent, bool AsGif) const;

  int CurrentPage() const { return FModel.CurrentPage(); }
  int CurrentChapter() const { return FModel.CurrentChapter(); }
  QWidget* CurrentPageForm() const override { return FPageForm.get(); }
  const TBitmap* ChapterBitmap() const override { return FChapterBitmap.get(); }
  // The chapter that paints behind the current page; null when none does.
  TChapter* PaintingChapter() const { return FPaintChapter; }

  // The key-down handler of the main window: the current page's own when
  // its Tag asks for it.
  const TKeyDownHandler& KeyDownHandler() const { return FKeyDownHandler; }

  // How page forms are made and how their key-down handlers are found.
  TPageFactory PageFactory;
  TKeyDownFinder KeyDownFinder;

  QWidget* MainWindow() const { return FMainWindow; }
  QWidget* PageHost() const { return FPageHost; }
  QWidget* ToolBar() const { return FToolBar; }
  TStatusPanels* StatusBar() const { return FStatusBar; }
  QComboBox* PageCombo() const { return FPageCombo; }
  const QImage& BackPicture() const { return FBackPicture; }
  const QImage& ForwardPicture() const { return FForwardPicture; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void PreparePage(bool SameChapter, bool AddToHistory, const QString& Caption);
  void ApplyChapterBackground(int Tag, bool SameChapter);
  void AddLearnPathButtons();
  void ApplyPageFonts();
  void FillPageCombo(const TPageGroup& Group);
  void UpdateNavButtons();

  void ShowPage(int Page, bool AddToHistory);
  void LernstandPageShown(bool AddToHistory);
  void WatchCheckButton();
  // Marks Page solved when Form's stages say so.
  void CheckSolved(QWidget* Form, int Page, bool Praise);
  void MarkSolved(int Page);
  // After a refused go-to: combo, caption and buttons show the page shown.
  void ShowShownPage();

  TCourseModel FModel;
  std::unique_ptr<TLernstandStore> FLernstand;
  int FNavigating = 0;
  std::vector<std::pair<int, int>> FDeferred;
  QWidget* FMainWindow;
  QWidget* FPageHost;
  QWidget* FToolBar;
  TStatusPanels* FStatusBar;
  QComboBox* FPageCombo;
  std::unique_ptr<QWidget> FPageForm;
  int FShownPage = 0;  // the page FPageForm shows
  std::unique_ptr<QWidget> FPlaceholder;
  std::array<QPointer<QWidget>, NavKindCount> FNavButtons;
  std::vector<std::unique_ptr<TChapter>> FChapters;
  std::unique_ptr<TBitmap> FChapterBitmap;
  TChapter* FPaintChapter = nullptr;
  TKeyDownHandler FKeyDownHandler;
  QImage FBackPicture;
  QImage FForwardPicture;
};

// The one course object while it exists (pages reach it through here).
extern TMMX* MMX;

// The Tag of a component (0 when it has none).
int TagOf(const QObject* Object);
