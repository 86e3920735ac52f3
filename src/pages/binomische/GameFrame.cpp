#include "pages/binomische/GameFrame.h"

#include "pages/GameMessageProcs.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmGameFrame::TfmGameFrame(QWidget* Parent) : TForm(Parent) {}

TfmGameFrame::~TfmGameFrame() = default;

void TfmGameFrame::ShowTask() { MMTerm1->SetCaption(QString::fromStdString(FGame->TaskCaption())); }

void TfmGameFrame::FormCreate(QObject*) {
  FGame = NewGame();
  ShowTask();
}

void TfmGameFrame::MMTerm1Click(QObject* Sender) {
  if (EnterTerm(Sender)) FAnswerTyped = true;
}

void TfmGameFrame::PCVGlassButton1Click(QObject*) {
  if (!FGame) return;  // a design loaded for checking only
  if (NeedsTypedAnswer() && !FAnswerTyped && FGame->Solved() < TTaskGame::TaskCount) {
    ShowInfo(QStringLiteral("Gib zuerst deine Antwort ein."));
    return;
  }
  // The message appears while the game judges, before a solved task is
  // replaced: the praise picks its text from the random generator first.
  const TGameReply Reply = FGame->Check(AnswerText(), ShowGameMessage);
  if (Reply.Solved) {
    PCVGlass1->SetWidth(Reply.ProgressWidth);
    if (!Reply.Finished) {
      ShowTask();
      ClearAnswer();
    }
  }
  if (Reply.StopTimer) Timer1->SetEnabled(false);
  if (Reply.Finished) PCVGlassButton2->SetVisible(true);
}

void TfmGameFrame::PCVGlassButton2Click(QObject*) {
  FGame = NewGame();
  PCVGlass1->SetWidth(FGame->ProgressWidth());
  Label2->SetCaption(QStringLiteral("0"));
  ClearAnswer();
  ShowTask();
  PCVGlassButton2->SetVisible(false);
  Timer1->SetEnabled(true);
}

std::string TfmGameFrame::AnswerText() const { return MMTerm2->Caption().toStdString(); }

void TfmGameFrame::ClearAnswer() {
  MMTerm2->SetCaption(QStringLiteral("?"));
  FAnswerTyped = false;
}

void TfmGameFrame::Timer1Timer(QObject*) {
  if (!FGame) return;
  FGame->Tick();
  Label2->SetCaption(QString::number(FGame->Seconds()));
}
