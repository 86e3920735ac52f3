#include "pages/faktorisieren/FactoringGamePages.h"

#include "pages/faktorisieren/FAU0.h"
#include "pages/faktorisieren/FAU1.h"
#include "pages/faktorisieren/FAU2.h"
#include "pages/faktorisieren/FaktorisierenPages.h"
#include "platform/ComponentRegistry.h"

void RegisterFactoringGamePages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmFAU0>();
  R.RegisterForm<TfmFAU1>();
  R.RegisterForm<TfmFAU2>();
  RegisterFaktorisierenPages();
}
