#include "pages/binomische/TaskGame.h"

#include <algorithm>
#include <string_view>

char TaskLetterAfter(char Letter, int Steps) {
  const std::string_view Letters(TaskLetters, TaskLetterCount);
  const std::size_t Index = Letters.find(Letter);
  if (Index == std::string_view::npos) return Letter;
  return Letters[std::min<std::size_t>(Index + static_cast<std::size_t>(Steps), Letters.size() - 1)];
}

void TTaskGame::Tick() {
  if (FTimerRunning) ++FSeconds;
}

void TTaskGame::NewTask() { FTaskCaption = MakeTask(); }

TGameMessage TTaskGame::ClosingMessage() const {
  return TGameMessage::Info("Du hast das Spiel in " + std::to_string(FSeconds) + " Sekunden beendet!");
}

TGameReply TTaskGame::Check(const std::string& AnswerCaption, const TGamePresenter& Present) {
  TGameReply Reply;
  if (FSolved < TaskCount) {
    Reply.Message = Judge(AnswerCaption);
    if (Reply.Message.Kind == gmPraise) {
      ++FSolved;
      Reply.Solved = true;
      // The tenth task ends the game at once: its message is the result.
      if (FSolved == TaskCount) {
        FTimerRunning = false;
        Reply.StopTimer = true;
        Reply.Finished = true;
        Reply.Message = ClosingMessage();
      }
    }
    if (Present) Present(Reply.Message);
    if (Reply.Solved && !Reply.Finished) NewTask();
  } else {
    Reply.StopTimer = true;
    Reply.Finished = true;
    Reply.Message = ClosingMessage();
    if (Present) Present(Reply.Message);
  }
  Reply.ProgressWidth = ProgressWidth();
  Reply.TaskCaption = FTaskCaption;
  return Reply;
}
