#pragma once
// TfmGameFrame: the frame of the timed ten-task term games (the exercise
// pages of the binomial and the factoring chapter). The page shows the task
// in MMTerm1, takes the pupil's answer in MMTerm2, judges it on the check
// button, widens the progress bar PCVGlass1 with every solved task and
// counts the seconds in Label2 from the page's creation until the closing
// message. A game page derives from it, says which game it plays (NewGame)
// and brings its own design starting with "inherited", which sets the
// introduction text and the panel colour.
#include <memory>

#include "components/MyHtml.h"
#include "pages/binomische/TaskGame.h"
#include "platform/Forms.h"
#include "platform/StdControls.h"
#include "platform/Timer.h"
#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"
#include "terms/MMTerm.h"

class TfmGameFrame : public TForm {
  Q_OBJECT
  Q_PROPERTY(TPCPanel* PCPanel1 MEMBER PCPanel1)
  Q_PROPERTY(TPCShape* PCShape1 MEMBER PCShape1)
  Q_PROPERTY(TMiniHTML* MiniHTML1 MEMBER MiniHTML1)
  Q_PROPERTY(TMMTerm* MMTerm1 MEMBER MMTerm1)
  Q_PROPERTY(TLabel* Label1 MEMBER Label1)
  Q_PROPERTY(TMMTerm* MMTerm2 MEMBER MMTerm2)
  Q_PROPERTY(TPCVGlassButton* PCVGlassButton1 MEMBER PCVGlassButton1)
  Q_PROPERTY(TPCVGlassButton* PCVGlassButton2 MEMBER PCVGlassButton2)
  Q_PROPERTY(TPCVGlass* PCVGlass1 MEMBER PCVGlass1)
  Q_PROPERTY(TLabel* Label2 MEMBER Label2)
  Q_PROPERTY(TTimer* Timer1 MEMBER Timer1)

 public:
  explicit TfmGameFrame(QWidget* Parent = nullptr);
  ~TfmGameFrame() override;

  TPCPanel* PCPanel1 = nullptr;
  TPCShape* PCShape1 = nullptr;
  TMiniHTML* MiniHTML1 = nullptr;
  TMMTerm* MMTerm1 = nullptr;  // the task
  TLabel* Label1 = nullptr;    // "="
  TMMTerm* MMTerm2 = nullptr;  // the answer
  TPCVGlassButton* PCVGlassButton1 = nullptr;
  TPCVGlassButton* PCVGlassButton2 = nullptr;  // "Nochmal", once a game is over
  TPCVGlass* PCVGlass1 = nullptr;  // progress bar
  TLabel* Label2 = nullptr;        // seconds
  TTimer* Timer1 = nullptr;

  // The game of this page object; it exists once the page is created.
  TTaskGame& Game() const { return *FGame; }
  // Shows the game's current task in the task box (after a test or a
  // demonstration posed one).
  virtual void ShowTask();

 public slots:
  // Starts a new game with its first task.
  void FormCreate(QObject* Sender);
  // The answer box: the pupil enters a term in the term input window.
  void MMTerm1Click(QObject* Sender);
  // Judges the answer; the tenth solved task brings the closing message
  // and the button for a new round.
  void PCVGlassButton1Click(QObject* Sender);
  // A new round: a new game from its first task, the clock at 0.
  void PCVGlassButton2Click(QObject* Sender);
  // One second more on the counter.
  void Timer1Timer(QObject* Sender);

 protected:
  // The game the page plays, with its first task drawn.
  virtual std::unique_ptr<TTaskGame> NewGame() const = 0;
  // Whether the answer box must have been filled in for the task before
  // the check judges it: where "?" is an answer, an untouched box is none.
  virtual bool NeedsTypedAnswer() const { return false; }
  // The pupil's answer as the game judges it: the answer box's term.
  virtual std::string AnswerText() const;
  // Makes the answer control ready for a new task: "?" in the answer box.
  virtual void ClearAnswer();

 private:
  std::unique_ptr<TTaskGame> FGame;
  bool FAnswerTyped = false;  // the pupil entered a term for this task
};
