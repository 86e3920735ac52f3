#include "pages/rechenvorschriften/RechenvorschriftenPages.h"

#include "pages/rechenvorschriften/RVBeispiele.h"
#include "pages/rechenvorschriften/RVBrems.h"
#include "pages/rechenvorschriften/RVDefinition.h"
#include "pages/rechenvorschriften/RVTerm.h"
#include "pages/rechenvorschriften/RVU1.h"
#include "pages/rechenvorschriften/RVZF.h"
#include "pages/rechenvorschriften/RVZF2.h"
#include "platform/ComponentRegistry.h"

void RegisterRechenvorschriftenPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmRVDefinition>();
  R.RegisterForm<TfmRVBrems>();
  R.RegisterForm<TfmRVBeispiele>();
  R.RegisterForm<TfmRVTerm>();
  R.RegisterForm<TfmRVZF>();
  R.RegisterForm<TfmRVZF2>();
  R.RegisterForm<TfmRVU1>();
}
