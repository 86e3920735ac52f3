#include "shell/ChapterStartLooks.h"

std::optional<TChapterStartLook> ChapterStartLook(int Page) {
  switch (Page) {
    case 100: return TChapterStartLook{2, "Rechenvorschriften"};
    case 200: return TChapterStartLook{3, "Aufstellen von Termen"};
    case 300: return TChapterStartLook{3, "Interpretieren von Termen"};
    case 400: return TChapterStartLook{7, "Äquivalenz"};
    case 500: return TChapterStartLook{6, "Multiplikation von Summen"};
    case 800: return TChapterStartLook{1, "Binomische Formeln"};
    case 900: return TChapterStartLook{4, "Faktorisieren"};
    case 1000: return TChapterStartLook{5, "Aufgaben"};
    default: return std::nullopt;
  }
}
