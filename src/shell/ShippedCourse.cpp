// The course's contents: every node of the table of contents with the page
// form class that shows it.
#include <iterator>

#include "shell/PageTable.h"
#include "shell/TableOfContents.h"

namespace {

struct TCourseRow {
  int Page;
  const char* Title;
  int ParentPage;         // NoPage for the root
  const char* ClassName;  // nullptr: a node without its own page form
};

// In course order, so every parent precedes its children.
constexpr TCourseRow CourseRows[] = {
    {10, "Velotra", NoPage, "TfmStartseite"},
    {100, "Rechenvorschriften", 10, "TfmChapterStart"},
    {110, "Einführung", 100, "TfmRVDefinition"},
    {120, "Bremsweg", 100, "TfmRVBrems"},
    {130, "Beispiele", 100, "TfmRVBeispiele"},
    {140, "Der Term", 100, "TfmRVTerm"},
    {150, "Zusammenfassung 1", 100, "TfmRVZF"},
    {160, "Zusammenfassung 2", 100, "TfmRVZF2"},
    {170, "Übung 1", 100, "TfmRVU1"},
    {200, "Aufstellen von Termen", 10, "TfmChapterStart"},
    {205, "Der Termdialog", 200, "TfmAUTermDialog"},
    {210, "Wortform", 200, "TfmAUWortform"},
    {220, "Algorithmen", 200, "TfmAUAlgorithmen"},
    {230, "Tabellen", 200, "TfmAUTabellen"},
    {240, "Kombinatorik", 200, "TfmAUKombinatorik"},
    {250, "Geometrie", 200, "TfmAUGeometrie"},
    {260, "Zusammenfassung", 200, "TfmAUZF"},
    {300, "Interpretieren von Termen", 10, "TfmChapterStart"},
    {310, "Geometrie", 300, "TfmINEinfuhrung"},
    {320, "Bewegungen", 300, "TfmINBewegung"},
    {330, "Farben", 300, "TfmINfarben"},
    {400, "Äquivalenz", 10, "TfmChapterStart"},
    {410, "Einsetzen", 400, "TfmAEEinsetzen"},
    {420, "Definition", 400, "TfmAEDefinition"},
    {430, "Gegenbeispiel", 400, "TfmAEGegenbeispiel"},
    {440, "Rechengesetze", 400, "TfmAERechengesetze"},
    {450, "Zusammenfassen", 400, "TfmAEZusammenfassen"},
    {460, "Klammern", 400, "TfmAEKlammern"},
    {470, "Zusammenfassung", 400, "TfmAEZF"},
    {480, "Übung", 400, "TfmAEUbung"},
    {500, "Multiplikation von Summen", 10, "TfmChapterStart"},
    {510, "Zahl mal Summe", 500, "TfmMSZahlMalSumme"},
    {520, "Summe mal Summe", 500, "TfmMSSummeMalSumme"},
    {530, "Vorzeichen", 500, "TfmMSVorzeichen"},
    {540, "Gleiche Faktoren", 500, "TfmMSGleicheFaktoren"},
    {550, "Fehlersuche", 500, "TfmMSFehlersuche"},
    {560, "Zusammenfassung", 500, "TfmMSZF"},
    {570, "Übung", 500, "TfmMSU0"},
    {800, "Binomische Formeln", 10, "TfmChapterStart"},
    {810, "Plusformel", 800, "TfmBIAPlusB"},
    {820, "Minusformel", 800, "TfmBIAMinusB"},
    {830, "Plusminusformel", 800, "TfmBIAPlusMinusB"},
    {840, "Übersicht", 800, "TfmBIAlle"},
    {850, "Zusammenfassung", 800, "TfmBIZF"},
    {855, "(a+b)³", 800, "TfmBITrinom"},
    {857, "Pascal-Dreieck 1", 800, "TfmBIPascal"},
    {858, "Pascal-Dreieck 2", 800, "TfmBIPascal2"},
    {860, "Übung 1", 800, "TfmBIU0"},
    {870, "Übung 2", 800, "TfmBIU1"},
    {900, "Faktorisieren", 10, "TfmChapterStart"},
    {910, "Einführung", 900, "TfmFAEinfuhrung"},
    {920, "Gliederung", 900, "TfmFAGliederung"},
    {930, "Definition", 900, "TfmFADefinition"},
    {940, "Zusammenfassung", 900, "TfmFAZF"},
    {950, "Übung 1", 900, "TfmFAU0"},
    {960, "Übung 2", 900, "TfmFAU1"},
    {970, "Übung 3", 900, "TfmFAU2"},
    {1000, "Aufgaben", 10, "TfmChapterStart"},
    {1010, "VavoRever", 1000, "TfmTAVavorever"},
};

}  // namespace

TTableOfContents ShippedTableOfContents() {
  TTableOfContents Toc;
  for (const TCourseRow& Row : CourseRows) {
    const TTocNodeId Parent = Row.ParentPage == NoPage ? NoNode : Toc.NodeOf(Row.ParentPage);
    Toc.Add(Parent, Row.Title, Row.Page);
  }
  return Toc;
}

TPageTable ShippedPageTable() {
  std::vector<TPageRow> Rows;
  Rows.reserve(std::size(CourseRows));
  for (const TCourseRow& Row : CourseRows)
    if (Row.ClassName) Rows.push_back({Row.Page, Row.ClassName});
  return TPageTable(std::move(Rows));
}
