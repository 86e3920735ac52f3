#include "pages/rechenvorschriften/RVBrems.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmRVBrems::TfmRVBrems(QWidget* Parent)
    : TExercisePage(Parent, {"UpDown1", "UpDown2", "UpDown3", "UpDown4", "UpDown5", "UpDown6", "UpDown7"}) {}

void TfmRVBrems::PCVGlassButton1Click(QObject*) {
  // (v : 10)² + 3 · (v : 10) for 30, 50, 60, 70, 100, 120 and 180 km/h.
  if (TCheck()
          .Line(1, HoldsNumber(Number(1), 18))
          .Line(2, HoldsNumber(Number(2), 40))
          .Line(3, HoldsNumber(Number(3), 54))
          .Line(4, HoldsNumber(Number(4), 70))
          .Line(5, HoldsNumber(Number(5), 130))
          .Line(-2, HoldsNumber(Number(6), 180))
          .Line(-1, HoldsNumber(Number(7), 378))
          .Passed())
    ShowPraise();
}
