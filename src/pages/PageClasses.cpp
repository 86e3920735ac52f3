#include "pages/PageClasses.h"

#include "pages/aufgaben/AufgabenPages.h"
#include "pages/aufstellen/AufstellenPages.h"
#include "pages/binomische/BinomialGamePages.h"
#include "pages/faktorisieren/FactoringGamePages.h"

// Each chapter folder registers its own page forms.
void RegisterPageClasses() {
  RegisterAufstellenPages();
  RegisterBinomialGamePages();
  RegisterFactoringGamePages();
  RegisterAufgabenPages();
}
