#include "pages/PageClasses.h"

#include "pages/aufstellen/AufstellenPages.h"

// Each chapter folder registers its own page forms.
void RegisterPageClasses() {
  RegisterAufstellenPages();
}
