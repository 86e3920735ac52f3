// Page "Definition" of the factorising chapter shows six given pairs of
// terms. Each pair must really be one term written twice, once as a sum and
// once as a product, and the marked arrow must point from the sum to the
// product. The pairs are compared at points of their own, with a distinct
// value for every letter, so that this test does not lean on the sample
// points of the course's equivalence test: a slip like x*a+x*b+y*a+a*b for
// (x+y)*(a+b), right only where a equals y, shows at each of them.
#include <gtest/gtest.h>

#include "components/ComponentClasses.h"
#include "pages/CheckGroups.h"
#include "pages/PageClasses.h"
#include "pages/faktorisieren/FADefinition.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/MMCombo.h"
#include "terms/MMTerm.h"
#include "terms/TermControls.h"

namespace {

long double ValueAt(const TTerm& Term, const long double (&Values)[5]) {
  std::unique_ptr<TTerm> Copy = TTerm::ParseTerm(Term.ToString());
  const char Names[] = {'a', 'b', 'c', 'x', 'y'};
  for (int I = 0; I < 5; ++I) Copy->SetValue(Names[I], Values[I]);
  return Copy->Evaluate();
}

TEST(FADefinition, EveryPairIsOneTermAsSumAndAsProductAndTheArrowPointsToTheProduct) {
  RegisterPlatformClasses();
  RegisterComponentClasses();
  RegisterSceneControls();
  RegisterTermControls();
  RegisterPageClasses();
  auto Page = CreateForm<TfmFADefinition>();
  const long double Points[][5] = {{2, 3, 5, 7, 11}, {-1.5L, 4, 0.25L, 3, -2}, {13, -7, 2, 0.5L, 6}};
  for (int K = 1; K <= 6; ++K) {
    const TMMTerm& Left = *Page->MMTerm(2 * K - 1);
    const TMMTerm& Right = *Page->MMTerm(2 * K);
    const auto L = Left.GetTerm();
    const auto R = Right.GetTerm();
    for (const auto& P : Points)
      EXPECT_NEAR(static_cast<double>(ValueAt(*L, P)), static_cast<double>(ValueAt(*R, P)), 1e-9)
          << "pair " << K << ": " << Left.Caption().toStdString() << " / " << Right.Caption().toStdString();
    const bool LeftIsSum = TermIsSum(Left.Caption());
    EXPECT_NE(LeftIsSum, TermIsSum(Right.Caption())) << "pair " << K;
    TMMCombo& Arrow = *Page->Combo(K);
    Arrow.SetItemIndex(static_cast<int>(Arrow.Items().indexOf(LeftIsSum ? "->" : "<-")));
    EXPECT_TRUE(Arrow.IsCorrect()) << "pair " << K;
  }
}

}  // namespace
