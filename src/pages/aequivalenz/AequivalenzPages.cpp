#include "pages/aequivalenz/AequivalenzPages.h"

#include "pages/aequivalenz/AEDefinition.h"
#include "pages/aequivalenz/AEEinsetzen.h"
#include "pages/aequivalenz/AEGegenbeispiel.h"
#include "pages/aequivalenz/AEKlammern.h"
#include "pages/aequivalenz/AERechengesetze.h"
#include "pages/aequivalenz/AEUbung.h"
#include "pages/aequivalenz/AEZF.h"
#include "pages/aequivalenz/AEZusammenfassen.h"
#include "platform/ComponentRegistry.h"

void RegisterAequivalenzPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmAEEinsetzen>();
  R.RegisterForm<TfmAEDefinition>();
  R.RegisterForm<TfmAEGegenbeispiel>();
  R.RegisterForm<TfmAERechengesetze>();
  R.RegisterForm<TfmAEZusammenfassen>();
  R.RegisterForm<TfmAEKlammern>();
  R.RegisterForm<TfmAEZF>();
  R.RegisterForm<TfmAEUbung>();
}
