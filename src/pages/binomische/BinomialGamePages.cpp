#include "pages/binomische/BinomialGamePages.h"

#include "pages/binomische/BIU0.h"
#include "pages/binomische/BIU1.h"
#include "pages/binomische/BinomischePages.h"
#include "platform/ComponentRegistry.h"

void RegisterBinomialGamePages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmBIU0>();
  R.RegisterForm<TfmBIU1>();
  RegisterBinomischePages();
}
