#include "pages/binomische/BinomischePages.h"

#include "pages/binomische/BIAMinusB.h"
#include "pages/binomische/BIAPlusB.h"
#include "pages/binomische/BIAPlusMinusB.h"
#include "pages/binomische/BIAlle.h"
#include "pages/binomische/BIPascal.h"
#include "pages/binomische/BIPascal2.h"
#include "pages/binomische/BITrinom.h"
#include "pages/binomische/BIZF.h"
#include "platform/ComponentRegistry.h"

void RegisterBinomischePages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmBIAPlusB>();
  R.RegisterForm<TfmBIAMinusB>();
  R.RegisterForm<TfmBIAPlusMinusB>();
  R.RegisterForm<TfmBIAlle>();
  R.RegisterForm<TfmBIZF>();
  R.RegisterForm<TfmBITrinom>();
  R.RegisterForm<TfmBIPascal>();
  R.RegisterForm<TfmBIPascal2>();
}
