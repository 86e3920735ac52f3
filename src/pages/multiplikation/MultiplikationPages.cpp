#include "pages/multiplikation/MultiplikationPages.h"

#include "pages/multiplikation/MSFehlersuche.h"
#include "pages/multiplikation/MSGleicheFaktoren.h"
#include "pages/multiplikation/MSSummeMalSumme.h"
#include "pages/multiplikation/MSU0.h"
#include "pages/multiplikation/MSVorzeichen.h"
#include "pages/multiplikation/MSZF.h"
#include "pages/multiplikation/MSZahlMalSumme.h"
#include "platform/ComponentRegistry.h"

void RegisterMultiplikationPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmMSZahlMalSumme>();
  R.RegisterForm<TfmMSSummeMalSumme>();
  R.RegisterForm<TfmMSVorzeichen>();
  R.RegisterForm<TfmMSGleicheFaktoren>();
  R.RegisterForm<TfmMSFehlersuche>();
  R.RegisterForm<TfmMSZF>();
  R.RegisterForm<TfmMSU0>();
}
