#include "shell/PageTable.h"

std::string_view TPageTable::ClassOf(int Page) const {
  for (const TPageRow& Row : FRows)
    if (Row.Page == Page) return Row.ClassName;
  return {};
}

std::string PageMissingMessage(int Page) { return "Seite " + std::to_string(Page) + " nicht vorhanden."; }
