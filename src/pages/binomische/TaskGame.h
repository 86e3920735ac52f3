#pragma once
// The rules shared by the timed ten-task games of the binomial and the
// factoring chapter: a task term, one answer, a check button, a progress bar
// and a seconds counter. Pure C++; the page forms own one game object each
// and mirror its state in their controls.
//
// How a game page drives a game (TBinomialGame shown; the factoring games
// work the same way):
//
//   FormCreate:            FGame = std::make_unique<TBinomialGame>();
//                          MMTerm1->SetCaption(FGame->TaskCaption());
//   Timer1Timer:           FGame->Tick(); Label2->SetCaption(std::to_string(FGame->Seconds()));
//   PCVGlassButton1Click:  const TGameReply R = FGame->Check(MMTerm2->Caption(), ShowGameMessage);
//                          if (R.Solved) {
//                            PCVGlass1->SetWidth(R.ProgressWidth);
//                            MMTerm1->SetCaption(R.TaskCaption);
//                            MMTerm2->SetCaption("?");
//                          }
//                          if (R.StopTimer) Timer1->SetEnabled(false);
//
// where ShowGameMessage calls the message procedure the message names:
// gmPraise -> ShowPraise(), gmError -> ShowError(Text), gmInfo -> ShowInfo(Text).
//
// The presenter is called at the moment the message appears, before a solved
// task is replaced: the praise window picks its text with the program's one
// random generator, so the next task's numbers are drawn after that pick.
// Without a presenter the page may show R.Message itself after Check.
#include <functional>
#include <string>
#include <utility>

#include "pages/GameMessage.h"

// What the page shows after the check button.
struct TGameReply {
  TGameMessage Message;
  // The task was solved: show the new TaskCaption, reset the answer box to
  // "?" and widen the progress bar to ProgressWidth.
  bool Solved = false;
  // The game is over (closing message): stop the seconds timer.
  bool StopTimer = false;
  // The game is over: the page offers a new round.
  bool Finished = false;
  int ProgressWidth = 0;
  std::string TaskCaption;
};

using TGamePresenter = std::function<void(const TGameMessage&)>;

class TTaskGame {
 public:
  static constexpr int TaskCount = 10;
  // Progress bar width per step; it is one step wide before the first task.
  static constexpr int ProgressStep = 30;

  virtual ~TTaskGame() = default;
  TTaskGame(const TTaskGame&) = delete;
  TTaskGame& operator=(const TTaskGame&) = delete;

  // The task term as text for the task box.
  const std::string& TaskCaption() const { return FTaskCaption; }
  int Solved() const { return FSolved; }
  int Seconds() const { return FSeconds; }
  bool TimerRunning() const { return FTimerRunning; }
  // (Solved + 1) steps: 30 at the start, 330 after ten tasks.
  int ProgressWidth() const { return (FSolved + 1) * ProgressStep; }

  // One second of the page's timer; counts only while the timer runs.
  void Tick();

  // The check button with the answer box's caption. While fewer than ten
  // tasks are solved the answer is judged; a solved task counts and is
  // replaced by a new one. The tenth solved task ends the game at once: the
  // timer stops and the message is "Du hast das Spiel in N Sekunden
  // beendet!", as on every press after it. Present, if given, is called
  // with the message before a solved task is replaced.
  // An arithmetic error (EMathError) in the pupil's term reaches the caller
  // and leaves the game unchanged.
  TGameReply Check(const std::string& AnswerCaption, const TGamePresenter& Present = nullptr);

 protected:
  TTaskGame() = default;
  // Draws a new task and shows it; the constructors of the games call it
  // once for the first task.
  void NewTask();
  TGameMessage ClosingMessage() const;
  // Shows a task set by the game itself (a posed task).
  void SetTaskCaption(std::string Caption) { FTaskCaption = std::move(Caption); }
  // Draws the numbers and letters of a new task; returns its caption.
  virtual std::string MakeTask() = 0;
  // The verdict on an answer to the current task: gmPraise when it solves it.
  virtual TGameMessage Judge(const std::string& AnswerCaption) const = 0;

 private:
  std::string FTaskCaption;
  int FSolved = 0;
  int FSeconds = 0;
  bool FTimerRunning = true;
};

// The letters the games draw for their tasks: every letter but i, l and o,
// which read as 1, I and 0 in a task like "(2*l + 12*o)^2".
inline constexpr const char TaskLetters[] = "abcdefghjkmnpqrstuvwxyz";
inline constexpr int TaskLetterCount = sizeof(TaskLetters) - 1;
// The task letter Steps places after Letter in that list.
char TaskLetterAfter(char Letter, int Steps);

// Texts shared by the game checks.
inline constexpr const char* NotEquivalentText = "Die Terme sind wohl nicht äquivalent!";
