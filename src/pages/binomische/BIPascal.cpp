#include "pages/binomische/BIPascal.h"

#include "pages/CheckGroups.h"
#include "platform/StdControls.h"
#include "platform/Timer.h"
#include "scene/MMBox.h"
#include "scene/PCVGlass.h"
#include "shell/MessageProcs.h"

TfmBIPascal::TfmBIPascal(QWidget* Parent)
    : TExercisePage(Parent,
                    {QStringLiteral("MMCombo1"), QStringLiteral("MMCombo2"), QStringLiteral("MMCombo3"),
                     QStringLiteral("MMCombo4"), QStringLiteral("MMCombo5"), QStringLiteral("MMCombo6"),
                     QStringLiteral("MMCombo7")},
                    {{QStringLiteral("PCVGlassButton2")},
                     {QStringLiteral("MiniHTML2"), QStringLiteral("Panel1")},
                     {QStringLiteral("MiniHTML3")}}) {}

void TfmBIPascal::PCVGlassButton1Click(QObject*) {
  switch (Stage()) {
    case 0:
      FBoard.Start();
      Component<TTimer>(QStringLiteral("Timer1"))->SetEnabled(true);
      Advance();
      break;
    case 1:
      Advance();
      break;
    case 2:
      // The end of the row 1 3 3 1 and the row 1 4 6 4 1: the items
      // marked in the design.
      if (TCheck()
              .Field(1, ComboIsCorrect(Combo(1)))
              .Field(2, ComboIsCorrect(Combo(2)))
              .Field(3, ComboIsCorrect(Combo(3)))
              .Field(4, ComboIsCorrect(Combo(4)))
              .Field(5, ComboIsCorrect(Combo(5)))
              .Field(-2, ComboIsCorrect(Combo(6)))
              .Field(-1, ComboIsCorrect(Combo(7)))
              .Passed()) {
        ShowPraise();
        Advance();
      }
      break;
    default:
      break;
  }
}

void TfmBIPascal::PCVGlassButton2Click(QObject*) {
  FFast = !FFast;
  Component<TPCVGlassButton>(QStringLiteral("PCVGlassButton2"))
      ->SetCaption(FFast ? QStringLiteral("&Langsamer") : QStringLiteral("&Schneller"));
}

void TfmBIPascal::Timer1Timer(QObject*) {
  const std::int64_t Before = FBoard.Landed();
  if (FFast)
    FBoard.DropBalls(FastBalls);
  else
    FBoard.Step();
  auto* Box = Component<TMMBox>(QStringLiteral("MMBox1"));
  if (TMMPoint* Ball = Box->Points().FindByName("Kugel")) {
    Ball->SetX(FBoard.BallX());
    Ball->SetY(FBoard.BallY());
  }
  if (FBoard.Landed() == Before) return;
  for (int Bin = 1; Bin <= TGaltonBoard::BinCount; ++Bin)
    Component<TLabel>(QStringLiteral("Label%1").arg(Bin))->SetCaption(QString::number(FBoard.Bin(Bin)));
}
