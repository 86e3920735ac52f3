#include "pages/interpretieren/INBewegung.h"

#include "components/XShapes.h"
#include "pages/CheckGroups.h"
#include "pages/interpretieren/MotionRows.h"
#include "platform/Canvas.h"
#include "platform/ControlAccessible.h"
#include "platform/PaintBox.h"
#include "platform/StdControls.h"
#include "platform/Timer.h"
#include "shell/MessageProcs.h"

TfmINBewegung::TfmINBewegung(QWidget* Parent)
    : TExercisePage(Parent, {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4"}) {}

void TfmINBewegung::FormCreate(QObject*) {
  FSeconds = 0;
  FScale = Component<TBeam>(QStringLiteral("Beam1"))->TickDistance();
  ShowTime();
}

void TfmINBewegung::ShowTime() const {
  Component<TLabel>(QStringLiteral("Label5"))->SetCaption(QStringLiteral("Zeit: t = %1 s").arg(FSeconds));
  const int Unit = Component<TBeam>(QStringLiteral("Beam1"))->MarkDistance();
  SetAccessibleDescription(Component<TPaintBox>(QStringLiteral("PaintBox1")),
                           QString::fromStdString(MotionDescription(FSeconds, FScale, Unit)));
}

void TfmINBewegung::Timer1Timer(QObject*) {
  ++FSeconds;
  if (FSeconds >= MotionLastTick) Component<TTimer>(QStringLiteral("Timer1"))->SetEnabled(false);
  ShowTime();
  Component<TPaintBox>(QStringLiteral("PaintBox1"))->update();
}

void TfmINBewegung::PCVGlassButton2Click(QObject*) {
  FSeconds = 0;
  Component<TTimer>(QStringLiteral("Timer1"))->SetEnabled(true);
  ShowTime();
  Component<TPaintBox>(QStringLiteral("PaintBox1"))->update();
}

void TfmINBewegung::PaintBox1Paint(QObject* Sender) {
  TCanvas& Canvas = *static_cast<TPaintBox*>(Sender)->Canvas();
  Canvas.Pen().SetColor(clBlack);
  for (const TMotionMarker& M : MotionMarkers(FSeconds, FScale)) {
    Canvas.Brush().SetColor(M.Current ? clRed : clYellow);
    Canvas.Rectangle(M.X, M.Y, M.X + MotionMarkerSize, M.Y + MotionMarkerSize);
  }
}

void TfmINBewegung::PCVGlassButton1Click(QObject*) {
  if (TCheck()
          .Line(1, ComboIsCorrect(Combo(1)))
          .Line(2, ComboIsCorrect(Combo(2)))
          .Line(-2, ComboIsCorrect(Combo(3)))
          .Line(-1, ComboIsCorrect(Combo(4)))
          .Passed())
    ShowPraise();
}
