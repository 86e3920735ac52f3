// The rectangles of the chapter "Multiplikation von Summen" are drawn to
// scale: each part has the area of its term, with the lengths the
// dimension lines show.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "FigureMeasure.h"
#include "pages/PageClasses.h"
#include "pages/multiplikation/MSSummeMalSumme.h"
#include "pages/multiplikation/MSZahlMalSumme.h"
#include "platform/Forms.h"

namespace {

const TXPolygon& Polygon(const TForm& Form, const char* Name) { return *Form.Component<TXPolygon>(Name); }

// The distinct x (or y) coordinates of a polygon's corners.
std::set<int> Coordinates(const TXPolygon& P, bool X) {
  std::set<int> Out;
  for (const TPoint& Point : Pixels(P)) Out.insert(X ? Point.X : Point.Y);
  return Out;
}

}  // namespace

TEST(MultiplikationFigures, ZahlMalSumme) {
  RegisterProgramClasses();
  const std::unique_ptr<TfmMSZahlMalSumme> Form = CreateForm<TfmMSZahlMalSumme>();
  // The unit is a quarter of the part that is 4 wide.
  const int Four = Length(Polygon(*Form, "XPolygonDim4"));
  ASSERT_EQ(Four % 4, 0);
  const int U = Four / 4;
  const int Three = Length(Polygon(*Form, "XPolygonDim3"));
  const int X = Length(Polygon(*Form, "XPolygonDimX"));
  EXPECT_EQ(Three, 3 * U);
  // x must not look like 4 (nor like any whole number of squares).
  EXPECT_NE(X % U, 0);
  // Left part 3*x, right part 3*4, both 3 high.
  EXPECT_EQ(TwiceArea(Pixels(Polygon(*Form, "XPolygonPart1"))), 2L * Three * X);
  EXPECT_EQ(TwiceArea(Pixels(Polygon(*Form, "XPolygonPart2"))), 2L * 12 * U * U);
  // The squares of the right part are one unit wide and high.
  const TXPolygon& Right = Polygon(*Form, "XPolygonPart2");
  const int Left = *Coordinates(Right, true).begin(), Top = *Coordinates(Right, false).begin();
  EXPECT_EQ(Coordinates(Polygon(*Form, "XPolygonGridColumns"), true),
            (std::set<int>{Left + U, Left + 2 * U, Left + 3 * U}));
  EXPECT_EQ(Coordinates(Polygon(*Form, "XPolygonGridRows"), false), (std::set<int>{Top + U, Top + 2 * U}));
}

TEST(MultiplikationFigures, SummeMalSumme) {
  RegisterProgramClasses();
  const std::unique_ptr<TfmMSSummeMalSumme> Form = CreateForm<TfmMSSummeMalSumme>();
  const TXPolygon &DimA = Polygon(*Form, "XPolygonDimA"), &DimB = Polygon(*Form, "XPolygonDimB"),
                  &DimC = Polygon(*Form, "XPolygonDimC"), &DimD = Polygon(*Form, "XPolygonDimD");
  const int A = Length(DimA), B = Length(DimB), C = Length(DimC), D = Length(DimD);
  // Four letters, four visibly different lengths.
  EXPECT_EQ(std::set<int>({A, B, C, D}).size(), 4u);
  // Rows a (top) and b, columns c (left) and d: the dimension lines start
  // where their parts start.
  const int Left = *Coordinates(DimC, true).begin(), Top = *Coordinates(DimA, false).begin();
  EXPECT_EQ(*Coordinates(DimD, true).begin(), Left + C);
  EXPECT_EQ(*Coordinates(DimB, false).begin(), Top + A);
  const struct {
    const char* Part;
    int X, Y, Width, Height;
  } Parts[] = {{"XPolygonPart1", Left, Top, C, A},
               {"XPolygonPart2", Left + C, Top, D, A},
               {"XPolygonPart3", Left, Top + A, C, B},
               {"XPolygonPart4", Left + C, Top + A, D, B}};
  for (const auto& P : Parts) {
    SCOPED_TRACE(P.Part);
    const TXPolygon& Part = Polygon(*Form, P.Part);
    EXPECT_EQ(*Coordinates(Part, true).begin(), P.X);
    EXPECT_EQ(*Coordinates(Part, false).begin(), P.Y);
    EXPECT_EQ(TwiceArea(Pixels(Part)), 2L * P.Width * P.Height);
  }
}
