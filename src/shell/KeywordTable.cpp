#include "shell/KeywordTable.h"

#include <algorithm>

std::vector<TKeyword> BuildKeywordList(const std::vector<TKeywordRow>& Rows) {
  std::vector<TKeyword> List;
  for (const TKeywordRow& Row : Rows)
    for (const std::string& Word : Row.Keywords) {
      auto It = std::find_if(List.begin(), List.end(), [&](const TKeyword& K) { return K.Text == Word; });
      if (It == List.end()) It = List.insert(List.end(), TKeyword{Word, {}});
      It->Pages.push_back(Row.Page);
    }
  std::stable_sort(List.begin(), List.end(),
                   [](const TKeyword& A, const TKeyword& B) { return GermanLess(A.Text, B.Text); });
  return List;
}

std::string IndexPageText(const TTableOfContents& Toc, int Page) {
  const std::string Path = Toc.Path(Page);
  const size_t Slash = Path.find('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

std::vector<TPageGroupItem> KeywordPageLines(const TTableOfContents& Toc, const TKeyword& Keyword) {
  std::vector<TPageGroupItem> Lines;
  for (int Page : Keyword.Pages) Lines.push_back({IndexPageText(Toc, Page), Page});
  std::stable_sort(Lines.begin(), Lines.end(),
                   [](const TPageGroupItem& A, const TPageGroupItem& B) { return GermanLess(A.Text, B.Text); });
  return Lines;
}

const std::vector<TKeywordRow>& ShippedKeywordTable() {
  static const std::vector<TKeywordRow> Rows = {
      {10, {"Inhalt", "Startseite", "Übersicht"}},
      {100, {"Rechenvorschrift", "Kapitel"}},
      {110, {"Rechenvorschrift", "Dreieck", "Flächeninhalt", "Wertetabelle"}},
      {120, {"Bremsweg", "Geschwindigkeit", "Wertetabelle"}},
      {130, {"Rechenvorschrift", "Beispiel"}},
      {140, {"Term", "Variable", "Rechenvorschrift"}},
      {150, {"Zusammenfassung", "Rechenvorschrift"}},
      {160, {"Zusammenfassung", "Term"}},
      {170, {"Übung", "Rechenvorschrift"}},
      {200, {"Aufstellen von Termen", "Kapitel"}},
      {205, {"Termdialog", "Termeingabe"}},
      {210, {"Wortform", "Textaufgabe", "Aufstellen von Termen"}},
      {220, {"Algorithmus", "Rechenablauf", "Aufstellen von Termen"}},
      {230, {"Tabelle", "Wertetabelle", "Aufstellen von Termen"}},
      {240, {"Kombinatorik", "Abzählen", "Aufstellen von Termen"}},
      {250, {"Geometrie", "Flächeninhalt", "Figur"}},
      {260, {"Zusammenfassung", "Aufstellen von Termen"}},
      {300, {"Interpretieren von Termen", "Kapitel"}},
      {310, {"Geometrie", "Flächeninhalt", "Interpretieren von Termen"}},
      {320, {"Bewegung", "Geschwindigkeit", "Weg", "Interpretieren von Termen"}},
      {330, {"Farben", "Farbmischung", "Interpretieren von Termen"}},
      {400, {"Äquivalenz", "Kapitel"}},
      {410, {"Einsetzen", "Wertetabelle", "Äquivalenz"}},
      {420, {"Äquivalenz", "äquivalent", "gleichwertig", "Definition"}},
      {430, {"Gegenbeispiel", "äquivalent"}},
      {440, {"Rechengesetze", "Kommutativgesetz", "Assoziativgesetz", "Distributivgesetz"}},
      {450, {"Zusammenfassen", "gleichartige Terme", "Potenz"}},
      {460, {"Klammern auflösen", "Vorzeichen", "äquivalent"}},
      {470, {"Zusammenfassung", "Äquivalenz", "Rechengesetze"}},
      {480, {"Übung", "Spiel", "äquivalent", "Gegenbeispiel"}},
      {500, {"Multiplikation von Summen", "Kapitel"}},
      {510, {"Ausmultiplizieren", "Distributivgesetz", "Multiplikation von Summen", "Flächeninhalt"}},
      {520, {"Summe mal Summe", "Ausmultiplizieren", "Multiplikation von Summen", "Flächeninhalt"}},
      {530, {"Vorzeichenregel", "Ausmultiplizieren", "Multiplikation von Summen", "Vorzeichen"}},
      {540, {"Produkt", "Ausmultiplizieren", "Multiplikation von Summen", "Binomische Formeln"}},
      {550, {"Fehlersuche", "Ausmultiplizieren", "Multiplikation von Summen", "Vorzeichenregel"}},
      {560, {"Zusammenfassung", "Multiplikation von Summen", "Distributivgesetz", "Summe mal Summe"}},
      {570, {"Übung", "Ausmultiplizieren", "Multiplikation von Summen", "Spiel"}},
      {800, {"Binomische Formeln", "Kapitel"}},
      {810, {"Plusformel", "Binomische Formeln", "Quadrat"}},
      {820, {"Minusformel", "Binomische Formeln", "Quadrat"}},
      {830, {"Plusminusformel", "Binomische Formeln"}},
      {840, {"Binomische Formeln", "Übersicht"}},
      {850, {"Zusammenfassung", "Binomische Formeln"}},
      {855, {"Potenz", "Binomische Formeln"}},
      {857, {"Pascal-Dreieck", "Galtonbrett", "Zufall"}},
      {858, {"Pascal-Dreieck", "Potenz"}},
      {860, {"Übung", "Spiel", "Binomische Formeln"}},
      {870, {"Übung", "Spiel", "Binomische Formeln"}},
      {900, {"Faktorisieren", "Kapitel"}},
      {910, {"Faktorisieren", "Ausklammern"}},
      {920, {"Gliederung", "Summe", "Produkt"}},
      {930, {"Faktorisieren", "Definition", "Produkt"}},
      {940, {"Zusammenfassung", "Faktorisieren"}},
      {950, {"Übung", "Spiel", "Faktorisieren"}},
      {960, {"Übung", "Spiel", "Faktorisieren"}},
      {970, {"Übung", "Spiel", "Faktorisieren"}},
      {1010, {"VavoRever", "Spiel", "Termrechner", "Aufgaben"}},
  };
  return Rows;
}
