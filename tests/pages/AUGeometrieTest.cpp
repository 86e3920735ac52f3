// Page "Geometrie": the coloured parts of the figure really have the areas
// the check expects, with the lengths the figure's dimension lines show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "FigureMeasure.h"
#include "components/ComponentClasses.h"
#include "components/XPolygon.h"
#include "pages/PageClasses.h"
#include "pages/aufstellen/AUGeometrie.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "terms/TermControls.h"
#include "terms/Terms.h"

TEST(AUGeometrie, EveryColouredPartHasTheAreaOfItsTerm) {
  RegisterPlatformClasses();
  RegisterComponentClasses();
  RegisterSceneControls();
  RegisterTermControls();
  RegisterPageClasses();
  const std::unique_ptr<TfmAUGeometrie> Form = CreateForm<TfmAUGeometrie>();
  auto Dim = [&](const char* Name) { return Length(*Form->Component<TXPolygon>(Name)); };
  const int A = Dim("XPolygonDimA"), B = Dim("XPolygonDimB"), C = Dim("XPolygonDimC"), D = Dim("XPolygonDimD"),
            E = Dim("XPolygonDimE1");
  // Equal letters stand for equal lengths.
  EXPECT_EQ(Dim("XPolygonDimE2"), E);
  for (const char* Height : {"XPolygonDimCRoof", "XPolygonDimCUpper", "XPolygonDimCLower"}) EXPECT_EQ(Dim(Height), C);
  // The letters look different, so their lengths should too.
  EXPECT_EQ(std::set<int>({A, B, C, D, E, A - B - C}).size(), 6u);

  const char* Expected[] = {"e*c", "c*c/2", "(a-b-c)*c/2", "(b+0,5*c)*c", "d*c/2", "(0,5*d+0,5*c+e)*c"};
  for (int K = 1; K <= 6; ++K) {
    const std::unique_ptr<TTerm> Term = TTerm::ParseTerm(Expected[K - 1]);
    Term->SetValue('a', A);
    Term->SetValue('b', B);
    Term->SetValue('c', C);
    Term->SetValue('d', D);
    Term->SetValue('e', E);
    const auto* Part = Form->Component<TXPolygon>(QStringLiteral("XPolygonPart%1").arg(K));
    EXPECT_EQ(static_cast<long double>(TwiceArea(Pixels(*Part))), 2 * Term->Evaluate()) << Expected[K - 1];
  }
}
