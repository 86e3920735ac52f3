#include "pages/multiplikation/MultiplikationPages.h"

#include "pages/multiplikation/MSSummeMalSumme.h"
#include "pages/multiplikation/MSZahlMalSumme.h"
#include "platform/ComponentRegistry.h"

void RegisterMultiplikationPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmMSZahlMalSumme>();
  R.RegisterForm<TfmMSSummeMalSumme>();
}
