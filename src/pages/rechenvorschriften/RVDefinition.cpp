#include "pages/rechenvorschriften/RVDefinition.h"

#include "components/RRGrid.h"
#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

namespace {

// One row of the table: the triangle's two sides (either order) and its area.
struct TTriangleRow {
  int Side1;
  int Side2;
  int Area;
  int Line;
};

constexpr TTriangleRow Rows[] = {
    {8, 4, 16, 1}, {5, 4, 10, 2}, {6, 3, 9, 3}, {13, 2, 13, -2}, {10, 5, 25, -1},
};

}  // namespace

TfmRVDefinition::TfmRVDefinition(QWidget* Parent)
    : TExercisePage(Parent,
                    {"UpDown1", "UpDown2", "UpDown3", "UpDown4", "UpDown5", "UpDown6", "UpDown7", "UpDown8",
                     "UpDown9", "UpDown10", "UpDown11", "UpDown12", "UpDown13", "UpDown14", "UpDown15", "MMCombo1",
                     "MMCombo2"},
                    {{"lbFrage", "lbZuerst", "MMCombo1", "lbDann", "MMCombo2"}, {"lbKlammer", "MiniHTML2"}}) {
  // The sentence check reveals the bracket rule.
  SetFinalStage(1);
}

void TfmRVDefinition::DoCreate() {
  // A narrow column for the triangles' letters leaves the area column room
  // for its unit; the number fields sit 6 px into their columns.
  TRRGrid* Grid = Component<TRRGrid>(QStringLiteral("RRGrid1"));
  Grid->SetColWidths(0, 50);
  Grid->SetColWidths(3, 150);
  TExercisePage::DoCreate();
}

void TfmRVDefinition::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  switch (Stage()) {
    case 0:
      // Each row holds length, width and area in fields 3k+1 ... 3k+3.
      for (int K = 0; K < 5; ++K) {
        const TTriangleRow& Row = Rows[K];
        Check.Line(Row.Line, AllOf({HoldNumbers(Number(3 * K + 1), Number(3 * K + 2), Row.Side1, Row.Side2),
                                    HoldsNumber(Number(3 * K + 3), Row.Area)}));
      }
      break;
    case 1:
      Check.Line(1, ComboIsCorrect(Combo(16))).Line(2, ComboIsCorrect(Combo(17)));
      break;
    default: return;
  }
  if (Check.Passed()) {
    ShowPraise();
    Advance();
  }
}
