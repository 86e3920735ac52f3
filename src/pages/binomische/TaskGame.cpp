#include "pages/binomische/TaskGame.h"

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
