#include "pages/binomische/GameFrame.h"

#include "pages/GameMessageProcs.h"
#include "pages/TermEntry.h"

TfmGameFrame::TfmGameFrame(QWidget* Parent) : TForm(Parent) {}

TfmGameFrame::~TfmGameFrame() = default;

void TfmGameFrame::ShowTask() { MMTerm1->SetCaption(QString::fromStdString(FGame->TaskCaption())); }

void TfmGameFrame::FormCreate(QObject*) {
  FGame = NewGame();
  ShowTask();
}

void TfmGameFrame::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmGameFrame::PCVGlassButton1Click(QObject*) {
  if (!FGame) return;  // a design loaded for checking only
  // The message appears while the game judges, before a solved task is
  // replaced: the praise picks its text from the random generator first.
  const TGameReply Reply = FGame->Check(MMTerm2->Caption().toStdString(), ShowGameMessage);
  if (Reply.Solved) {
    PCVGlass1->SetWidth(Reply.ProgressWidth);
    ShowTask();
    MMTerm2->SetCaption(QStringLiteral("?"));
  }
  if (Reply.StopTimer) Timer1->SetEnabled(false);
}

void TfmGameFrame::Timer1Timer(QObject*) {
  if (!FGame) return;
  FGame->Tick();
  Label2->SetCaption(QString::number(FGame->Seconds()));
}
