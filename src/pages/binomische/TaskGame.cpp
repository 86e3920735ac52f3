#include "pages/binomische/TaskGame.h"

#include <algorithm>

void TTaskGame::Tick() {
  if (FTimerRunning) ++FSeconds;
}

void TTaskGame::NewTask() { FTaskCaption = MakeTask(); }

TGameReply TTaskGame::Check(const std::string& AnswerCaption, const TGamePresenter& Present) {
  TGameReply Reply;
  if (FSolved < TaskCount) {
    Reply.Message = Judge(AnswerCaption);
    if (Present) Present(Reply.Message);
    if (Reply.Message.Kind == gmPraise) {
      ++FSolved;
      NewTask();
      Reply.Solved = true;
    }
  } else {
    FTimerRunning = false;
    Reply.StopTimer = true;
    Reply.Message = TGameMessage::Info("Du hast das Spiel in " + std::to_string(FSeconds) + " Sekunden beendet!");
    if (Present) Present(Reply.Message);
  }
  Reply.ProgressWidth = ProgressWidth();
  Reply.TaskCaption = FTaskCaption;
  return Reply;
}

char TaskLetter(int Index) {
  return TaskLetters[static_cast<std::size_t>(std::clamp(Index, 0, static_cast<int>(TaskLetters.size()) - 1))];
}

char TaskLetterAfter(char Letter, int Steps) {
  const std::size_t At = TaskLetters.find(Letter);
  return TaskLetter(At == std::string_view::npos ? 0 : static_cast<int>(At) + Steps);
}
