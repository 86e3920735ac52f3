// Page "Geometrie": the coloured parts of the figure really have the areas
// the check expects, with the lengths the figure's dimension lines show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "components/ComponentClasses.h"
#include "components/XPolygon.h"
#include "pages/PageClasses.h"
#include "pages/aufstellen/AUGeometrie.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "terms/TermControls.h"
#include "terms/Terms.h"

namespace {

std::vector<TPoint> Pixels(const TXPolygon& P) {
  return XPolyPixelPoints(P.PolyPoints(), P.Width(), P.Height(), P.StretchRatio(), P.Left(), P.Top());
}

// Twice the area, by the shoelace formula (exact on whole pixels).
long TwiceArea(const std::vector<TPoint>& Points) {
  long Sum = 0;
  for (std::size_t I = 0; I < Points.size(); ++I) {
    const TPoint& A = Points[I];
    const TPoint& B = Points[(I + 1) % Points.size()];
    Sum += static_cast<long>(A.X) * B.Y - static_cast<long>(B.X) * A.Y;
  }
  return std::labs(Sum);
}

// The length a dimension line stands for: its longer extent.
int Length(const TXPolygon& Dimension) {
  const std::vector<TPoint> P = Pixels(Dimension);
  const auto [MinX, MaxX] = std::minmax_element(P.begin(), P.end(), [](auto& A, auto& B) { return A.X < B.X; });
  const auto [MinY, MaxY] = std::minmax_element(P.begin(), P.end(), [](auto& A, auto& B) { return A.Y < B.Y; });
  return std::max(MaxX->X - MinX->X, MaxY->Y - MinY->Y);
}

}  // namespace

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
