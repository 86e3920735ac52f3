#include "pages/aequivalenz/AEGegenbeispiel.h"

#include <QList>
#include <algorithm>

#include "pages/CheckGroups.h"
#include "platform/StdControls.h"
#include "platform/UpDown.h"
#include "shell/MessageProcs.h"

namespace {

constexpr int LastStage = 2;

// The values of a pair's two terms for the numbers set.
struct TPairValues {
  long long Left = 0;
  long long Right = 0;
};

// Numbers as the labels print them, with a real minus sign.
QString Signed(long long N) { return N < 0 ? QStringLiteral("−%1").arg(-N) : QString::number(N); }

}  // namespace

TfmAEGegenbeispiel::TfmAEGegenbeispiel(QWidget* Parent)
    : TExercisePage(Parent, {"UpDown1", "UpDown2", "UpDown3", "UpDown4", "UpDown5", "UpDown6"},
                    {{"lbErgebnis1", "XShape2", "Label2", "MMTerm3", "lbUnd2", "MMTerm4", "lbA2", "Edit3", "UpDown3"},
                     {"lbErgebnis2", "XShape3", "Label3", "MMTerm5", "lbUnd3", "MMTerm6", "lbA3", "Edit4", "UpDown4",
                      "lbB3", "Edit5", "UpDown5", "lbC3", "Edit6", "UpDown6"},
                     {"lbErgebnis3", "lbSchluss"}}) {}

void TfmAEGegenbeispiel::PCVGlassButton1Click(QObject*) {
  // The last pair stays under test once it is solved.
  const int Now = std::min(Stage(), LastStage);
  const auto N = [this](int K) -> long long { return Number(K)->Position(); };
  // The pair's fields, and its two terms worked out with their numbers.
  QList<int> Fields;
  TPairValues Values;
  QString Text;
  switch (Now) {
    case 0:
      Fields = {1, 2};
      Values = {(N(1) + N(2)) * (N(1) + N(2)), N(1) * N(1) + N(2) * N(2)};
      Text = QStringLiteral("(a + b)² = %1, aber a² + b² = %2");
      break;
    case 1:
      Fields = {3};
      Values = {4 * N(3) * N(3), 2 * N(3) * N(3)};
      Text = QStringLiteral("(2·a)² = %1, aber 2·a² = %2");
      break;
    default:
      Fields = {4, 5, 6};
      Values = {N(4) - (N(5) + N(6)), N(4) - N(5) + N(6)};
      Text = QStringLiteral("a − (b + c) = %1, aber a − b + c = %2");
      break;
  }
  QList<QWidget*> Controls;
  for (const int K : Fields) Controls << Number(K);
  if (!TCheck()
           .Error(QStringLiteral("Für diese Zahlen haben beide Terme denselben Wert. Versuche andere Zahlen!"),
                  TAnswerTest([Values] { return Values.Left != Values.Right; }, Controls))
           .Passed())
    return;
  Component<TLabel>(QStringLiteral("lbErgebnis%1").arg(Now + 1))
      ->SetCaption(Text.arg(Signed(Values.Left), Signed(Values.Right)));
  ShowPraise();
  if (Stage() > Now) return;
  // The numbers of a solved pair stay as they are, so its line stays true.
  if (Now < LastStage)
    for (const int K : Fields) {
      Number(K)->SetEnabled(false);
      Number(K)->Associate()->SetEnabled(false);
    }
  Advance();
}
